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
 
#declare Doos = box { <-.5, -.5, -.5>, < .5,  .5,  .5>}
#declare SS =  union {
 cylinder { <-2, 0, 0>, <0, 0, 0>, .25 rotate <0,0,-10>}
 cylinder { <0, 0, 0>, <2, 0, 0>, .25  rotate <0,0,10>}
 cone {<-1.8,0,0>, 0.2 <-1.8,4,0>, 0.005 rotate <0,0,5>}
 cone {<1.8,0,0>, 0.2 <1.8,4,0>, 0.005 rotate <0,0,-5>}
 }
#declare Spik3 = union {
 object {SS}
 object {SS rotate <0, 60, 0>}
 object {SS rotate <0, 120,0>}
 }
 
#declare Predef = object {Spik3}
#declare PWorm = object { Predef texture {pigment {color red 1 green 1 blue 1}}
  scale <1, 1, 1>
  rotate <0, 0, 0>
  translate <0, 0, 0>
 }
 
#declare WormPred = object {Doos scale <1, 4, 1>}
#declare SPWorm = object { WormPred texture {pigment {color red 1 green 1 blue 1}}
  scale <1, 1, 1>
  rotate <0, 0, 0>
  translate <0, 0, 0>
 }
 
 #declare Worm1 = object {
  PWorm
   }
 
 #declare Worm2 = object {
  SPWorm
  }
 
object {Worm1
  texture {pigment { color rgbf <0.9882,0.9020,0.7882,0>} scale <1,1,1> rotate <0,0,0>}
  scale <1, 1, 1>
  rotate <0, 0, 0>
  translate <0, 0, 0>
 }
 
