// File : VERSION31.POV created by VERMORA v.0.99g ----------
global_settings {assumed_gamma 2.2}
 
#include "vmxpred.inc"
 
camera { 
  location <0.0, 0.0, -30>
  direction <0.0, 0.0, 1.2>
  right <1.3, 0.0, 0.0>
  look_at <0.0, 0.0, 0.0>
}
 
light_source {0*x color red 1.000 green 1.000 blue 1.000 translate <-10, 10, -30>}
light_source {0*x color red 0.600 green 0.600 blue 0.600 translate <40, 60, -60>}
 
#declare Bol = sphere {<0, 0, 0>, .5 }
 
#declare JSegment = object {Bol}
 
#declare W0 = 
 union {
  object {JSegment
  scale <0.900, 0.900, 0.900>
  rotate <-149, 0, 105>
  translate <-1.168, 1.350, 1.654>
 }
  object {JSegment
  scale <0.800, 0.800, 0.800>
  rotate <-117, 0, 112>
  translate <-2.414, 2.550, 2.953>
 }
  object {JSegment
  scale <0.700, 0.700, 0.700>
  rotate <-86, 0, 112>
  translate <-3.662, 3.600, 3.914>
 }
  object {JSegment
  scale <0.600, 0.600, 0.600>
  rotate <-59, 0, 106>
  translate <-4.842, 4.500, 4.569>
 }
  object {JSegment
  scale <0.500, 0.500, 0.500>
  rotate <-35, 0, 95>
  translate <-5.897, 5.250, 4.961>
 }
 }
 
#declare JWorm =
  object { W0
  scale <1.000, 1.000, 1.000>
  rotate <0, 0, 0>
  translate <0.000, 0.000, 0.000>
 }
 
 #declare Worm1 = object {
  JWorm
   }
 
#declare Cluster =  union {
  object {
  Worm1
  scale <0.626, 1.042, 0.107>
  rotate <0, 0, 0>
  rotate <0, 180, 0>
  rotate <0, 0, 180>
  translate <-2.239, -1.107, 1.334>
 }
  object {
  Worm1
  scale <0.873, 0.014, 0.063>
  rotate <180, 0, 0>
  rotate <0, 180, 0>
  rotate <0, 0, 180>
  translate <3.256, -2.484, 1.962>
 }
  object {
  Worm1
  scale <0.469, 1.666, 0.084>
  rotate <90, 0, 0>
  rotate <0, 180, 0>
  rotate <0, 0, 180>
  translate <3.124, 1.885, -0.347>
 }
  object {
  Worm1
  scale <0.909, 1.626, 0.954>
  rotate <180, 0, 0>
  rotate <0, 270, 0>
  rotate <0, 0, 90>
  translate <0.717, -2.981, 0.201>
 }
  object {
  Worm1
  scale <0.547, 1.512, 0.865>
  rotate <90, 0, 0>
  rotate <0, 270, 0>
  rotate <0, 0, 180>
  translate <-2.767, -0.731, 0.349>
 }
  object {
  Worm1
  scale <0.623, 0.924, 0.094>
  rotate <90, 0, 0>
  rotate <0, 90, 0>
  rotate <0, 0, 90>
  translate <-2.843, -2.217, -2.557>
 }
 }
object {Cluster
  texture {pigment { color rgbf <0.9882,0.9020,0.7882,0>} scale <1,1,1> rotate <0,0,0>}
  scale <1, 1, 1>
  rotate <0, 0, 0>
  translate <0, 0, 0>
 }
 
