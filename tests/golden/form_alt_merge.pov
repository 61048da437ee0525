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
 
#declare FWSegment = object {Bol}
 
#declare FWSegment2 = object {Spik2}
 
#declare FWorm =
 merge {
  object { 
  FWSegment
  scale <0.900, 0.900, 0.900>
  translate <0.450, 0.450, 0.450>
  rotate <0, 432, 0>
  translate <-0.450, -0.450, -0.450>
  translate <0.000, 0.400, 0.200>
}
  object { 
  FWSegment2
  scale <0.800, 0.800, 0.800>
  translate <0.400, 0.400, 0.400>
  rotate <0, 864, 0>
  translate <-0.400, -0.400, -0.400>
  translate <0.000, 0.800, 0.400>
}
  object { 
  FWSegment
  scale <0.700, 0.700, 0.700>
  translate <0.350, 0.350, 0.350>
  rotate <0, 1.3E3, 0>
  translate <-0.350, -0.350, -0.350>
  translate <0.000, 1.200, 0.600>
}
  object { 
  FWSegment2
  scale <0.600, 0.600, 0.600>
  translate <0.300, 0.300, 0.300>
  rotate <0, 1.73E3, 0>
  translate <-0.300, -0.300, -0.300>
  translate <0.000, 1.600, 0.800>
}
  object { 
  FWSegment
  scale <0.500, 0.500, 0.500>
  translate <0.250, 0.250, 0.250>
  rotate <0, 2.16E3, 0>
  translate <-0.250, -0.250, -0.250>
  translate <0.000, 2.000, 1.000>
}
  object { 
  FWSegment2
  scale <0.400, 0.400, 0.400>
  translate <0.200, 0.200, 0.200>
  rotate <0, 2.59E3, 0>
  translate <-0.200, -0.200, -0.200>
  translate <0.000, 2.400, 1.200>
}
  object { 
  FWSegment
  scale <0.300, 0.300, 0.300>
  translate <0.150, 0.150, 0.150>
  rotate <0, 3.02E3, 0>
  translate <-0.150, -0.150, -0.150>
  translate <0.000, 2.800, 1.400>
}
  object { 
  FWSegment2
  scale <0.200, 0.200, 0.200>
  translate <0.100, 0.100, 0.100>
  rotate <0, 3.46E3, 0>
  translate <-0.100, -0.100, -0.100>
  translate <0.000, 3.200, 1.600>
}
  object { 
  FWSegment
  scale <0.100, 0.100, 0.100>
  translate <0.050, 0.050, 0.050>
  rotate <0, 3.89E3, 0>
  translate <-0.050, -0.050, -0.050>
  translate <0.000, 3.600, 1.800>
}
  object { 
  FWSegment2
  scale <0.000, 0.000, 0.000>
  translate <0.000, 0.000, 0.000>
  rotate <0, 4.32E3, 0>
  translate <0.000, 0.000, 0.000>
  translate <0.000, 4.000, 2.000>
}
  scale <1, 1, 1>
  rotate <0, 0, 0>
  translate <0, 0, 0>
}
 
 #declare Worm1 = object {
  FWorm
   }
 
object {Worm1
  texture {pigment { color rgbf <0.9882,0.9020,0.7882,0>} scale <1,1,1> rotate <0,0,0>}
  scale <1, 1, 1>
  rotate <0, 0, 0>
  translate <0, 0, 0>
 }
 
