global_settings {assumed_gamma 2.2}
#include "vmxpred.inc"
#include "colors.inc"
 
camera { 
  location <0.0, 0.0, -30>
  direction <0.0, 0.0, 1.2>
  right <1.3, 0.0, 0.0>
  look_at <0.0, 0.0, 0.0>
}
 
light_source {0*x color red 1 green 1 blue 1 translate <-10, 10, -30>}
light_source {0*x color red 0.6 green 0.6 blue 0.6 translate <40, 60, -60>}
 
