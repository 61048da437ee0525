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
 
 #declare TWorm1 = union {object {Worm1} object {Worm1 scale <1,-1,1>}}
 
 #declare LWorm = union {
  object {
  TWorm1
  scale <1.000, 1.000, 1.000>
  rotate <0, 90, -87>
  rotate <0, 0, 0>
  translate <1.500, -0.971, -1.000>
  }
  object {
  TWorm1
  scale <0.958, 0.958, 0.958>
  rotate <0, 86, -85>
  rotate <0, 0, 0>
  translate <2.938, -1.917, -1.958>
  }
  object {
  TWorm1
  scale <0.917, 0.917, 0.917>
  rotate <0, 83, -70>
  rotate <0, 0, 0>
  translate <4.313, -2.695, -2.875>
  }
  object {
  TWorm1
  scale <0.875, 0.875, 0.875>
  rotate <0, 79, -45>
  rotate <0, 0, 0>
  translate <5.625, -3.198, -3.750>
  }
  object {
  TWorm1
  scale <0.833, 0.833, 0.833>
  rotate <0, 75, -16>
  rotate <0, 0, 0>
  translate <6.875, -3.373, -4.583>
  }
  object {
  TWorm1
  scale <0.792, 0.792, 0.792>
  rotate <0, 71, 13>
  rotate <0, 0, 0>
  translate <8.063, -3.226, -5.375>
  }
  object {
  TWorm1
  scale <0.750, 0.750, 0.750>
  rotate <0, 68, 37>
  rotate <0, 0, 0>
  translate <9.188, -2.810, -6.125>
  }
  object {
  TWorm1
  scale <0.708, 0.708, 0.708>
  rotate <0, 64, 53>
  rotate <0, 0, 0>
  translate <10.250, -2.219, -6.833>
  }
  object {
  TWorm1
  scale <0.667, 0.667, 0.667>
  rotate <0, 60, 59>
  rotate <0, 0, 0>
  translate <11.250, -1.563, -7.500>
  }
  object {
  TWorm1
  scale <0.625, 0.625, 0.625>
  rotate <0, 56, 55>
  rotate <0, 0, 0>
  translate <12.188, -0.953, -8.125>
  }
  object {
  TWorm1
  scale <0.583, 0.583, 0.583>
  rotate <0, 52, 43>
  rotate <0, 0, 0>
  translate <13.063, -0.477, -8.708>
  }
  object {
  TWorm1
  scale <0.542, 0.542, 0.542>
  rotate <0, 49, 26>
  rotate <0, 0, 0>
  translate <13.875, -0.192, -9.250>
  }
 }
 
 #declare LintWorm =
  object {LWorm
  }
 
object {LintWorm
  texture {pigment { color rgbf <0.9882,0.9020,0.7882,0>} scale <1,1,1> rotate <0,0,0>}
  scale <1, 1, 1>
  rotate <0, 0, 0>
  translate <0, 0, 0>
 }
 
