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
 
 
#declare JSegment = object {Bol}
 
#declare JSegment2 = object {Spik2}
 
#declare W0 = 
 union {
  object { 
  JSegment
  scale <0.983, 0.983, 0.983>
  rotate <-27, 0, 19>
  translate <-0.213, 0.246, 0.301>
 }
  object { 
  JSegment2
  scale <0.967, 0.967, 0.967>
  rotate <-24, 0, 23>
  translate <-0.464, 0.488, 0.563>
 }
 object{ Connect(<-0.21, 0.25, 0.30>, 0.49, <-0.46, 0.49, 0.56>, 0.48)}
  object { 
  JSegment
  scale <0.950, 0.950, 0.950>
  rotate <-20, 0, 25>
  translate <-0.746, 0.725, 0.780>
 }
 object{ Connect(<-0.46, 0.49, 0.56>, 0.48, <-0.75, 0.73, 0.78>, 0.48)}
  object { 
  JSegment2
  scale <0.933, 0.933, 0.933>
  rotate <-15, 0, 28>
  translate <-1.052, 0.958, 0.950>
 }
 object{ Connect(<-0.75, 0.73, 0.78>, 0.48, <-1.05, 0.96, 0.95>, 0.47)}
  object { 
  JSegment
  scale <0.917, 0.917, 0.917>
  rotate <-11, 0, 29>
  translate <-1.374, 1.188, 1.070>
 }
 object{ Connect(<-1.05, 0.96, 0.95>, 0.47, <-1.37, 1.19, 1.07>, 0.46)}
  object { 
  JSegment2
  scale <0.900, 0.900, 0.900>
  rotate <-6, 0, 30>
  translate <-1.704, 1.413, 1.139>
 }
 object{ Connect(<-1.37, 1.19, 1.07>, 0.46, <-1.70, 1.41, 1.14>, 0.45)}
  object { 
  JSegment
  scale <0.883, 0.883, 0.883>
  rotate <-2, 0, 30>
  translate <-2.035, 1.633, 1.157>
 }
 object{ Connect(<-1.70, 1.41, 1.14>, 0.45, <-2.04, 1.63, 1.16>, 0.44)}
  object { 
  JSegment2
  scale <0.867, 0.867, 0.867>
  rotate <3, 0, 29>
  translate <-2.359, 1.850, 1.127>
 }
 object{ Connect(<-2.04, 1.63, 1.16>, 0.44, <-2.36, 1.85, 1.13>, 0.43)}
  object { 
  JSegment
  scale <0.850, 0.850, 0.850>
  rotate <7, 0, 28>
  translate <-2.668, 2.063, 1.050>
 }
 object{ Connect(<-2.36, 1.85, 1.13>, 0.43, <-2.67, 2.06, 1.05>, 0.43)}
  object { 
  JSegment2
  scale <0.833, 0.833, 0.833>
  rotate <11, 0, 26>
  translate <-2.957, 2.271, 0.930>
 }
 object{ Connect(<-2.67, 2.06, 1.05>, 0.43, <-2.96, 2.27, 0.93>, 0.42)}
  object { 
  JSegment
  scale <0.817, 0.817, 0.817>
  rotate <14, 0, 24>
  translate <-3.219, 2.475, 0.772>
 }
 object{ Connect(<-2.96, 2.27, 0.93>, 0.42, <-3.22, 2.48, 0.77>, 0.41)}
  object { 
  JSegment2
  scale <0.800, 0.800, 0.800>
  rotate <17, 0, 21>
  translate <-3.449, 2.675, 0.580>
 }
 object{ Connect(<-3.22, 2.48, 0.77>, 0.41, <-3.45, 2.68, 0.58>, 0.40)}
  object { 
  JSegment
  scale <0.783, 0.783, 0.783>
  rotate <20, 0, 18>
  translate <-3.645, 2.871, 0.360>
 }
 object{ Connect(<-3.45, 2.68, 0.58>, 0.40, <-3.64, 2.87, 0.36>, 0.39)}
  object { 
  JSegment2
  scale <0.767, 0.767, 0.767>
  rotate <22, 0, 14>
  translate <-3.801, 3.063, 0.119>
 }
 object{ Connect(<-3.64, 2.87, 0.36>, 0.39, <-3.80, 3.06, 0.12>, 0.38)}
  object { 
  JSegment
  scale <0.750, 0.750, 0.750>
  rotate <23, 0, 10>
  translate <-3.918, 3.250, -0.137>
 }
 object{ Connect(<-3.80, 3.06, 0.12>, 0.38, <-3.92, 3.25, -0.14>, 0.38)}
  object { 
  JSegment2
  scale <0.733, 0.733, 0.733>
  rotate <24, 0, 7>
  translate <-3.993, 3.433, -0.401>
 }
 object{ Connect(<-3.92, 3.25, -0.14>, 0.38, <-3.99, 3.43, -0.40>, 0.37)}
  object { 
  JSegment
  scale <0.717, 0.717, 0.717>
  rotate <24, 0, 3>
  translate <-4.027, 3.613, -0.668>
 }
 object{ Connect(<-3.99, 3.43, -0.40>, 0.37, <-4.03, 3.61, -0.67>, 0.36)}
  object { 
  JSegment2
  scale <0.700, 0.700, 0.700>
  rotate <24, 0, -1>
  translate <-4.021, 3.788, -0.930>
 }
 object{ Connect(<-4.03, 3.61, -0.67>, 0.36, <-4.02, 3.79, -0.93>, 0.35)}
  object { 
  JSegment
  scale <0.683, 0.683, 0.683>
  rotate <23, 0, -4>
  translate <-3.977, 3.958, -1.183>
 }
 object{ Connect(<-4.02, 3.79, -0.93>, 0.35, <-3.98, 3.96, -1.18>, 0.34)}
  object { 
  JSegment2
  scale <0.667, 0.667, 0.667>
  rotate <21, 0, -7>
  translate <-3.898, 4.125, -1.420>
 }
 object{ Connect(<-3.98, 3.96, -1.18>, 0.34, <-3.90, 4.13, -1.42>, 0.33)}
  object { 
  JSegment
  scale <0.650, 0.650, 0.650>
  rotate <20, 0, 8>
  translate <-3.987, 4.288, -1.637>
 }
 object{ Connect(<-3.90, 4.13, -1.42>, 0.33, <-3.99, 4.29, -1.64>, 0.33)}
  object { 
  JSegment
  scale <0.650, 0.650, 0.650>
  rotate <20, 0, 8>
  translate <-3.587, 4.288, -1.637>
 }
 object{ Connect(<-3.90, 4.13, -1.42>, 0.33, <-3.59, 4.29, -1.64>, 0.33)}
  object { 
  JSegment2
  scale <0.633, 0.633, 0.633>
  rotate <17, 0, 6>
  translate <-4.058, 4.446, -1.829>
 }
 object{ Connect(<-3.99, 4.29, -1.64>, 0.33, <-4.06, 4.45, -1.83>, 0.32)}
  object { 
  JSegment2
  scale <0.633, 0.633, 0.633>
  rotate <17, 0, 6>
  translate <-3.238, 4.446, -1.829>
 }
 object{ Connect(<-3.59, 4.29, -1.64>, 0.33, <-3.24, 4.45, -1.83>, 0.32)}
  object { 
  JSegment
  scale <0.617, 0.617, 0.617>
  rotate <15, 0, 5>
  translate <-4.117, 4.600, -1.995>
 }
 object{ Connect(<-4.06, 4.45, -1.83>, 0.32, <-4.12, 4.60, -1.99>, 0.31)}
  object { 
  JSegment
  scale <0.617, 0.617, 0.617>
  rotate <15, 0, 5>
  translate <-2.857, 4.600, -1.995>
 }
 object{ Connect(<-3.24, 4.45, -1.83>, 0.32, <-2.86, 4.60, -1.99>, 0.31)}
  object { 
  JSegment2
  scale <0.600, 0.600, 0.600>
  rotate <12, 0, 5>
  translate <-4.167, 4.750, -2.131>
 }
 object{ Connect(<-4.12, 4.60, -1.99>, 0.31, <-4.17, 4.75, -2.13>, 0.30)}
  object { 
  JSegment2
  scale <0.600, 0.600, 0.600>
  rotate <12, 0, 5>
  translate <-2.447, 4.750, -2.131>
 }
 object{ Connect(<-2.86, 4.60, -1.99>, 0.31, <-2.45, 4.75, -2.13>, 0.30)}
  object { 
  JSegment
  scale <0.583, 0.583, 0.583>
  rotate <9, 0, 4>
  translate <-4.215, 4.896, -2.235>
 }
 object{ Connect(<-4.17, 4.75, -2.13>, 0.30, <-4.21, 4.90, -2.24>, 0.29)}
  object { 
  JSegment
  scale <0.583, 0.583, 0.583>
  rotate <9, 0, 4>
  translate <-2.015, 4.896, -2.235>
 }
 object{ Connect(<-2.45, 4.75, -2.13>, 0.30, <-2.01, 4.90, -2.24>, 0.29)}
  object { 
  JSegment2
  scale <0.567, 0.567, 0.567>
  rotate <7, 0, 5>
  translate <-4.265, 5.038, -2.308>
 }
 object{ Connect(<-4.21, 4.90, -2.24>, 0.29, <-4.27, 5.04, -2.31>, 0.28)}
  object { 
  JSegment2
  scale <0.567, 0.567, 0.567>
  rotate <7, 0, 5>
  translate <-1.565, 5.038, -2.308>
 }
 object{ Connect(<-2.01, 4.90, -2.24>, 0.29, <-1.57, 5.04, -2.31>, 0.28)}
  object { 
  JSegment
  scale <0.550, 0.550, 0.550>
  rotate <4, 0, 5>
  translate <-4.323, 5.175, -2.348>
 }
 object{ Connect(<-4.27, 5.04, -2.31>, 0.28, <-4.32, 5.18, -2.35>, 0.28)}
  object { 
  JSegment
  scale <0.550, 0.550, 0.550>
  rotate <4, 0, 5>
  translate <-1.103, 5.175, -2.348>
 }
 object{ Connect(<-1.57, 5.04, -2.31>, 0.28, <-1.10, 5.18, -2.35>, 0.28)}
  object { 
  JSegment2
  scale <0.533, 0.533, 0.533>
  rotate <1, 0, 6>
  translate <-4.393, 5.308, -2.358>
 }
 object{ Connect(<-4.32, 5.18, -2.35>, 0.28, <-4.39, 5.31, -2.36>, 0.27)}
  object { 
  JSegment2
  scale <0.533, 0.533, 0.533>
  rotate <1, 0, 6>
  translate <-0.633, 5.308, -2.358>
 }
 object{ Connect(<-1.10, 5.18, -2.35>, 0.28, <-0.63, 5.31, -2.36>, 0.27)}
  object { 
  JSegment
  scale <0.517, 0.517, 0.517>
  rotate <-2, 0, 8>
  translate <-4.480, 5.438, -2.338>
 }
 object{ Connect(<-4.39, 5.31, -2.36>, 0.27, <-4.48, 5.44, -2.34>, 0.26)}
  object { 
  JSegment
  scale <0.517, 0.517, 0.517>
  rotate <-2, 0, 8>
  translate <-0.160, 5.438, -2.338>
 }
 object{ Connect(<-0.63, 5.31, -2.36>, 0.27, <-0.16, 5.44, -2.34>, 0.26)}
  object { 
  JSegment2
  scale <0.500, 0.500, 0.500>
  rotate <-4, 0, 10>
  translate <-4.589, 5.563, -2.291>
 }
 object{ Connect(<-4.48, 5.44, -2.34>, 0.26, <-4.59, 5.56, -2.29>, 0.25)}
  object { 
  JSegment2
  scale <0.500, 0.500, 0.500>
  rotate <-4, 0, 10>
  translate <0.311, 5.563, -2.291>
 }
 object{ Connect(<-0.16, 5.44, -2.34>, 0.26, <0.31, 5.56, -2.29>, 0.25)}
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
 
