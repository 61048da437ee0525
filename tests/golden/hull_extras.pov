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
#declare Spik4 =  union {
 sphere { <0, 0, 0>, .6 }
 cone {<0,0,0>,0.1, <-0, 4, 0>, 0.005 rotate <0, 0, -10> translate <0.4,0,0>}
 cone {<0,0,0>,0.1, <0, 4, 0>, 0.005 rotate <0, 0, 10> translate <-0.4,0,0>}
}
 
#declare JSegment = object {Bol}
 
#declare RSegment = object {Bol}
 
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
 
#declare RWorm =
 union { 
  object {object {RSegment translate <-.5,0,0>}
  scale <1.000, 1.000, 1.000>
  translate <0.000, 0.000, 2.000>
  rotate <0, 0, 0>
  translate <0.000, 0.000, 3.000>
  rotate <0, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.991, 0.991, 0.991>
  translate <0.000, 0.000, 2.000>
  rotate <0, 5, 0>
  translate <0.000, 0.000, 2.975>
  rotate <-5, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.982, 0.982, 0.982>
  translate <0.000, 0.000, 2.000>
  rotate <0, 9, 0>
  translate <0.000, 0.000, 2.950>
  rotate <-9, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.974, 0.974, 0.974>
  translate <0.000, 0.000, 2.000>
  rotate <0, 14, 0>
  translate <0.000, 0.000, 2.925>
  rotate <-14, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.965, 0.965, 0.965>
  translate <0.000, 0.000, 2.000>
  rotate <0, 18, 0>
  translate <0.000, 0.000, 2.900>
  rotate <-18, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.956, 0.956, 0.956>
  translate <0.000, 0.000, 2.000>
  rotate <0, 23, 0>
  translate <0.000, 0.000, 2.875>
  rotate <-23, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.947, 0.947, 0.947>
  translate <0.000, 0.000, 2.000>
  rotate <0, 27, 0>
  translate <0.000, 0.000, 2.850>
  rotate <-27, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.939, 0.939, 0.939>
  translate <0.000, 0.000, 2.000>
  rotate <0, 32, 0>
  translate <0.000, 0.000, 2.825>
  rotate <-32, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.930, 0.930, 0.930>
  translate <0.000, 0.000, 2.000>
  rotate <0, 36, 0>
  translate <0.000, 0.000, 2.800>
  rotate <-36, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.921, 0.921, 0.921>
  translate <0.000, 0.000, 2.000>
  rotate <0, 41, 0>
  translate <0.000, 0.000, 2.775>
  rotate <-41, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.912, 0.912, 0.912>
  translate <0.000, 0.000, 2.000>
  rotate <0, 45, 0>
  translate <0.000, 0.000, 2.750>
  rotate <-45, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.904, 0.904, 0.904>
  translate <0.000, 0.000, 2.000>
  rotate <0, 50, 0>
  translate <0.000, 0.000, 2.725>
  rotate <-50, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.895, 0.895, 0.895>
  translate <0.000, 0.000, 2.000>
  rotate <0, 54, 0>
  translate <0.000, 0.000, 2.700>
  rotate <-54, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.886, 0.886, 0.886>
  translate <0.000, 0.000, 2.000>
  rotate <0, 59, 0>
  translate <0.000, 0.000, 2.675>
  rotate <-59, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.877, 0.877, 0.877>
  translate <0.000, 0.000, 2.000>
  rotate <0, 63, 0>
  translate <0.000, 0.000, 2.650>
  rotate <-63, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.869, 0.869, 0.869>
  translate <0.000, 0.000, 2.000>
  rotate <0, 68, 0>
  translate <0.000, 0.000, 2.625>
  rotate <-68, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.860, 0.860, 0.860>
  translate <0.000, 0.000, 2.000>
  rotate <0, 72, 0>
  translate <0.000, 0.000, 2.600>
  rotate <-72, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.851, 0.851, 0.851>
  translate <0.000, 0.000, 2.000>
  rotate <0, 77, 0>
  translate <0.000, 0.000, 2.575>
  rotate <-77, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.842, 0.842, 0.842>
  translate <0.000, 0.000, 2.000>
  rotate <0, 81, 0>
  translate <0.000, 0.000, 2.550>
  rotate <-81, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.834, 0.834, 0.834>
  translate <0.000, 0.000, 2.000>
  rotate <0, 86, 0>
  translate <0.000, 0.000, 2.525>
  rotate <-86, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.825, 0.825, 0.825>
  translate <0.000, 0.000, 2.000>
  rotate <0, 90, 0>
  translate <0.000, 0.000, 2.500>
  rotate <-90, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.816, 0.816, 0.816>
  translate <0.000, 0.000, 2.000>
  rotate <0, 95, 0>
  translate <0.000, 0.000, 2.475>
  rotate <-95, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.807, 0.807, 0.807>
  translate <0.000, 0.000, 2.000>
  rotate <0, 99, 0>
  translate <0.000, 0.000, 2.450>
  rotate <-99, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.799, 0.799, 0.799>
  translate <0.000, 0.000, 2.000>
  rotate <0, 104, 0>
  translate <0.000, 0.000, 2.425>
  rotate <-104, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.790, 0.790, 0.790>
  translate <0.000, 0.000, 2.000>
  rotate <0, 108, 0>
  translate <0.000, 0.000, 2.400>
  rotate <-108, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.781, 0.781, 0.781>
  translate <0.000, 0.000, 2.000>
  rotate <0, 113, 0>
  translate <0.000, 0.000, 2.375>
  rotate <-113, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.772, 0.772, 0.772>
  translate <0.000, 0.000, 2.000>
  rotate <0, 117, 0>
  translate <0.000, 0.000, 2.350>
  rotate <-117, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.764, 0.764, 0.764>
  translate <0.000, 0.000, 2.000>
  rotate <0, 122, 0>
  translate <0.000, 0.000, 2.325>
  rotate <-122, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.755, 0.755, 0.755>
  translate <0.000, 0.000, 2.000>
  rotate <0, 126, 0>
  translate <0.000, 0.000, 2.300>
  rotate <-126, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.746, 0.746, 0.746>
  translate <0.000, 0.000, 2.000>
  rotate <0, 131, 0>
  translate <0.000, 0.000, 2.275>
  rotate <-131, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.737, 0.737, 0.737>
  translate <0.000, 0.000, 2.000>
  rotate <0, 135, 0>
  translate <0.000, 0.000, 2.250>
  rotate <-135, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.729, 0.729, 0.729>
  translate <0.000, 0.000, 2.000>
  rotate <0, 140, 0>
  translate <0.000, 0.000, 2.225>
  rotate <-140, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.720, 0.720, 0.720>
  translate <0.000, 0.000, 2.000>
  rotate <0, 144, 0>
  translate <0.000, 0.000, 2.200>
  rotate <-144, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.711, 0.711, 0.711>
  translate <0.000, 0.000, 2.000>
  rotate <0, 149, 0>
  translate <0.000, 0.000, 2.175>
  rotate <-149, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.702, 0.702, 0.702>
  translate <0.000, 0.000, 2.000>
  rotate <0, 153, 0>
  translate <0.000, 0.000, 2.150>
  rotate <-153, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.694, 0.694, 0.694>
  translate <0.000, 0.000, 2.000>
  rotate <0, 158, 0>
  translate <0.000, 0.000, 2.125>
  rotate <-158, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.685, 0.685, 0.685>
  translate <0.000, 0.000, 2.000>
  rotate <0, 162, 0>
  translate <0.000, 0.000, 2.100>
  rotate <-162, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.676, 0.676, 0.676>
  translate <0.000, 0.000, 2.000>
  rotate <0, 167, 0>
  translate <0.000, 0.000, 2.075>
  rotate <-167, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.667, 0.667, 0.667>
  translate <0.000, 0.000, 2.000>
  rotate <0, 171, 0>
  translate <0.000, 0.000, 2.050>
  rotate <-171, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.659, 0.659, 0.659>
  translate <0.000, 0.000, 2.000>
  rotate <0, 176, 0>
  translate <0.000, 0.000, 2.025>
  rotate <-176, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.650, 0.650, 0.650>
  translate <0.000, 0.000, 2.000>
  rotate <0, 180, 0>
  translate <0.000, 0.000, 2.000>
  rotate <-180, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.641, 0.641, 0.641>
  translate <0.000, 0.000, 2.000>
  rotate <0, 185, 0>
  translate <0.000, 0.000, 1.975>
  rotate <-185, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.632, 0.632, 0.632>
  translate <0.000, 0.000, 2.000>
  rotate <0, 189, 0>
  translate <0.000, 0.000, 1.950>
  rotate <-189, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.624, 0.624, 0.624>
  translate <0.000, 0.000, 2.000>
  rotate <0, 194, 0>
  translate <0.000, 0.000, 1.925>
  rotate <-194, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.615, 0.615, 0.615>
  translate <0.000, 0.000, 2.000>
  rotate <0, 198, 0>
  translate <0.000, 0.000, 1.900>
  rotate <-198, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.606, 0.606, 0.606>
  translate <0.000, 0.000, 2.000>
  rotate <0, 203, 0>
  translate <0.000, 0.000, 1.875>
  rotate <-203, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.597, 0.597, 0.597>
  translate <0.000, 0.000, 2.000>
  rotate <0, 207, 0>
  translate <0.000, 0.000, 1.850>
  rotate <-207, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.589, 0.589, 0.589>
  translate <0.000, 0.000, 2.000>
  rotate <0, 212, 0>
  translate <0.000, 0.000, 1.825>
  rotate <-212, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.580, 0.580, 0.580>
  translate <0.000, 0.000, 2.000>
  rotate <0, 216, 0>
  translate <0.000, 0.000, 1.800>
  rotate <-216, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.571, 0.571, 0.571>
  translate <0.000, 0.000, 2.000>
  rotate <0, 221, 0>
  translate <0.000, 0.000, 1.775>
  rotate <-221, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.562, 0.562, 0.562>
  translate <0.000, 0.000, 2.000>
  rotate <0, 225, 0>
  translate <0.000, 0.000, 1.750>
  rotate <-225, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.554, 0.554, 0.554>
  translate <0.000, 0.000, 2.000>
  rotate <0, 230, 0>
  translate <0.000, 0.000, 1.725>
  rotate <-230, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.545, 0.545, 0.545>
  translate <0.000, 0.000, 2.000>
  rotate <0, 234, 0>
  translate <0.000, 0.000, 1.700>
  rotate <-234, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.536, 0.536, 0.536>
  translate <0.000, 0.000, 2.000>
  rotate <0, 239, 0>
  translate <0.000, 0.000, 1.675>
  rotate <-239, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.527, 0.527, 0.527>
  translate <0.000, 0.000, 2.000>
  rotate <0, 243, 0>
  translate <0.000, 0.000, 1.650>
  rotate <-243, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.519, 0.519, 0.519>
  translate <0.000, 0.000, 2.000>
  rotate <0, 248, 0>
  translate <0.000, 0.000, 1.625>
  rotate <-248, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.510, 0.510, 0.510>
  translate <0.000, 0.000, 2.000>
  rotate <0, 252, 0>
  translate <0.000, 0.000, 1.600>
  rotate <-252, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.501, 0.501, 0.501>
  translate <0.000, 0.000, 2.000>
  rotate <0, 257, 0>
  translate <0.000, 0.000, 1.575>
  rotate <-257, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.492, 0.492, 0.492>
  translate <0.000, 0.000, 2.000>
  rotate <0, 261, 0>
  translate <0.000, 0.000, 1.550>
  rotate <-261, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.484, 0.484, 0.484>
  translate <0.000, 0.000, 2.000>
  rotate <0, 266, 0>
  translate <0.000, 0.000, 1.525>
  rotate <-266, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.475, 0.475, 0.475>
  translate <0.000, 0.000, 2.000>
  rotate <0, 270, 0>
  translate <0.000, 0.000, 1.500>
  rotate <-270, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.466, 0.466, 0.466>
  translate <0.000, 0.000, 2.000>
  rotate <0, 275, 0>
  translate <0.000, 0.000, 1.475>
  rotate <-275, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.457, 0.457, 0.457>
  translate <0.000, 0.000, 2.000>
  rotate <0, 279, 0>
  translate <0.000, 0.000, 1.450>
  rotate <-279, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.449, 0.449, 0.449>
  translate <0.000, 0.000, 2.000>
  rotate <0, 284, 0>
  translate <0.000, 0.000, 1.425>
  rotate <-284, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.440, 0.440, 0.440>
  translate <0.000, 0.000, 2.000>
  rotate <0, 288, 0>
  translate <0.000, 0.000, 1.400>
  rotate <-288, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.431, 0.431, 0.431>
  translate <0.000, 0.000, 2.000>
  rotate <0, 293, 0>
  translate <0.000, 0.000, 1.375>
  rotate <-293, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.422, 0.422, 0.422>
  translate <0.000, 0.000, 2.000>
  rotate <0, 297, 0>
  translate <0.000, 0.000, 1.350>
  rotate <-297, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.414, 0.414, 0.414>
  translate <0.000, 0.000, 2.000>
  rotate <0, 302, 0>
  translate <0.000, 0.000, 1.325>
  rotate <-302, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.405, 0.405, 0.405>
  translate <0.000, 0.000, 2.000>
  rotate <0, 306, 0>
  translate <0.000, 0.000, 1.300>
  rotate <-306, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.396, 0.396, 0.396>
  translate <0.000, 0.000, 2.000>
  rotate <0, 311, 0>
  translate <0.000, 0.000, 1.275>
  rotate <-311, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.387, 0.387, 0.387>
  translate <0.000, 0.000, 2.000>
  rotate <0, 315, 0>
  translate <0.000, 0.000, 1.250>
  rotate <-315, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.379, 0.379, 0.379>
  translate <0.000, 0.000, 2.000>
  rotate <0, 320, 0>
  translate <0.000, 0.000, 1.225>
  rotate <-320, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.370, 0.370, 0.370>
  translate <0.000, 0.000, 2.000>
  rotate <0, 324, 0>
  translate <0.000, 0.000, 1.200>
  rotate <-324, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.361, 0.361, 0.361>
  translate <0.000, 0.000, 2.000>
  rotate <0, 329, 0>
  translate <0.000, 0.000, 1.175>
  rotate <-329, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.352, 0.352, 0.352>
  translate <0.000, 0.000, 2.000>
  rotate <0, 333, 0>
  translate <0.000, 0.000, 1.150>
  rotate <-333, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.344, 0.344, 0.344>
  translate <0.000, 0.000, 2.000>
  rotate <0, 338, 0>
  translate <0.000, 0.000, 1.125>
  rotate <-338, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.335, 0.335, 0.335>
  translate <0.000, 0.000, 2.000>
  rotate <0, 342, 0>
  translate <0.000, 0.000, 1.100>
  rotate <-342, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.326, 0.326, 0.326>
  translate <0.000, 0.000, 2.000>
  rotate <0, 347, 0>
  translate <0.000, 0.000, 1.075>
  rotate <-347, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.317, 0.317, 0.317>
  translate <0.000, 0.000, 2.000>
  rotate <0, 351, 0>
  translate <0.000, 0.000, 1.050>
  rotate <-351, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.309, 0.309, 0.309>
  translate <0.000, 0.000, 2.000>
  rotate <0, 356, 0>
  translate <0.000, 0.000, 1.025>
  rotate <-356, 0, 0>
 }
  object {object {RSegment translate <-.5,0,0>}
  scale <0.300, 0.300, 0.300>
  translate <0.000, 0.000, 2.000>
  rotate <0, 360, 0>
  translate <0.000, 0.000, 1.000>
  rotate <-360, 0, 0>
 }
  scale <1, 1, 1> 
  rotate <0, 90, 0>
  rotate <0, 0, 0>
  translate <0, 0, 0>
 }
 
 #declare Worm1 = object {
  JWorm
   }
 
 #declare Worm2 = object {
  RWorm
  }
 
#declare Tail =  object {Bol scale <1,3.5,1> }
 
#declare TrHead =  object {Bol scale <1,3.5,1> }
 
#declare SecondWorm =  object {Spik4 scale 4}
 
#declare Hull =  union {
  object { Tail texture {pigment {color red 1 green 1 blue 1}} }
 object {
 Worm1
  rotate <-5, -1, 16>
  rotate <0, 0, 0>
  rotate <-17, 5, 8>
  rotate <0, 0, 0>
 }
 object {
 Worm2
  rotate <11, 6, -9>
  rotate <0, 0, 10>
  rotate <-15, 20, 17>
  rotate <1, 138, 0>
 }
 object {
 SecondWorm
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <-18, -17, -17>
  rotate <0, 0, 10>
  rotate <-16, 12, -13>
  rotate <1, -85, 0>
 }
 object {
 SecondWorm
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <1, -13, 17>
  rotate <0, 0, 10>
  rotate <18, 5, -16>
  rotate <2, 53, 0>
 }
  object { SecondWorm texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 20>
  rotate <3, -170, 0>
 }
 object {
 SecondWorm
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <-16, -9, 2>
  rotate <0, 0, 20>
  rotate <-16, -13, -18>
  rotate <3, -170, 0>
 }
 object {
 Worm2
  rotate <-13, -1, 18>
  rotate <0, 0, 20>
  rotate <-4, 15, -1>
  rotate <4, -33, 0>
 }
 object {
 Worm1
  rotate <-2, -10, -15>
  rotate <0, 0, 20>
  rotate <-13, -2, 2>
  rotate <4, 105, 0>
 }
 object {
 Worm2
  rotate <14, 4, -2>
  rotate <0, 0, 30>
  rotate <-5, 2, 16>
  rotate <5, -118, 0>
 }
  object { SecondWorm texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 30>
  rotate <6, 20, 0>
 }
 object {
 Worm1
  rotate <18, -18, 17>
  rotate <0, 0, 30>
  rotate <14, 11, 17>
  rotate <6, 20, 0>
 }
 object {
 Worm2
  rotate <6, -11, -12>
  rotate <0, 0, 30>
  rotate <-15, 14, 9>
  rotate <5, 158, 0>
 }
 object {
 Worm1
  rotate <16, 8, -11>
  rotate <0, 0, 40>
  rotate <13, 0, -9>
  rotate <4, -65, 0>
 }
 object {
 Worm2
  rotate <0, -13, -11>
  rotate <0, 0, 40>
  rotate <-5, 1, 6>
  rotate <4, 73, 0>
 }
  object { SecondWorm texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 40>
  rotate <3, -150, 0>
 }
 object {
 Worm1
  rotate <-11, 1, 0>
  rotate <0, 0, 40>
  rotate <1, -5, -15>
  rotate <3, -150, 0>
 }
 object {
 Worm2
  rotate <18, 19, 0>
  rotate <0, 0, 50>
  rotate <9, -0, 11>
  rotate <2, -13, 0>
 }
  object { TrHead texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 50>
  rotate <1, 125, 0>
 }
 }
object {Hull
  texture {pigment { color rgbf <0.9882,0.9020,0.7882,0>} scale <1,1,1> rotate <0,0,0>}
  scale <1, 1, 1>
  rotate <0, 0, 0>
  translate <0, 0, 0>
 }
 
