global_settings {assumed_gamma 2.2}
#include "vmxpred.inc"
#include "stones.inc"
 
camera { 
  location <0.0, 0.0, -30>
  direction <0.0, 0.0, 1.2>
  right <1.3, 0.0, 0.0>
  look_at <0.0, 0.0, 0.0>
}
 
light_source {0*x color red 1 green 1 blue 1 translate <-10, 10, -30>}
light_source {0*x color red 0.6 green 0.6 blue 0.6 translate <40, 60, -60>}
light_source {0*x color red 1 green 1 blue 1 translate <-20, -20, 30>}
light_source {0*x color red 0.6 green 0.6 blue 0.6 translate <30, -20, -30>}
 
sphere { <0,0,0>, 10 texture {pigment { wood  color_map {  [0.000 color rgb <0.900, 0.590, 0.380 > ] [0.160 color rgb <0.160, 0.670, 0.027 > ] [0.250 color rgb <0.690, 0.590, 0.410 > ] [0.700 color rgb <0.840, 0.540, 0.510 > ] [1.000 color rgb <0.008, 0.600, 0.430 > ]} turbulence 1.93 lambda 1.15 omega 0.94 octaves 5.91 frequency 1 phase 0 scale 1} finish { brilliance 2.14 specular 0.41 reflection 0.03 } scale <1,1,1> rotate <0,0,0>} }
