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
 
 
#declare TDSegment = object {Bol}
 
#declare TDSegment2 = object {Spik2}
 
#declare TD0 = 
 merge {
  object { 
  TDSegment
  scale <0.958, 0.958, 0.958>
  rotate <0, 0, 30>
  rotate <0, 0, 0>
  translate <1.726, 2.688, 0.000>
  rotate <0, 0, 0>
 }
#declare NewPlace2 = vrotate(<1.73, 2.69, 0>, <0.00, 0.33, 0.00>);
  object { 
  TDSegment2
  scale <0.917, 0.917, 0.917>
  rotate <0, 0, 60>
  rotate <0, 0, 0>
  translate <0.674, 4.268, 0.000>
  rotate <0, 1, 0>
 }
 #declare NewPlace = vrotate(<0.67, 4.27, 0>, <0.00, 0.67, 0.00>);
 object {Connect(NewPlace2,0.48, NewPlace, 0.46)}
 #declare NewPlace2 = NewPlace ;
  object { 
  TDSegment
  scale <0.875, 0.875, 0.875>
  rotate <0, 0, 90>
  rotate <0, 0, 0>
  translate <-0.811, 4.986, 0.000>
  rotate <0, 1, 0>
 }
 #declare NewPlace = vrotate(<-0.81, 4.99, 0>, <0.00, 1.00, 0.00>);
 object {Connect(NewPlace2,0.46, NewPlace, 0.44)}
 #declare NewPlace2 = NewPlace ;
  object { 
  TDSegment2
  scale <0.833, 0.833, 0.833>
  rotate <0, 0, 120>
  rotate <0, 0, 0>
  translate <-2.312, 5.052, 0.000>
  rotate <0, 1, 0>
 }
 #declare NewPlace = vrotate(<-2.31, 5.05, 0>, <0.00, 1.33, 0.00>);
 object {Connect(NewPlace2,0.44, NewPlace, 0.42)}
 #declare NewPlace2 = NewPlace ;
  object { 
  TDSegment
  scale <0.792, 0.792, 0.792>
  rotate <0, 0, 150>
  rotate <0, 0, 0>
  translate <-3.642, 4.642, 0.000>
  rotate <0, 2, 0>
 }
 #declare NewPlace = vrotate(<-3.64, 4.64, 0>, <0.00, 1.67, 0.00>);
 object {Connect(NewPlace2,0.42, NewPlace, 0.40)}
 #declare NewPlace2 = NewPlace ;
  object { 
  TDSegment2
  scale <0.750, 0.750, 0.750>
  rotate <0, 0, 180>
  rotate <0, 0, 0>
  translate <-4.715, 3.908, 0.000>
  rotate <0, 2, 0>
 }
 #declare NewPlace = vrotate(<-4.71, 3.91, 0>, <0.00, 2.00, 0.00>);
 object {Connect(NewPlace2,0.40, NewPlace, 0.37)}
 #declare NewPlace2 = NewPlace ;
  object { 
  TDSegment
  scale <0.708, 0.708, 0.708>
  rotate <0, 0, 210>
  rotate <0, 0, 0>
  translate <-5.495, 2.972, 0.000>
  rotate <0, 2, 0>
 }
 #declare NewPlace = vrotate(<-5.49, 2.97, 0>, <0.00, 2.33, 0.00>);
 object {Connect(NewPlace2,0.37, NewPlace, 0.35)}
 #declare NewPlace2 = NewPlace ;
  object { 
  TDSegment2
  scale <0.667, 0.667, 0.667>
  rotate <0, 0, 240>
  rotate <0, 0, 0>
  translate <-5.980, 1.936, 0.000>
  rotate <0, 3, 0>
 }
 #declare NewPlace = vrotate(<-5.98, 1.94, 0>, <0.00, 2.67, 0.00>);
 object {Connect(NewPlace2,0.35, NewPlace, 0.33)}
 #declare NewPlace2 = NewPlace ;
  object { 
  TDSegment
  scale <0.625, 0.625, 0.625>
  rotate <0, 0, 270>
  rotate <0, 0, 0>
  translate <-6.187, 0.882, 0.000>
  rotate <0, 3, 0>
 }
 #declare NewPlace = vrotate(<-6.19, 0.88, 0>, <0.00, 3.00, 0.00>);
 object {Connect(NewPlace2,0.33, NewPlace, 0.31)}
 #declare NewPlace2 = NewPlace ;
  object { 
  TDSegment2
  scale <0.583, 0.583, 0.583>
  rotate <0, 0, 300>
  rotate <0, 0, 0>
  translate <-6.148, -0.127, 0.000>
  rotate <0, 3, 0>
 }
 #declare NewPlace = vrotate(<-6.15, -0.13, 0>, <0.00, 3.33, 0.00>);
 object {Connect(NewPlace2,0.31, NewPlace, 0.29)}
 #declare NewPlace2 = NewPlace ;
  object { 
  TDSegment
  scale <0.542, 0.542, 0.542>
  rotate <0, 0, 330>
  rotate <0, 0, 0>
  translate <-5.897, -1.043, 0.000>
  rotate <0, 4, 0>
 }
 #declare NewPlace = vrotate(<-5.90, -1.04, 0>, <0.00, 3.67, 0.00>);
 object {Connect(NewPlace2,0.29, NewPlace, 0.27)}
 #declare NewPlace2 = NewPlace ;
  object { 
  TDSegment2
  scale <0.500, 0.500, 0.500>
  rotate <0, 0, 360>
  rotate <0, 0, 0>
  translate <-5.476, -1.830, 0.000>
  rotate <0, 4, 0>
 }
 #declare NewPlace = vrotate(<-5.48, -1.83, 0>, <0.00, 4.00, 0.00>);
 object {Connect(NewPlace2,0.27, NewPlace, 0.25)}
 #declare NewPlace2 = NewPlace ;
 }
#declare Rec1 = 
 merge {
  object { 
 TD0
  texture {pigment {color red 1 green 1 blue 1}}
  scale <0.700, 0.700, 0.700>
  rotate <0, 0, 0>
  rotate <0, 0, 0>
  }
  object { 
 TD0
  texture {pigment {color red 1 green 1 blue 1}}
  scale <0.700, 0.700, 0.700>
  rotate <0, 0, 0>
  rotate <0, 120, 0>
  }
  object { 
 TD0
  texture {pigment {color red 1 green 1 blue 1}}
  scale <0.700, 0.700, 0.700>
  rotate <0, 0, 0>
  rotate <0, 240, 0>
  }
}
#declare TD1 = 
 merge {
  object { 
  TDSegment
  scale <0.958, 0.958, 0.958>
  rotate <0, 0, 30>
  rotate <0, 0, 0>
  translate <1.726, 2.688, 0.000>
  rotate <0, 0, 0>
 }
#declare NewPlace2 = vrotate(<1.73, 2.69, 0>, <0.00, 0.33, 0.00>);
  object { 
  TDSegment2
  scale <0.917, 0.917, 0.917>
  rotate <0, 0, 60>
  rotate <0, 0, 0>
  translate <0.674, 4.268, 0.000>
  rotate <0, 1, 0>
 }
 #declare NewPlace = vrotate(<0.67, 4.27, 0>, <0.00, 0.67, 0.00>);
 object {Connect(NewPlace2,0.48, NewPlace, 0.46)}
 #declare NewPlace2 = NewPlace ;
  object { 
  TDSegment
  scale <0.875, 0.875, 0.875>
  rotate <0, 0, 90>
  rotate <0, 0, 0>
  translate <-0.811, 4.986, 0.000>
  rotate <0, 1, 0>
 }
 #declare NewPlace = vrotate(<-0.81, 4.99, 0>, <0.00, 1.00, 0.00>);
 object {Connect(NewPlace2,0.46, NewPlace, 0.44)}
 #declare NewPlace2 = NewPlace ;
  object { Rec1
  scale <0.875, 0.875, 0.875>
  rotate <0, 0, 90>
  rotate <0, 0, 0>
  translate <-0.811, 4.986, 0.000>
  rotate <0, 1, 0>
 }
  object { 
  TDSegment2
  scale <0.833, 0.833, 0.833>
  rotate <0, 0, 120>
  rotate <0, 0, 0>
  translate <-2.312, 5.052, 0.000>
  rotate <0, 1, 0>
 }
 #declare NewPlace = vrotate(<-2.31, 5.05, 0>, <0.00, 1.33, 0.00>);
 object {Connect(NewPlace2,0.44, NewPlace, 0.42)}
 #declare NewPlace2 = NewPlace ;
  object { 
  TDSegment
  scale <0.792, 0.792, 0.792>
  rotate <0, 0, 150>
  rotate <0, 0, 0>
  translate <-3.642, 4.642, 0.000>
  rotate <0, 2, 0>
 }
 #declare NewPlace = vrotate(<-3.64, 4.64, 0>, <0.00, 1.67, 0.00>);
 object {Connect(NewPlace2,0.42, NewPlace, 0.40)}
 #declare NewPlace2 = NewPlace ;
  object { 
  TDSegment2
  scale <0.750, 0.750, 0.750>
  rotate <0, 0, 180>
  rotate <0, 0, 0>
  translate <-4.715, 3.908, 0.000>
  rotate <0, 2, 0>
 }
 #declare NewPlace = vrotate(<-4.71, 3.91, 0>, <0.00, 2.00, 0.00>);
 object {Connect(NewPlace2,0.40, NewPlace, 0.37)}
 #declare NewPlace2 = NewPlace ;
  object { 
  TDSegment
  scale <0.708, 0.708, 0.708>
  rotate <0, 0, 210>
  rotate <0, 0, 0>
  translate <-5.495, 2.972, 0.000>
  rotate <0, 2, 0>
 }
 #declare NewPlace = vrotate(<-5.49, 2.97, 0>, <0.00, 2.33, 0.00>);
 object {Connect(NewPlace2,0.37, NewPlace, 0.35)}
 #declare NewPlace2 = NewPlace ;
  object { Rec1
  scale <0.708, 0.708, 0.708>
  rotate <0, 0, 210>
  rotate <0, 0, 0>
  translate <-5.495, 2.972, 0.000>
  rotate <0, 2, 0>
 }
  object { 
  TDSegment2
  scale <0.667, 0.667, 0.667>
  rotate <0, 0, 240>
  rotate <0, 0, 0>
  translate <-5.980, 1.936, 0.000>
  rotate <0, 3, 0>
 }
 #declare NewPlace = vrotate(<-5.98, 1.94, 0>, <0.00, 2.67, 0.00>);
 object {Connect(NewPlace2,0.35, NewPlace, 0.33)}
 #declare NewPlace2 = NewPlace ;
  object { 
  TDSegment
  scale <0.625, 0.625, 0.625>
  rotate <0, 0, 270>
  rotate <0, 0, 0>
  translate <-6.187, 0.882, 0.000>
  rotate <0, 3, 0>
 }
 #declare NewPlace = vrotate(<-6.19, 0.88, 0>, <0.00, 3.00, 0.00>);
 object {Connect(NewPlace2,0.33, NewPlace, 0.31)}
 #declare NewPlace2 = NewPlace ;
  object { 
  TDSegment2
  scale <0.583, 0.583, 0.583>
  rotate <0, 0, 300>
  rotate <0, 0, 0>
  translate <-6.148, -0.127, 0.000>
  rotate <0, 3, 0>
 }
 #declare NewPlace = vrotate(<-6.15, -0.13, 0>, <0.00, 3.33, 0.00>);
 object {Connect(NewPlace2,0.31, NewPlace, 0.29)}
 #declare NewPlace2 = NewPlace ;
  object { 
  TDSegment
  scale <0.542, 0.542, 0.542>
  rotate <0, 0, 330>
  rotate <0, 0, 0>
  translate <-5.897, -1.043, 0.000>
  rotate <0, 4, 0>
 }
 #declare NewPlace = vrotate(<-5.90, -1.04, 0>, <0.00, 3.67, 0.00>);
 object {Connect(NewPlace2,0.29, NewPlace, 0.27)}
 #declare NewPlace2 = NewPlace ;
  object { Rec1
  scale <0.542, 0.542, 0.542>
  rotate <0, 0, 330>
  rotate <0, 0, 0>
  translate <-5.897, -1.043, 0.000>
  rotate <0, 4, 0>
 }
  object { 
  TDSegment2
  scale <0.500, 0.500, 0.500>
  rotate <0, 0, 360>
  rotate <0, 0, 0>
  translate <-5.476, -1.830, 0.000>
  rotate <0, 4, 0>
 }
 #declare NewPlace = vrotate(<-5.48, -1.83, 0>, <0.00, 4.00, 0.00>);
 object {Connect(NewPlace2,0.27, NewPlace, 0.25)}
 #declare NewPlace2 = NewPlace ;
 }
#declare Rec2 = 
 merge {
  object { 
 TD1
  texture {pigment {color red 1 green 1 blue 1}}
  scale <0.700, 0.700, 0.700>
  rotate <0, 0, 0>
  rotate <0, 0, 0>
  }
  object { 
 TD1
  texture {pigment {color red 1 green 1 blue 1}}
  scale <0.700, 0.700, 0.700>
  rotate <0, 0, 0>
  rotate <0, 120, 0>
  }
  object { 
 TD1
  texture {pigment {color red 1 green 1 blue 1}}
  scale <0.700, 0.700, 0.700>
  rotate <0, 0, 0>
  rotate <0, 240, 0>
  }
}
#declare TD2 = 
 merge {
  object { 
  TDSegment
  scale <0.958, 0.958, 0.958>
  rotate <0, 0, 30>
  rotate <0, 0, 0>
  translate <1.726, 2.688, 0.000>
  rotate <0, 0, 0>
 }
#declare NewPlace2 = vrotate(<1.73, 2.69, 0>, <0.00, 0.33, 0.00>);
  object { 
  TDSegment2
  scale <0.917, 0.917, 0.917>
  rotate <0, 0, 60>
  rotate <0, 0, 0>
  translate <0.674, 4.268, 0.000>
  rotate <0, 1, 0>
 }
 #declare NewPlace = vrotate(<0.67, 4.27, 0>, <0.00, 0.67, 0.00>);
 object {Connect(NewPlace2,0.48, NewPlace, 0.46)}
 #declare NewPlace2 = NewPlace ;
  object { 
  TDSegment
  scale <0.875, 0.875, 0.875>
  rotate <0, 0, 90>
  rotate <0, 0, 0>
  translate <-0.811, 4.986, 0.000>
  rotate <0, 1, 0>
 }
 #declare NewPlace = vrotate(<-0.81, 4.99, 0>, <0.00, 1.00, 0.00>);
 object {Connect(NewPlace2,0.46, NewPlace, 0.44)}
 #declare NewPlace2 = NewPlace ;
  object { Rec2
  scale <0.875, 0.875, 0.875>
  rotate <0, 0, 90>
  rotate <0, 0, 0>
  translate <-0.811, 4.986, 0.000>
  rotate <0, 1, 0>
 }
  object { 
  TDSegment2
  scale <0.833, 0.833, 0.833>
  rotate <0, 0, 120>
  rotate <0, 0, 0>
  translate <-2.312, 5.052, 0.000>
  rotate <0, 1, 0>
 }
 #declare NewPlace = vrotate(<-2.31, 5.05, 0>, <0.00, 1.33, 0.00>);
 object {Connect(NewPlace2,0.44, NewPlace, 0.42)}
 #declare NewPlace2 = NewPlace ;
  object { 
  TDSegment
  scale <0.792, 0.792, 0.792>
  rotate <0, 0, 150>
  rotate <0, 0, 0>
  translate <-3.642, 4.642, 0.000>
  rotate <0, 2, 0>
 }
 #declare NewPlace = vrotate(<-3.64, 4.64, 0>, <0.00, 1.67, 0.00>);
 object {Connect(NewPlace2,0.42, NewPlace, 0.40)}
 #declare NewPlace2 = NewPlace ;
  object { 
  TDSegment2
  scale <0.750, 0.750, 0.750>
  rotate <0, 0, 180>
  rotate <0, 0, 0>
  translate <-4.715, 3.908, 0.000>
  rotate <0, 2, 0>
 }
 #declare NewPlace = vrotate(<-4.71, 3.91, 0>, <0.00, 2.00, 0.00>);
 object {Connect(NewPlace2,0.40, NewPlace, 0.37)}
 #declare NewPlace2 = NewPlace ;
  object { 
  TDSegment
  scale <0.708, 0.708, 0.708>
  rotate <0, 0, 210>
  rotate <0, 0, 0>
  translate <-5.495, 2.972, 0.000>
  rotate <0, 2, 0>
 }
 #declare NewPlace = vrotate(<-5.49, 2.97, 0>, <0.00, 2.33, 0.00>);
 object {Connect(NewPlace2,0.37, NewPlace, 0.35)}
 #declare NewPlace2 = NewPlace ;
  object { Rec2
  scale <0.708, 0.708, 0.708>
  rotate <0, 0, 210>
  rotate <0, 0, 0>
  translate <-5.495, 2.972, 0.000>
  rotate <0, 2, 0>
 }
  object { 
  TDSegment2
  scale <0.667, 0.667, 0.667>
  rotate <0, 0, 240>
  rotate <0, 0, 0>
  translate <-5.980, 1.936, 0.000>
  rotate <0, 3, 0>
 }
 #declare NewPlace = vrotate(<-5.98, 1.94, 0>, <0.00, 2.67, 0.00>);
 object {Connect(NewPlace2,0.35, NewPlace, 0.33)}
 #declare NewPlace2 = NewPlace ;
  object { 
  TDSegment
  scale <0.625, 0.625, 0.625>
  rotate <0, 0, 270>
  rotate <0, 0, 0>
  translate <-6.187, 0.882, 0.000>
  rotate <0, 3, 0>
 }
 #declare NewPlace = vrotate(<-6.19, 0.88, 0>, <0.00, 3.00, 0.00>);
 object {Connect(NewPlace2,0.33, NewPlace, 0.31)}
 #declare NewPlace2 = NewPlace ;
  object { 
  TDSegment2
  scale <0.583, 0.583, 0.583>
  rotate <0, 0, 300>
  rotate <0, 0, 0>
  translate <-6.148, -0.127, 0.000>
  rotate <0, 3, 0>
 }
 #declare NewPlace = vrotate(<-6.15, -0.13, 0>, <0.00, 3.33, 0.00>);
 object {Connect(NewPlace2,0.31, NewPlace, 0.29)}
 #declare NewPlace2 = NewPlace ;
  object { 
  TDSegment
  scale <0.542, 0.542, 0.542>
  rotate <0, 0, 330>
  rotate <0, 0, 0>
  translate <-5.897, -1.043, 0.000>
  rotate <0, 4, 0>
 }
 #declare NewPlace = vrotate(<-5.90, -1.04, 0>, <0.00, 3.67, 0.00>);
 object {Connect(NewPlace2,0.29, NewPlace, 0.27)}
 #declare NewPlace2 = NewPlace ;
  object { Rec2
  scale <0.542, 0.542, 0.542>
  rotate <0, 0, 330>
  rotate <0, 0, 0>
  translate <-5.897, -1.043, 0.000>
  rotate <0, 4, 0>
 }
  object { 
  TDSegment2
  scale <0.500, 0.500, 0.500>
  rotate <0, 0, 360>
  rotate <0, 0, 0>
  translate <-5.476, -1.830, 0.000>
  rotate <0, 4, 0>
 }
 #declare NewPlace = vrotate(<-5.48, -1.83, 0>, <0.00, 4.00, 0.00>);
 object {Connect(NewPlace2,0.27, NewPlace, 0.25)}
 #declare NewPlace2 = NewPlace ;
 }
 
#declare TwoD =
 object {TD2
  scale <1, 1, 1>
  rotate <0, 0, 0>
  translate <0, 0, 0>
}
 
 #declare Worm1 = object {
  TwoD
   }
 
object {Worm1
  texture {pigment { color rgbf <0.9882,0.9020,0.7882,0>} scale <1,1,1> rotate <0,0,0>}
  scale <1, 1, 1>
  rotate <0, 0, 0>
  translate <0, 0, 0>
 }
 
