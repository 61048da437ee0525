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
  scale <0.983, 0.983, 0.983>
  rotate <-27, 0, 19>
  translate <-0.213, 0.246, 0.301>
 }
  object {JSegment
  scale <0.967, 0.967, 0.967>
  rotate <-24, 0, 23>
  translate <-0.464, 0.488, 0.563>
 }
  object {JSegment
  scale <0.950, 0.950, 0.950>
  rotate <-20, 0, 25>
  translate <-0.746, 0.725, 0.780>
 }
  object {JSegment
  scale <0.933, 0.933, 0.933>
  rotate <-15, 0, 28>
  translate <-1.052, 0.958, 0.950>
 }
  object {JSegment
  scale <0.917, 0.917, 0.917>
  rotate <-11, 0, 29>
  translate <-1.374, 1.188, 1.070>
 }
  object {JSegment
  scale <0.900, 0.900, 0.900>
  rotate <-6, 0, 30>
  translate <-1.704, 1.413, 1.139>
 }
  object {JSegment
  scale <0.883, 0.883, 0.883>
  rotate <-2, 0, 30>
  translate <-2.035, 1.633, 1.157>
 }
  object {JSegment
  scale <0.867, 0.867, 0.867>
  rotate <3, 0, 29>
  translate <-2.359, 1.850, 1.127>
 }
  object {JSegment
  scale <0.850, 0.850, 0.850>
  rotate <7, 0, 28>
  translate <-2.668, 2.063, 1.050>
 }
  object {JSegment
  scale <0.833, 0.833, 0.833>
  rotate <11, 0, 26>
  translate <-2.957, 2.271, 0.930>
 }
  object {JSegment
  scale <0.817, 0.817, 0.817>
  rotate <14, 0, 24>
  translate <-3.219, 2.475, 0.772>
 }
  object {JSegment
  scale <0.800, 0.800, 0.800>
  rotate <17, 0, 21>
  translate <-3.449, 2.675, 0.580>
 }
  object {JSegment
  scale <0.783, 0.783, 0.783>
  rotate <20, 0, 18>
  translate <-3.645, 2.871, 0.360>
 }
  object {JSegment
  scale <0.767, 0.767, 0.767>
  rotate <22, 0, 14>
  translate <-3.801, 3.063, 0.119>
 }
  object {JSegment
  scale <0.750, 0.750, 0.750>
  rotate <23, 0, 10>
  translate <-3.918, 3.250, -0.137>
 }
  object {JSegment
  scale <0.733, 0.733, 0.733>
  rotate <24, 0, 7>
  translate <-3.993, 3.433, -0.401>
 }
  object {JSegment
  scale <0.717, 0.717, 0.717>
  rotate <24, 0, 3>
  translate <-4.027, 3.613, -0.668>
 }
  object {JSegment
  scale <0.700, 0.700, 0.700>
  rotate <24, 0, -1>
  translate <-4.021, 3.788, -0.930>
 }
  object {JSegment
  scale <0.683, 0.683, 0.683>
  rotate <23, 0, -4>
  translate <-3.977, 3.958, -1.183>
 }
  object {JSegment
  scale <0.667, 0.667, 0.667>
  rotate <21, 0, -7>
  translate <-3.898, 4.125, -1.420>
 }
  object {JSegment
  scale <0.650, 0.650, 0.650>
  rotate <20, 0, -10>
  translate <-3.787, 4.288, -1.637>
 }
  object {JSegment
  scale <0.633, 0.633, 0.633>
  rotate <17, 0, -12>
  translate <-3.648, 4.446, -1.829>
 }
  object {JSegment
  scale <0.617, 0.617, 0.617>
  rotate <15, 0, -15>
  translate <-3.487, 4.600, -1.995>
 }
  object {JSegment
  scale <0.600, 0.600, 0.600>
  rotate <12, 0, -16>
  translate <-3.307, 4.750, -2.131>
 }
  object {JSegment
  scale <0.583, 0.583, 0.583>
  rotate <9, 0, -17>
  translate <-3.115, 4.896, -2.235>
 }
  object {JSegment
  scale <0.567, 0.567, 0.567>
  rotate <7, 0, -18>
  translate <-2.915, 5.038, -2.308>
 }
  object {JSegment
  scale <0.550, 0.550, 0.550>
  rotate <4, 0, -18>
  translate <-2.713, 5.175, -2.348>
 }
  object {JSegment
  scale <0.533, 0.533, 0.533>
  rotate <1, 0, -18>
  translate <-2.513, 5.308, -2.358>
 }
  object {JSegment
  scale <0.517, 0.517, 0.517>
  rotate <-2, 0, -17>
  translate <-2.320, 5.438, -2.338>
 }
  object {JSegment
  scale <0.500, 0.500, 0.500>
  rotate <-4, 0, -16>
  translate <-2.139, 5.563, -2.291>
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
 
#declare WheelWorm =  union {
 object {
 Worm1
  scale <1.000, 1.000, 1.000>
  rotate <0, 0, 0>
  rotate <0, 0, 0>
  translate <0.000, 0.000, 0.000>
 }
 object {
 Worm1
  scale <1.000, 1.000, 1.000>
  rotate <0, 0, 45>
  rotate <0, 0, 0>
  translate <0.000, 0.000, 0.000>
 }
 object {
 Worm1
  scale <1.000, 1.000, 1.000>
  rotate <0, 0, 90>
  rotate <0, 0, 0>
  translate <0.000, 0.000, 0.000>
 }
 object {
 Worm1
  scale <1.000, 1.000, 1.000>
  rotate <0, 0, 135>
  rotate <0, 0, 0>
  translate <0.000, 0.000, 0.000>
 }
 object {
 Worm1
  scale <1.000, 1.000, 1.000>
  rotate <0, 0, 180>
  rotate <0, 0, 0>
  translate <0.000, 0.000, 0.000>
 }
 object {
 Worm1
  scale <1.000, 1.000, 1.000>
  rotate <0, 0, 225>
  rotate <0, 0, 0>
  translate <0.000, 0.000, 0.000>
 }
 object {
 Worm1
  scale <1.000, 1.000, 1.000>
  rotate <0, 0, 270>
  rotate <0, 0, 0>
  translate <0.000, 0.000, 0.000>
 }
 object {
 Worm1
  scale <1.000, 1.000, 1.000>
  rotate <0, 0, 315>
  rotate <0, 0, 0>
  translate <0.000, 0.000, 0.000>
 }
 }
 
object {WheelWorm
  texture {pigment { color rgbf <0.9882,0.9020,0.7882,0>} scale <1,1,1> rotate <0,0,0>}
  scale <1, 1, 1>
  rotate <0, 0, 0>
  translate <0, 0, 0>
 }
 
