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
 
#declare HelixObj =  object {Bol}
 
#declare W0 = 
 union {
  object {JSegment
  scale <0.990, 0.990, 0.990>
  rotate <-18, 0, 10>
  translate <-0.112, 0.155, 0.203>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-0.112, 0.155, 0.203>
  translate <0.500, -0.866, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 5, 0>
  translate <-0.230, 0.308, 0.400>
  translate <-0.500, -0.866, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 10, 0>
  translate <-0.353, 0.459, 0.590>
  translate <-1.000, 0.000, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 15, 0>
  translate <-0.483, 0.609, 0.774>
  translate <-0.500, 0.866, 0.000>
 }
  object {JSegment
  scale <0.948, 0.948, 0.948>
  rotate <-16, 0, 12>
  translate <-0.618, 0.757, 0.951>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 20, 0>
  translate <-0.618, 0.757, 0.951>
  translate <0.500, 0.866, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 25, 0>
  translate <-0.758, 0.903, 1.120>
  translate <1.000, 0.000, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 30, 0>
  translate <-0.902, 1.048, 1.282>
  translate <0.500, -0.866, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 35, 0>
  translate <-1.051, 1.191, 1.437>
  translate <-0.500, -0.866, 0.000>
 }
  object {JSegment
  scale <0.906, 0.906, 0.906>
  rotate <-13, 0, 14>
  translate <-1.203, 1.333, 1.585>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 40, 0>
  translate <-1.203, 1.333, 1.585>
  translate <-1.000, 0.000, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 45, 0>
  translate <-1.360, 1.473, 1.725>
  translate <-0.500, 0.866, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 50, 0>
  translate <-1.519, 1.611, 1.858>
  translate <0.500, 0.866, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 55, 0>
  translate <-1.682, 1.748, 1.983>
  translate <1.000, 0.000, 0.000>
 }
  object {JSegment
  scale <0.865, 0.865, 0.865>
  rotate <-11, 0, 15>
  translate <-1.847, 1.883, 2.101>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 60, 0>
  translate <-1.847, 1.883, 2.101>
  translate <0.500, -0.866, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 65, 0>
  translate <-2.014, 2.017, 2.211>
  translate <-0.500, -0.866, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 70, 0>
  translate <-2.183, 2.148, 2.313>
  translate <-1.000, 0.000, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 75, 0>
  translate <-2.354, 2.279, 2.408>
  translate <-0.500, 0.866, 0.000>
 }
  object {JSegment
  scale <0.823, 0.823, 0.823>
  rotate <-8, 0, 15>
  translate <-2.526, 2.407, 2.495>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 80, 0>
  translate <-2.526, 2.407, 2.495>
  translate <0.500, 0.866, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 85, 0>
  translate <-2.699, 2.534, 2.574>
  translate <1.000, 0.000, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 90, 0>
  translate <-2.873, 2.660, 2.646>
  translate <0.500, -0.866, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 95, 0>
  translate <-3.047, 2.783, 2.711>
  translate <-0.500, -0.866, 0.000>
 }
  object {JSegment
  scale <0.781, 0.781, 0.781>
  rotate <-5, 0, 16>
  translate <-3.221, 2.905, 2.768>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 100, 0>
  translate <-3.221, 2.905, 2.768>
  translate <-1.000, 0.000, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 105, 0>
  translate <-3.394, 3.026, 2.819>
  translate <-0.500, 0.866, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 110, 0>
  translate <-3.567, 3.145, 2.862>
  translate <0.500, 0.866, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 115, 0>
  translate <-3.739, 3.262, 2.898>
  translate <1.000, 0.000, 0.000>
 }
  object {JSegment
  scale <0.740, 0.740, 0.740>
  rotate <-3, 0, 15>
  translate <-3.910, 3.377, 2.927>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 120, 0>
  translate <-3.910, 3.377, 2.927>
  translate <0.500, -0.866, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 125, 0>
  translate <-4.080, 3.491, 2.949>
  translate <-0.500, -0.866, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 130, 0>
  translate <-4.247, 3.604, 2.965>
  translate <-1.000, 0.000, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 135, 0>
  translate <-4.413, 3.714, 2.974>
  translate <-0.500, 0.866, 0.000>
 }
  object {JSegment
  scale <0.698, 0.698, 0.698>
  rotate <-0, 0, 15>
  translate <-4.577, 3.823, 2.977>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 140, 0>
  translate <-4.577, 3.823, 2.977>
  translate <0.500, 0.866, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 145, 0>
  translate <-4.738, 3.931, 2.974>
  translate <1.000, 0.000, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 150, 0>
  translate <-4.896, 4.036, 2.965>
  translate <0.500, -0.866, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 155, 0>
  translate <-5.052, 4.141, 2.951>
  translate <-0.500, -0.866, 0.000>
 }
  object {JSegment
  scale <0.656, 0.656, 0.656>
  rotate <2, 0, 14>
  translate <-5.204, 4.243, 2.930>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 160, 0>
  translate <-5.204, 4.243, 2.930>
  translate <-1.000, 0.000, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 165, 0>
  translate <-5.353, 4.344, 2.905>
  translate <-0.500, 0.866, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 170, 0>
  translate <-5.499, 4.443, 2.874>
  translate <0.500, 0.866, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 175, 0>
  translate <-5.641, 4.541, 2.839>
  translate <1.000, 0.000, 0.000>
 }
  object {JSegment
  scale <0.615, 0.615, 0.615>
  rotate <4, 0, 12>
  translate <-5.780, 4.637, 2.799>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 180, 0>
  translate <-5.780, 4.637, 2.799>
  translate <0.500, -0.866, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 185, 0>
  translate <-5.914, 4.731, 2.755>
  translate <-0.500, -0.866, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 190, 0>
  translate <-6.045, 4.824, 2.706>
  translate <-1.000, 0.000, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 195, 0>
  translate <-6.171, 4.915, 2.654>
  translate <-0.500, 0.866, 0.000>
 }
  object {JSegment
  scale <0.573, 0.573, 0.573>
  rotate <5, 0, 11>
  translate <-6.293, 5.005, 2.598>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 200, 0>
  translate <-6.293, 5.005, 2.598>
  translate <0.500, 0.866, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 205, 0>
  translate <-6.410, 5.093, 2.538>
  translate <1.000, 0.000, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 210, 0>
  translate <-6.524, 5.179, 2.475>
  translate <0.500, -0.866, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 215, 0>
  translate <-6.632, 5.264, 2.410>
  translate <-0.500, -0.866, 0.000>
 }
  object {JSegment
  scale <0.531, 0.531, 0.531>
  rotate <6, 0, 9>
  translate <-6.736, 5.347, 2.341>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 220, 0>
  translate <-6.736, 5.347, 2.341>
  translate <-1.000, 0.000, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 225, 0>
  translate <-6.836, 5.428, 2.270>
  translate <-0.500, 0.866, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 230, 0>
  translate <-6.930, 5.508, 2.197>
  translate <0.500, 0.866, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 235, 0>
  translate <-7.021, 5.586, 2.122>
  translate <1.000, 0.000, 0.000>
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
 
