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
#declare Spik2 =  union {
 sphere { <0, 0, 0>, .5}
 cylinder { <-2, 0, 0>, <2, 0, 0>, .25}
 cone {<-1.8,0,0>,0.2, <-1.8,2,0>,0.005}
 cone {<1.8,0,0>,0.2, <1.8,2,0>,0.005}
 sphere { <-1.65,0,0>, 0.35}
 sphere { <1.65,0,0>, 0.35}
}
 
#declare RSegment = object {Bol}
 
#declare RSegment2 = object {Spik2}
 
#declare CTopHart =  object {Bol}
 
#declare CHuskObj =  object {Bol}
 
#declare RWorm =
 merge {
  object {object {RSegment translate <-.5,0,0>}
  scale <1.000, 1.000, 1.000>
  translate <0.000, 0.000, 2.000>
  rotate <0, 0, 0>
  translate <0.000, 0.000, 3.000>
  rotate <0, 0, 0>
  translate <0.000, 0.000, 0.000>
 }
  object {object {RSegment2 translate <-.5,0,0>}
  scale <0.833, 0.833, 0.833>
  translate <0.000, 0.000, 2.000>
  rotate <0, 30, 0>
  translate <0.000, 0.000, 2.833>
  rotate <-30, 0, 0>
  translate <0.125, 0.000, 0.000>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.667, 0.667, 0.667>
  translate <0.000, 0.000, 2.000>
  rotate <0, 60, 0>
  translate <0.000, 0.000, 2.667>
  rotate <-60, 0, 0>
  translate <0.250, 0.000, 0.000>
 }
 object {CHuskObj
   texture {pigment {color red 1 green 1 blue 1}}
  scale <0.500, 0.500, 0.500>
  translate <0.000, 0.000, 2.000>
  rotate <0, 90, 0>
  translate <0.000, 0.000, 2.500>
  rotate <-90, 0, 0>
  translate <0.375, 0.000, 0.000>
 }
 object {CHuskObj
   texture {pigment {color red 1 green 1 blue 1}}
  scale <0.333, 0.333, 0.333>
  translate <0.000, 0.000, 2.000>
  rotate <0, 120, 0>
  translate <0.000, 0.000, 2.333>
  rotate <-120, 0, 0>
  translate <0.500, 0.000, 0.000>
 }
  object {object {RSegment2 translate <-.5,0,0>}
  scale <0.167, 0.167, 0.167>
  translate <0.000, 0.000, 2.000>
  rotate <0, 150, 0>
  translate <0.000, 0.000, 2.167>
  rotate <-150, 0, 0>
  translate <0.625, 0.000, 0.000>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.100, 0.100, 0.100>
  translate <0.000, 0.000, 2.000>
  rotate <0, 180, 0>
  translate <0.000, 0.000, 2.000>
  rotate <-180, 0, 0>
  translate <0.750, 0.000, 0.000>
 }
  object {object {RSegment2 translate <-.5,0,0>}
  scale <0.100, 0.100, 0.100>
  translate <0.000, 0.000, 2.000>
  rotate <0, 210, 0>
  translate <0.000, 0.000, 1.833>
  rotate <-210, 0, 0>
  translate <0.875, 0.000, 0.000>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.100, 0.100, 0.100>
  translate <0.000, 0.000, 2.000>
  rotate <0, 240, 0>
  translate <0.000, 0.000, 1.667>
  rotate <-240, 0, 0>
  translate <1.000, 0.000, 0.000>
 }
  object {object {RSegment2 translate <-.5,0,0>}
  scale <0.100, 0.100, 0.100>
  translate <0.000, 0.000, 2.000>
  rotate <0, 270, 0>
  translate <0.000, 0.000, 1.500>
  rotate <-270, 0, 0>
  translate <1.125, 0.000, 0.000>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.100, 0.100, 0.100>
  translate <0.000, 0.000, 2.000>
  rotate <0, 300, 0>
  translate <0.000, 0.000, 1.333>
  rotate <-300, 0, 0>
  translate <1.250, 0.000, 0.000>
 }
  object {object {RSegment2 translate <-.5,0,0>}
  scale <0.100, 0.100, 0.100>
  translate <0.000, 0.000, 2.000>
  rotate <0, 330, 0>
  translate <0.000, 0.000, 1.167>
  rotate <-330, 0, 0>
  translate <1.375, 0.000, 0.000>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.100, 0.100, 0.100>
  translate <0.000, 0.000, 2.000>
  rotate <0, 360, 0>
  translate <0.000, 0.000, 1.000>
  rotate <-360, 0, 0>
  translate <1.500, 0.000, 0.000>
 }
  object { CTopHart
  texture {pigment {color red 1 green 1 blue 1}}
  scale <1.5, 1.5, 1.5>
  translate <0.000, 0.000, 2.000>
  rotate <0, 390, 0>
  translate <0.000, 0.000, 0.833>
  rotate <-390, 0, 0>
 }
  scale <1.0, 1, 1> 
  rotate <0, 90, 0>
  rotate <0, 0, 0>
  translate <0, 0, 0>
 }
 
 #declare Worm1 = object {
  RWorm
   }
 
object {Worm1
  texture {pigment { color rgbf <0.9882,0.9020,0.7882,0>} scale <1,1,1> rotate <0,0,0>}
  scale <1, 1, 1>
  rotate <0, 0, 0>
  translate <0, 0, 0>
 }
 
