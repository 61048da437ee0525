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
  texture {pigment {color red 1 green 1 blue 1}}
  scale <1.767, 1.767, 1.767>
  rotate <-91, 0, 118>
  translate <-2.426, 1.719, 2.365>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <0.417, 0.417, 0.417>
  rotate <-17, 0, 31>
  translate <-2.767, 2.240, 2.554>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <1.568, 1.568, 1.568>
  rotate <-46, 0, 124>
  translate <-4.145, 2.734, 3.067>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <2.625, 2.625, 2.625>
  rotate <-45, 0, 217>
  translate <-6.554, 3.203, 3.571>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <1.431, 1.431, 1.431>
  rotate <-7, 0, 121>
  translate <-7.893, 3.646, 3.646>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <0.333, 0.333, 0.333>
  rotate <3, 0, 28>
  translate <-8.204, 4.062, 3.617>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <1.238, 1.238, 1.238>
  rotate <25, 0, 101>
  translate <-9.330, 4.453, 3.337>
 }
  object {JSegment
  scale <0.583, 0.583, 0.583>
  rotate <19, 0, 45>
  translate <-9.835, 4.818, 3.127>
 }
  object {JSegment
  scale <0.542, 0.542, 0.542>
  rotate <24, 0, 39>
  translate <-10.270, 5.156, 2.864>
 }
  object {JSegment
  scale <0.500, 0.500, 0.500>
  rotate <27, 0, 32>
  translate <-10.630, 5.469, 2.564>
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
 
object {Worm1
  texture {pigment { color rgbf <0.9882,0.9020,0.7882,0>} scale <1,1,1> rotate <0,0,0>}
  scale <1, 1, 1>
  rotate <0, 0, 0>
  translate <0, 0, 0>
 }
 
