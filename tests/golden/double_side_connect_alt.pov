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
#declare Spik4 =  union {
 sphere { <0, 0, 0>, .6 }
 cone {<0,0,0>,0.1, <-0, 4, 0>, 0.005 rotate <0, 0, -10> translate <0.4,0,0>}
 cone {<0,0,0>,0.1, <0, 4, 0>, 0.005 rotate <0, 0, 10> translate <-0.4,0,0>}
}
 
#macro Connect(SP,SR,EP,ER)
 #local D=vlength(EP-SP);
 #local Rd=SR-ER;
 #if (D > abs(Rd))
 #local D2=sqrt(D*D-Rd*Rd);
 cone { SP+(EP-SP)/D*Rd*(SR)/D,(SR)*D2/D,EP+(EP-SP)/D*Rd*(ER)/D,(ER)*D2/D }
 #elseif (SR > ER)
 sphere { SP, SR }
 #else
 sphere { EP, ER }
 #end
#end 
 
 
#declare DSSegment = object {Bol}
 
#declare DSSegment2 = object {Spik2}
 
#declare SideObject =  object {Spik4}
 
#declare DWorm = 
 merge {
  object {
  DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <0, 0, 0>
  translate <2.939, 0.000, 4.045>
  translate <1.214, -0.882, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {
  DSSegment2
  scale <0.975, 0.975, 0.975>
  rotate <54, 90, 396>
  translate <-1.506, 1.463, 4.636>
  translate <0.452, -1.391, 0.000>
  translate <0.195, 0.000, 0.000>
  }
 object{ Connect(<4.15, -0.88, 4.05>, 0.50, <-0.86, 0.07, 4.64>, 0.49)}
  object {
  DSSegment
  scale <0.950, 0.950, 0.950>
  rotate <108, 180, 792>
  translate <-4.518, 2.850, 1.468>
  translate <-0.440, -1.355, 0.000>
  translate <0.380, 0.000, 0.000>
  }
 object{ Connect(<-0.86, 0.07, 4.64>, 0.49, <-4.58, 1.49, 1.47>, 0.48)}
  object {
  DSSegment2
  scale <0.925, 0.925, 0.925>
  rotate <162, 270, 1.19E3>
  translate <-3.742, 4.163, -2.719>
  translate <-1.123, -0.816, 0.000>
  translate <0.555, 0.000, 0.000>
  }
 object{ Connect(<-4.58, 1.49, 1.47>, 0.48, <-4.31, 3.35, -2.72>, 0.46)}
  object { SideObject
  texture {pigment {color red 1 green 1 blue 1}}
  scale 1
  scale <0.900, 0.900, 0.900>
  rotate <216, 360, 1.58E3>
  translate <0.000, 6.000, -4.500>
  translate <-1.350, 0.000, 0.000>
  translate <0.800, 0.000, 0.000>
  }
  object {
  DSSegment
  scale <0.900, 0.900, 0.900>
  rotate <216, 360, 1.58E3>
  translate <0.000, 5.400, -4.500>
  translate <-1.350, 0.000, 0.000>
  translate <0.720, 0.000, 0.000>
  }
 object{ Connect(<-4.31, 3.35, -2.72>, 0.46, <-0.63, 5.40, -4.50>, 0.45)}
  object {
  DSSegment2
  scale <0.875, 0.875, 0.875>
  rotate <270, 450, 1.98E3>
  translate <3.539, 6.563, -2.572>
  translate <-1.062, 0.771, 0.000>
  translate <0.875, 0.000, 0.000>
  }
 object{ Connect(<-0.63, 5.40, -4.50>, 0.45, <3.35, 7.33, -2.57>, 0.44)}
  object {
  DSSegment
  scale <0.850, 0.850, 0.850>
  rotate <324, 540, 2.38E3>
  translate <4.042, 7.650, 1.313>
  translate <-0.394, 1.213, 0.000>
  translate <1.020, 0.000, 0.000>
  }
 object{ Connect(<3.35, 7.33, -2.57>, 0.44, <4.67, 8.86, 1.31>, 0.43)}
  object {
  DSSegment2
  scale <0.825, 0.825, 0.825>
  rotate <378, 630, 2.77E3>
  translate <1.275, 8.663, 3.923>
  translate <0.382, 1.177, 0.000>
  translate <1.155, 0.000, 0.000>
  }
 object{ Connect(<4.67, 8.86, 1.31>, 0.43, <2.81, 9.84, 3.92>, 0.41)}
  object {
  DSSegment
  scale <0.800, 0.800, 0.800>
  rotate <432, 720, 3.17E3>
  translate <-2.351, 9.600, 3.236>
  translate <0.971, 0.705, 0.000>
  translate <1.280, 0.000, 0.000>
  }
 object{ Connect(<2.81, 9.84, 3.92>, 0.41, <-0.10, 10.31, 3.24>, 0.40)}
  object { SideObject
  texture {pigment {color red 1 green 1 blue 1}}
  scale 1
  scale <0.775, 0.775, 0.775>
  rotate <486, 810, 3.56E3>
  translate <-3.875, 13.500, 0.000>
  translate <1.163, 0.000, 0.000>
  translate <1.800, 0.000, 0.000>
  }
  object {
  DSSegment2
  scale <0.775, 0.775, 0.775>
  rotate <486, 810, 3.56E3>
  translate <-3.875, 10.463, 0.000>
  translate <1.163, 0.000, 0.000>
  translate <1.395, 0.000, 0.000>
  }
 object{ Connect(<-0.10, 10.31, 3.24>, 0.40, <-1.32, 10.46, 0.00>, 0.39)}
  object {
  DSSegment
  scale <0.750, 0.750, 0.750>
  rotate <540, 900, 3.96E3>
  translate <-2.204, 11.250, -3.034>
  translate <0.910, -0.661, 0.000>
  translate <1.500, 0.000, 0.000>
  }
 object{ Connect(<-1.32, 10.46, 0.00>, 0.39, <0.21, 10.59, -3.03>, 0.38)}
  object {
  DSSegment2
  scale <0.725, 0.725, 0.725>
  rotate <594, 990, 4.36E3>
  translate <1.120, 11.963, -3.448>
  translate <0.336, -1.034, 0.000>
  translate <1.595, 0.000, 0.000>
  }
 object{ Connect(<0.21, 10.59, -3.03>, 0.38, <3.05, 10.93, -3.45>, 0.36)}
  object {
  DSSegment
  scale <0.700, 0.700, 0.700>
  rotate <648, 1.08E3, 4.75E3>
  translate <3.329, 12.600, -1.082>
  translate <-0.324, -0.999, 0.000>
  translate <1.680, 0.000, 0.000>
  }
 object{ Connect(<3.05, 10.93, -3.45>, 0.36, <4.68, 11.60, -1.08>, 0.35)}
  object {
  DSSegment2
  scale <0.675, 0.675, 0.675>
  rotate <702, 1.17E3, 5.15E3>
  translate <2.730, 13.163, 1.984>
  translate <-0.819, -0.595, 0.000>
  translate <1.755, 0.000, 0.000>
  }
 object{ Connect(<4.68, 11.60, -1.08>, 0.35, <3.67, 12.57, 1.98>, 0.34)}
  object { SideObject
  texture {pigment {color red 1 green 1 blue 1}}
  scale 1
  scale <0.650, 0.650, 0.650>
  rotate <756, 1.26E3, 5.54E3>
  translate <0.000, 21.000, 3.250>
  translate <-0.975, 0.000, 0.000>
  translate <2.800, 0.000, 0.000>
  }
  object {
  DSSegment
  scale <0.650, 0.650, 0.650>
  rotate <756, 1.26E3, 5.54E3>
  translate <0.000, 13.650, 3.250>
  translate <-0.975, 0.000, 0.000>
  translate <1.820, 0.000, 0.000>
  }
 object{ Connect(<3.67, 12.57, 1.98>, 0.34, <0.84, 13.65, 3.25>, 0.33)}
  object {
  DSSegment2
  scale <0.625, 0.625, 0.625>
  rotate <810, 1.35E3, 5.94E3>
  translate <-2.528, 14.063, 1.837>
  translate <-0.758, 0.551, 0.000>
  translate <1.875, 0.000, 0.000>
  }
 object{ Connect(<0.84, 13.65, 3.25>, 0.33, <-1.41, 14.61, 1.84>, 0.31)}
  object {
  DSSegment
  scale <0.600, 0.600, 0.600>
  rotate <864, 1.44E3, 6.34E3>
  translate <-2.853, 14.400, -0.927>
  translate <-0.278, 0.856, 0.000>
  translate <1.920, 0.000, 0.000>
  }
 object{ Connect(<-1.41, 14.61, 1.84>, 0.31, <-1.21, 15.26, -0.93>, 0.30)}
  object {
  DSSegment2
  scale <0.575, 0.575, 0.575>
  rotate <918, 1.53E3, 6.73E3>
  translate <-0.888, 14.663, -2.734>
  translate <0.267, 0.820, 0.000>
  translate <1.955, 0.000, 0.000>
  }
 object{ Connect(<-1.21, 15.26, -0.93>, 0.30, <1.33, 15.48, -2.73>, 0.29)}
  object {
  DSSegment
  scale <0.550, 0.550, 0.550>
  rotate <972, 1.62E3, 7.13E3>
  translate <1.616, 14.850, -2.225>
  translate <0.667, 0.485, 0.000>
  translate <1.980, 0.000, 0.000>
  }
 object{ Connect(<1.33, 15.48, -2.73>, 0.29, <4.26, 15.33, -2.22>, 0.28)}
  object { SideObject
  texture {pigment {color red 1 green 1 blue 1}}
  scale 1
  scale <0.525, 0.525, 0.525>
  rotate <1026, 1.71E3, 7.52E3>
  translate <2.625, 28.500, 0.000>
  translate <0.788, 0.000, 0.000>
  translate <3.800, 0.000, 0.000>
  }
  object {
  DSSegment2
  scale <0.525, 0.525, 0.525>
  rotate <1026, 1.71E3, 7.52E3>
  translate <2.625, 14.963, 0.000>
  translate <0.788, 0.000, 0.000>
  translate <1.995, 0.000, 0.000>
  }
 object{ Connect(<4.26, 15.33, -2.22>, 0.28, <5.41, 14.96, 0.00>, 0.26)}
  scale <1, 1, 1>
  rotate <0, 0, 0>
  translate <0, -15, 0>
  }
 
 #declare Worm1 = object {
  DWorm
   }
 
object {Worm1
  texture {pigment { color rgbf <0.9882,0.9020,0.7882,0>} scale <1,1,1> rotate <0,0,0>}
  scale <1, 1, 1>
  rotate <0, 0, 0>
  translate <0, 0, 0>
 }
 
