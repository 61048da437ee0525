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
  scale <0.900, 0.900, 0.900>
  rotate <-149, 0, 105>
  translate <-1.168, 1.350, 1.654>
 }
  object {JSegment
  scale <0.800, 0.800, 0.800>
  rotate <-117, 0, 112>
  translate <-2.414, 2.550, 2.953>
 }
  object {JSegment
  scale <0.700, 0.700, 0.700>
  rotate <-86, 0, 112>
  translate <-3.662, 3.600, 3.914>
 }
  object {JSegment
  scale <0.600, 0.600, 0.600>
  rotate <-59, 0, 106>
  translate <-4.842, 4.500, 4.569>
 }
  object {JSegment
  scale <0.500, 0.500, 0.500>
  rotate <-35, 0, 95>
  translate <-5.897, 5.250, 4.961>
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
 
#declare AnemoneWorm =  union {
 object {
 Worm1
  scale <1.000, 1.000, 1.000>
  translate <0.000, 0.000, 2.000>
  rotate <0, 0, 0>
  translate <0.000, 0.000, 4.000>
  rotate <0, 0, 0>
 }
 object {
 Worm1
  scale <0.992, 0.992, 0.992>
  translate <0.000, 0.000, 2.000>
  rotate <0, 18, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-6, 0, 0>
 }
 object {
 Worm1
  scale <0.983, 0.983, 0.983>
  translate <0.000, 0.000, 2.000>
  rotate <0, 36, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-12, 0, 0>
 }
 object {
 Worm1
  scale <0.975, 0.975, 0.975>
  translate <0.000, 0.000, 2.000>
  rotate <0, 54, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-18, 0, 0>
 }
 object {
 Worm1
  scale <0.967, 0.967, 0.967>
  translate <0.000, 0.000, 2.000>
  rotate <0, 72, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-24, 0, 0>
 }
 object {
 Worm1
  scale <0.958, 0.958, 0.958>
  translate <0.000, 0.000, 2.000>
  rotate <0, 90, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-30, 0, 0>
 }
 object {
 Worm1
  scale <0.950, 0.950, 0.950>
  translate <0.000, 0.000, 2.000>
  rotate <0, 108, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-36, 0, 0>
 }
 object {
 Worm1
  scale <0.942, 0.942, 0.942>
  translate <0.000, 0.000, 2.000>
  rotate <0, 126, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-42, 0, 0>
 }
 object {
 Worm1
  scale <0.933, 0.933, 0.933>
  translate <0.000, 0.000, 2.000>
  rotate <0, 144, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-48, 0, 0>
 }
 object {
 Worm1
  scale <0.925, 0.925, 0.925>
  translate <0.000, 0.000, 2.000>
  rotate <0, 162, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-54, 0, 0>
 }
 object {
 Worm1
  scale <0.917, 0.917, 0.917>
  translate <0.000, 0.000, 2.000>
  rotate <0, 180, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-60, 0, 0>
 }
 object {
 Worm1
  scale <0.908, 0.908, 0.908>
  translate <0.000, 0.000, 2.000>
  rotate <0, 198, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-66, 0, 0>
 }
 object {
 Worm1
  scale <0.900, 0.900, 0.900>
  translate <0.000, 0.000, 2.000>
  rotate <0, 216, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-72, 0, 0>
 }
 object {
 Worm1
  scale <0.892, 0.892, 0.892>
  translate <0.000, 0.000, 2.000>
  rotate <0, 234, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-78, 0, 0>
 }
 object {
 Worm1
  scale <0.883, 0.883, 0.883>
  translate <0.000, 0.000, 2.000>
  rotate <0, 252, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-84, 0, 0>
 }
 object {
 Worm1
  scale <0.875, 0.875, 0.875>
  translate <0.000, 0.000, 2.000>
  rotate <0, 270, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-90, 0, 0>
 }
 object {
 Worm1
  scale <0.867, 0.867, 0.867>
  translate <0.000, 0.000, 2.000>
  rotate <0, 288, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-96, 0, 0>
 }
 object {
 Worm1
  scale <0.858, 0.858, 0.858>
  translate <0.000, 0.000, 2.000>
  rotate <0, 306, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-102, 0, 0>
 }
 object {
 Worm1
  scale <0.850, 0.850, 0.850>
  translate <0.000, 0.000, 2.000>
  rotate <0, 324, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-108, 0, 0>
 }
 object {
 Worm1
  scale <0.842, 0.842, 0.842>
  translate <0.000, 0.000, 2.000>
  rotate <0, 342, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-114, 0, 0>
 }
 object {
 Worm1
  scale <0.833, 0.833, 0.833>
  translate <0.000, 0.000, 2.000>
  rotate <0, 360, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-120, 0, 0>
 }
 object {
 Worm1
  scale <0.825, 0.825, 0.825>
  translate <0.000, 0.000, 2.000>
  rotate <0, 378, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-126, 0, 0>
 }
 object {
 Worm1
  scale <0.817, 0.817, 0.817>
  translate <0.000, 0.000, 2.000>
  rotate <0, 396, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-132, 0, 0>
 }
 object {
 Worm1
  scale <0.808, 0.808, 0.808>
  translate <0.000, 0.000, 2.000>
  rotate <0, 414, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-138, 0, 0>
 }
 object {
 Worm1
  scale <0.800, 0.800, 0.800>
  translate <0.000, 0.000, 2.000>
  rotate <0, 432, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-144, 0, 0>
 }
 object {
 Worm1
  scale <0.792, 0.792, 0.792>
  translate <0.000, 0.000, 2.000>
  rotate <0, 450, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-150, 0, 0>
 }
 object {
 Worm1
  scale <0.783, 0.783, 0.783>
  translate <0.000, 0.000, 2.000>
  rotate <0, 468, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-156, 0, 0>
 }
 object {
 Worm1
  scale <0.775, 0.775, 0.775>
  translate <0.000, 0.000, 2.000>
  rotate <0, 486, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-162, 0, 0>
 }
 object {
 Worm1
  scale <0.767, 0.767, 0.767>
  translate <0.000, 0.000, 2.000>
  rotate <0, 504, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-168, 0, 0>
 }
 object {
 Worm1
  scale <0.758, 0.758, 0.758>
  translate <0.000, 0.000, 2.000>
  rotate <0, 522, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-174, 0, 0>
 }
 object {
 Worm1
  scale <0.750, 0.750, 0.750>
  translate <0.000, 0.000, 2.000>
  rotate <0, 540, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-180, 0, 0>
 }
 object {
 Worm1
  scale <0.742, 0.742, 0.742>
  translate <0.000, 0.000, 2.000>
  rotate <0, 558, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-186, 0, 0>
 }
 object {
 Worm1
  scale <0.733, 0.733, 0.733>
  translate <0.000, 0.000, 2.000>
  rotate <0, 576, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-192, 0, 0>
 }
 object {
 Worm1
  scale <0.725, 0.725, 0.725>
  translate <0.000, 0.000, 2.000>
  rotate <0, 594, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-198, 0, 0>
 }
 object {
 Worm1
  scale <0.717, 0.717, 0.717>
  translate <0.000, 0.000, 2.000>
  rotate <0, 612, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-204, 0, 0>
 }
 object {
 Worm1
  scale <0.708, 0.708, 0.708>
  translate <0.000, 0.000, 2.000>
  rotate <0, 630, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-210, 0, 0>
 }
 object {
 Worm1
  scale <0.700, 0.700, 0.700>
  translate <0.000, 0.000, 2.000>
  rotate <0, 648, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-216, 0, 0>
 }
 object {
 Worm1
  scale <0.692, 0.692, 0.692>
  translate <0.000, 0.000, 2.000>
  rotate <0, 666, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-222, 0, 0>
 }
 object {
 Worm1
  scale <0.683, 0.683, 0.683>
  translate <0.000, 0.000, 2.000>
  rotate <0, 684, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-228, 0, 0>
 }
 object {
 Worm1
  scale <0.675, 0.675, 0.675>
  translate <0.000, 0.000, 2.000>
  rotate <0, 702, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-234, 0, 0>
 }
 object {
 Worm1
  scale <0.667, 0.667, 0.667>
  translate <0.000, 0.000, 2.000>
  rotate <0, 720, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-240, 0, 0>
 }
 object {
 Worm1
  scale <0.658, 0.658, 0.658>
  translate <0.000, 0.000, 2.000>
  rotate <0, 738, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-246, 0, 0>
 }
 object {
 Worm1
  scale <0.650, 0.650, 0.650>
  translate <0.000, 0.000, 2.000>
  rotate <0, 756, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-252, 0, 0>
 }
 object {
 Worm1
  scale <0.642, 0.642, 0.642>
  translate <0.000, 0.000, 2.000>
  rotate <0, 774, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-258, 0, 0>
 }
 object {
 Worm1
  scale <0.633, 0.633, 0.633>
  translate <0.000, 0.000, 2.000>
  rotate <0, 792, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-264, 0, 0>
 }
 object {
 Worm1
  scale <0.625, 0.625, 0.625>
  translate <0.000, 0.000, 2.000>
  rotate <0, 810, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-270, 0, 0>
 }
 object {
 Worm1
  scale <0.617, 0.617, 0.617>
  translate <0.000, 0.000, 2.000>
  rotate <0, 828, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-276, 0, 0>
 }
 object {
 Worm1
  scale <0.608, 0.608, 0.608>
  translate <0.000, 0.000, 2.000>
  rotate <0, 846, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-282, 0, 0>
 }
 object {
 Worm1
  scale <0.600, 0.600, 0.600>
  translate <0.000, 0.000, 2.000>
  rotate <0, 864, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-288, 0, 0>
 }
 object {
 Worm1
  scale <0.592, 0.592, 0.592>
  translate <0.000, 0.000, 2.000>
  rotate <0, 882, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-294, 0, 0>
 }
 object {
 Worm1
  scale <0.583, 0.583, 0.583>
  translate <0.000, 0.000, 2.000>
  rotate <0, 900, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-300, 0, 0>
 }
 object {
 Worm1
  scale <0.575, 0.575, 0.575>
  translate <0.000, 0.000, 2.000>
  rotate <0, 918, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-306, 0, 0>
 }
 object {
 Worm1
  scale <0.567, 0.567, 0.567>
  translate <0.000, 0.000, 2.000>
  rotate <0, 936, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-312, 0, 0>
 }
 object {
 Worm1
  scale <0.558, 0.558, 0.558>
  translate <0.000, 0.000, 2.000>
  rotate <0, 954, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-318, 0, 0>
 }
 object {
 Worm1
  scale <0.550, 0.550, 0.550>
  translate <0.000, 0.000, 2.000>
  rotate <0, 972, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-324, 0, 0>
 }
 object {
 Worm1
  scale <0.542, 0.542, 0.542>
  translate <0.000, 0.000, 2.000>
  rotate <0, 990, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-330, 0, 0>
 }
 object {
 Worm1
  scale <0.533, 0.533, 0.533>
  translate <0.000, 0.000, 2.000>
  rotate <0, 1.01E3, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-336, 0, 0>
 }
 object {
 Worm1
  scale <0.525, 0.525, 0.525>
  translate <0.000, 0.000, 2.000>
  rotate <0, 1.03E3, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-342, 0, 0>
 }
 object {
 Worm1
  scale <0.517, 0.517, 0.517>
  translate <0.000, 0.000, 2.000>
  rotate <0, 1.04E3, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-348, 0, 0>
 }
 object {
 Worm1
  scale <0.508, 0.508, 0.508>
  translate <0.000, 0.000, 2.000>
  rotate <0, 1.06E3, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-354, 0, 0>
 }
 object {
 Worm1
  scale <0.500, 0.500, 0.500>
  translate <0.000, 0.000, 2.000>
  rotate <0, 1.08E3, 0>
  translate <0.000, 0.000, 4.000>
  rotate <-360, 0, 0>
 }
  rotate <0, 90, 0>
 }
object {AnemoneWorm
  texture {pigment { color rgbf <0.9882,0.9020,0.7882,0>} scale <1,1,1> rotate <0,0,0>}
  scale <1, 1, 1>
  rotate <0, 0, 0>
  translate <0, 0, 0>
 }
 
