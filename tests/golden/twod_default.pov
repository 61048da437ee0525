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
 
#declare TDSegment = object {Bol}
 
#declare TD0 = 
 union {
  object {TDSegment
  scale <0.990, 0.990, 0.990>
  rotate <0, 0, 90>
  rotate <0, 0, 0>
  translate <0.428, 0.666, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.980, 0.980, 0.980>
  rotate <0, 0, 127>
  rotate <0, 0, 0>
  translate <0.173, 1.095, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.970, 0.970, 0.970>
  rotate <0, 0, 156>
  rotate <0, 0, 0>
  translate <-0.216, 1.327, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.960, 0.960, 0.960>
  rotate <0, 0, 180>
  rotate <0, 0, 0>
  translate <-0.639, 1.397, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.950, 0.950, 0.950>
  rotate <0, 0, 201>
  rotate <0, 0, 0>
  translate <-1.049, 1.337, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.940, 0.940, 0.940>
  rotate <0, 0, 220>
  rotate <0, 0, 0>
  translate <-1.418, 1.175, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.930, 0.930, 0.930>
  rotate <0, 0, 238>
  rotate <0, 0, 0>
  translate <-1.731, 0.937, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.920, 0.920, 0.920>
  rotate <0, 0, 255>
  rotate <0, 0, 0>
  translate <-1.980, 0.641, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.910, 0.910, 0.910>
  rotate <0, 0, 270>
  rotate <0, 0, 0>
  translate <-2.162, 0.308, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.900, 0.900, 0.900>
  rotate <0, 0, 285>
  rotate <0, 0, 0>
  translate <-2.276, -0.047, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.890, 0.890, 0.890>
  rotate <0, 0, 298>
  rotate <0, 0, 0>
  translate <-2.325, -0.411, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.880, 0.880, 0.880>
  rotate <0, 0, 312>
  rotate <0, 0, 0>
  translate <-2.313, -0.773, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.870, 0.870, 0.870>
  rotate <0, 0, 324>
  rotate <0, 0, 0>
  translate <-2.244, -1.123, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.860, 0.860, 0.860>
  rotate <0, 0, 337>
  rotate <0, 0, 0>
  translate <-2.125, -1.454, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.850, 0.850, 0.850>
  rotate <0, 0, 349>
  rotate <0, 0, 0>
  translate <-1.960, -1.759, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.840, 0.840, 0.840>
  rotate <0, 0, 360>
  rotate <0, 0, 0>
  translate <-1.757, -2.034, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.830, 0.830, 0.830>
  rotate <0, 0, 371>
  rotate <0, 0, 0>
  translate <-1.522, -2.276, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.820, 0.820, 0.820>
  rotate <0, 0, 382>
  rotate <0, 0, 0>
  translate <-1.260, -2.482, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.810, 0.810, 0.810>
  rotate <0, 0, 392>
  rotate <0, 0, 0>
  translate <-0.978, -2.650, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.800, 0.800, 0.800>
  rotate <0, 0, 402>
  rotate <0, 0, 0>
  translate <-0.681, -2.780, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.790, 0.790, 0.790>
  rotate <0, 0, 412>
  rotate <0, 0, 0>
  translate <-0.375, -2.872, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.780, 0.780, 0.780>
  rotate <0, 0, 422>
  rotate <0, 0, 0>
  translate <-0.064, -2.926, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.770, 0.770, 0.770>
  rotate <0, 0, 432>
  rotate <0, 0, 0>
  translate <0.246, -2.944, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.760, 0.760, 0.760>
  rotate <0, 0, 441>
  rotate <0, 0, 0>
  translate <0.553, -2.927, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.750, 0.750, 0.750>
  rotate <0, 0, 450>
  rotate <0, 0, 0>
  translate <0.851, -2.877, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.740, 0.740, 0.740>
  rotate <0, 0, 459>
  rotate <0, 0, 0>
  translate <1.138, -2.796, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.730, 0.730, 0.730>
  rotate <0, 0, 468>
  rotate <0, 0, 0>
  translate <1.411, -2.686, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.720, 0.720, 0.720>
  rotate <0, 0, 476>
  rotate <0, 0, 0>
  translate <1.668, -2.551, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.710, 0.710, 0.710>
  rotate <0, 0, 485>
  rotate <0, 0, 0>
  translate <1.906, -2.392, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.700, 0.700, 0.700>
  rotate <0, 0, 493>
  rotate <0, 0, 0>
  translate <2.124, -2.213, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.690, 0.690, 0.690>
  rotate <0, 0, 501>
  rotate <0, 0, 0>
  translate <2.320, -2.016, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.680, 0.680, 0.680>
  rotate <0, 0, 509>
  rotate <0, 0, 0>
  translate <2.493, -1.804, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.670, 0.670, 0.670>
  rotate <0, 0, 517>
  rotate <0, 0, 0>
  translate <2.643, -1.579, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.660, 0.660, 0.660>
  rotate <0, 0, 525>
  rotate <0, 0, 0>
  translate <2.769, -1.345, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.650, 0.650, 0.650>
  rotate <0, 0, 532>
  rotate <0, 0, 0>
  translate <2.871, -1.104, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.640, 0.640, 0.640>
  rotate <0, 0, 540>
  rotate <0, 0, 0>
  translate <2.950, -0.858, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.630, 0.630, 0.630>
  rotate <0, 0, 547>
  rotate <0, 0, 0>
  translate <3.004, -0.610, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.620, 0.620, 0.620>
  rotate <0, 0, 555>
  rotate <0, 0, 0>
  translate <3.036, -0.362, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.610, 0.610, 0.610>
  rotate <0, 0, 562>
  rotate <0, 0, 0>
  translate <3.045, -0.116, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.600, 0.600, 0.600>
  rotate <0, 0, 569>
  rotate <0, 0, 0>
  translate <3.033, 0.126, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.590, 0.590, 0.590>
  rotate <0, 0, 576>
  rotate <0, 0, 0>
  translate <3.001, 0.362, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.580, 0.580, 0.580>
  rotate <0, 0, 583>
  rotate <0, 0, 0>
  translate <2.949, 0.590, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.570, 0.570, 0.570>
  rotate <0, 0, 590>
  rotate <0, 0, 0>
  translate <2.878, 0.810, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.560, 0.560, 0.560>
  rotate <0, 0, 597>
  rotate <0, 0, 0>
  translate <2.791, 1.019, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.550, 0.550, 0.550>
  rotate <0, 0, 604>
  rotate <0, 0, 0>
  translate <2.689, 1.217, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.540, 0.540, 0.540>
  rotate <0, 0, 610>
  rotate <0, 0, 0>
  translate <2.572, 1.403, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.530, 0.530, 0.530>
  rotate <0, 0, 617>
  rotate <0, 0, 0>
  translate <2.443, 1.575, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.520, 0.520, 0.520>
  rotate <0, 0, 624>
  rotate <0, 0, 0>
  translate <2.303, 1.733, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.510, 0.510, 0.510>
  rotate <0, 0, 630>
  rotate <0, 0, 0>
  translate <2.153, 1.876, 0.000>
  rotate <0, 0, 0>
 }
  object {TDSegment
  scale <0.500, 0.500, 0.500>
  rotate <0, 0, 636>
  rotate <0, 0, 0>
  translate <1.995, 2.005, 0.000>
  rotate <0, 0, 0>
 }
 }
 
#declare TwoD =
 object {TD0
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
 
