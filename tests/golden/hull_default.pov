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
 
#declare Hull =  union {
 object {
 Worm1
  rotate <0, 0, 0>
  rotate <0, 0, 0>
 }
 object {
 Worm1
  rotate <0, 0, 10>
  rotate <1, 138, 0>
 }
 object {
 Worm1
  rotate <0, 0, 10>
  rotate <1, -85, 0>
 }
 object {
 Worm1
  rotate <0, 0, 10>
  rotate <2, 53, 0>
 }
 object {
 Worm1
  rotate <0, 0, 20>
  rotate <3, -170, 0>
 }
 object {
 Worm1
  rotate <0, 0, 20>
  rotate <4, -33, 0>
 }
 object {
 Worm1
  rotate <0, 0, 20>
  rotate <4, 105, 0>
 }
 object {
 Worm1
  rotate <0, 0, 30>
  rotate <5, -118, 0>
 }
 object {
 Worm1
  rotate <0, 0, 30>
  rotate <6, 20, 0>
 }
 object {
 Worm1
  rotate <0, 0, 30>
  rotate <5, 158, 0>
 }
 object {
 Worm1
  rotate <0, 0, 40>
  rotate <4, -65, 0>
 }
 object {
 Worm1
  rotate <0, 0, 40>
  rotate <4, 73, 0>
 }
 object {
 Worm1
  rotate <0, 0, 40>
  rotate <3, -150, 0>
 }
 object {
 Worm1
  rotate <0, 0, 50>
  rotate <2, -13, 0>
 }
 }
object {Hull
  texture {pigment { color rgbf <0.9882,0.9020,0.7882,0>} scale <1,1,1> rotate <0,0,0>}
  scale <1, 1, 1>
  rotate <0, 0, 0>
  translate <0, 0, 0>
 }
 
