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
 
#declare TopHart =  object {Bol}
 
#declare W0 = 
 union {
  object {JSegment
  scale <0.958, 0.958, 0.958>
  rotate <-66, 0, 47>
  translate <-0.518, 0.599, 0.734>
 }
  object {JSegment
  scale <0.917, 0.917, 0.917>
  rotate <-56, 0, 54>
  translate <-1.113, 1.172, 1.354>
 }
  object {JSegment
  scale <0.875, 0.875, 0.875>
  rotate <-45, 0, 58>
  translate <-1.763, 1.719, 1.855>
 }
  object {JSegment
  scale <0.833, 0.833, 0.833>
  rotate <-34, 0, 61>
  translate <-2.446, 2.240, 2.233>
 }
  object {JSegment
  scale <0.792, 0.792, 0.792>
  rotate <-23, 0, 63>
  translate <-3.142, 2.734, 2.492>
 }
  object {JSegment
  scale <0.750, 0.750, 0.750>
  rotate <-13, 0, 62>
  translate <-3.830, 3.203, 2.636>
 }
  object {JSegment
  scale <0.708, 0.708, 0.708>
  rotate <-3, 0, 60>
  translate <-4.493, 3.646, 2.673>
 }
  object {JSegment
  scale <0.667, 0.667, 0.667>
  rotate <5, 0, 56>
  translate <-5.115, 4.062, 2.615>
 }
  object {JSegment
  scale <0.625, 0.625, 0.625>
  rotate <13, 0, 51>
  translate <-5.684, 4.453, 2.474>
 }
  object {JSegment
  scale <0.583, 0.583, 0.583>
  rotate <19, 0, 45>
  translate <-6.189, 4.818, 2.264>
 }
  object {JSegment
  scale <0.542, 0.542, 0.542>
  rotate <24, 0, 39>
  translate <-6.623, 5.156, 2.001>
 }
  object {JSegment
  scale <0.500, 0.500, 0.500>
  rotate <27, 0, 32>
  translate <-6.984, 5.469, 1.701>
 }
 }
 
#declare JWorm =
 union {
  object { W0
 }
  object { TopHart
  texture {pigment {color red 1 green 1 blue 1}}
  scale <1.50, 1.50, 1.50>
  translate <-6.984, 6.169, 1.701>
 }
  scale <1.000, 1.000, 1.000>
  rotate <0, 0, 0>
  translate <0.000, 0.000, 0.000>
 }
 
 #declare Worm1 = object {
  JWorm
   }
 
object {Worm1
  texture {pigment { color rgbf <0.9882,0.9020,0.7882,0>} scale <1,1,1> rotate <0,0,0>}
  scale <1, 1, 1>
  rotate <0, 0, 0>
  translate <0, 0, 0>
 }
 
