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
  scale <0.992, 0.992, 0.992>
  rotate <0, 6, 0>
  translate <-0.096, 0.124, 0.160>
 }
  object {JSegment
  scale <0.975, 0.975, 0.975>
  rotate <0, 18, 0>
  translate <-0.318, 0.369, 0.451>
 }
  object {JSegment
  scale <0.958, 0.958, 0.958>
  rotate <0, 30, 0>
  translate <-0.577, 0.609, 0.702>
 }
  object {JSegment
  scale <0.942, 0.942, 0.942>
  rotate <0, 42, 0>
  translate <-0.866, 0.846, 0.908>
 }
  object {JSegment
  scale <0.925, 0.925, 0.925>
  rotate <0, 54, 0>
  translate <-1.177, 1.078, 1.065>
 }
  object {JSegment
  scale <0.908, 0.908, 0.908>
  rotate <0, 66, 0>
  translate <-1.501, 1.306, 1.172>
 }
  object {JSegment
  scale <0.892, 0.892, 0.892>
  rotate <0, 78, 0>
  translate <-1.832, 1.530, 1.229>
 }
  object {JSegment
  scale <0.875, 0.875, 0.875>
  rotate <0, 90, 0>
  translate <-2.162, 1.750, 1.235>
 }
  object {JSegment
  scale <0.858, 0.858, 0.858>
  rotate <0, 102, 0>
  translate <-2.482, 1.966, 1.192>
 }
  object {JSegment
  scale <0.842, 0.842, 0.842>
  rotate <0, 114, 0>
  translate <-2.787, 2.177, 1.105>
 }
  object {JSegment
  scale <0.858, 0.858, 0.858>
  rotate <0, 126, 0>
  translate <-3.077, 2.391, 0.971>
 }
  object {JSegment
  scale <0.875, 0.875, 0.875>
  rotate <0, 138, 0>
  translate <-3.350, 2.608, 0.791>
 }
  object {JSegment
  scale <0.892, 0.892, 0.892>
  rotate <0, 150, 0>
  translate <-3.598, 2.830, 0.569>
 }
  object {JSegment
  scale <0.908, 0.908, 0.908>
  rotate <0, 162, 0>
  translate <-3.813, 3.056, 0.308>
 }
  object {JSegment
  scale <0.925, 0.925, 0.925>
  rotate <0, 174, 0>
  translate <-3.990, 3.286, 0.012>
 }
  object {JSegment
  scale <0.942, 0.942, 0.942>
  rotate <0, 186, 0>
  translate <-4.124, 3.521, -0.313>
 }
  object {JSegment
  scale <0.958, 0.958, 0.958>
  rotate <0, 198, 0>
  translate <-4.208, 3.759, -0.661>
 }
  object {JSegment
  scale <0.975, 0.975, 0.975>
  rotate <0, 210, 0>
  translate <-4.241, 4.002, -1.023>
 }
  object {JSegment
  scale <0.992, 0.992, 0.992>
  rotate <0, 222, 0>
  translate <-4.218, 4.249, -1.392>
 }
  object {JSegment
  scale <1.008, 1.008, 1.008>
  rotate <0, 234, 0>
  translate <-4.140, 4.500, -1.760>
 }
  object {JSegment
  scale <1.025, 1.025, 1.025>
  rotate <0, 246, 0>
  translate <-4.005, 4.755, -2.118>
 }
  object {JSegment
  scale <1.042, 1.042, 1.042>
  rotate <0, 258, 0>
  translate <-3.815, 5.015, -2.457>
 }
  object {JSegment
  scale <1.058, 1.058, 1.058>
  rotate <0, 270, 0>
  translate <-3.572, 5.278, -2.769>
 }
  object {JSegment
  scale <1.075, 1.075, 1.075>
  rotate <0, 282, 0>
  translate <-3.282, 5.546, -3.046>
 }
  object {JSegment
  scale <1.092, 1.092, 1.092>
  rotate <0, 294, 0>
  translate <-2.948, 5.818, -3.279>
 }
  object {JSegment
  scale <1.108, 1.108, 1.108>
  rotate <0, 306, 0>
  translate <-2.702, 6.094, -3.463>
 }
  object {JSegment
  scale <1.108, 1.108, 1.108>
  rotate <0, 306, 0>
  translate <-2.831, 6.094, -3.463>
 }
  object {JSegment
  scale <1.125, 1.125, 1.125>
  rotate <0, 318, 0>
  translate <-2.559, 6.374, -3.591>
 }
  object {JSegment
  scale <1.125, 1.125, 1.125>
  rotate <0, 318, 0>
  translate <-2.973, 6.374, -3.591>
 }
  object {JSegment
  scale <1.142, 1.142, 1.142>
  rotate <0, 330, 0>
  translate <-2.406, 6.658, -3.659>
 }
  object {JSegment
  scale <1.142, 1.142, 1.142>
  rotate <0, 330, 0>
  translate <-3.127, 6.658, -3.659>
 }
  object {JSegment
  scale <1.158, 1.158, 1.158>
  rotate <0, 342, 0>
  translate <-2.251, 6.947, -3.664>
 }
  object {JSegment
  scale <1.158, 1.158, 1.158>
  rotate <0, 342, 0>
  translate <-3.282, 6.947, -3.664>
 }
  object {JSegment
  scale <1.175, 1.175, 1.175>
  rotate <0, 354, 0>
  translate <-2.104, 7.240, -3.603>
 }
  object {JSegment
  scale <1.175, 1.175, 1.175>
  rotate <0, 354, 0>
  translate <-3.429, 7.240, -3.603>
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
 
