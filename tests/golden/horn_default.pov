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
 
#declare Horn =  union {
  object { 
 Worm1
  scale <2.000, 2.000, 2.000>
  rotate <0, 0, 0>
  translate <4.000, 0.000, 0.000>
  }
  object { 
 Worm1
  scale <1.958, 1.958, 1.958>
  rotate <0, 0, 10>
  translate <3.939, 0.695, -0.200>
  }
  object { 
 Worm1
  scale <1.917, 1.917, 1.917>
  rotate <0, 0, 20>
  translate <3.759, 1.368, -0.400>
  }
  object { 
 Worm1
  scale <1.875, 1.875, 1.875>
  rotate <0, 0, 30>
  translate <3.464, 2.000, -0.600>
  }
  object { 
 Worm1
  scale <1.833, 1.833, 1.833>
  rotate <0, 0, 40>
  translate <3.064, 2.571, -0.800>
  }
  object { 
 Worm1
  scale <1.792, 1.792, 1.792>
  rotate <0, 0, 50>
  translate <2.571, 3.064, -1.000>
  }
  object { 
 Worm1
  scale <1.750, 1.750, 1.750>
  rotate <0, 0, 60>
  translate <2.000, 3.464, -1.200>
  }
  object { 
 Worm1
  scale <1.708, 1.708, 1.708>
  rotate <0, 0, 70>
  translate <1.368, 3.759, -1.400>
  }
  object { 
 Worm1
  scale <1.667, 1.667, 1.667>
  rotate <0, 0, 80>
  translate <0.695, 3.939, -1.600>
  }
  object { 
 Worm1
  scale <1.625, 1.625, 1.625>
  rotate <0, 0, 90>
  translate <0.000, 4.000, -1.800>
  }
  object { 
 Worm1
  scale <1.583, 1.583, 1.583>
  rotate <0, 0, 100>
  translate <-0.695, 3.939, -2.000>
  }
  object { 
 Worm1
  scale <1.542, 1.542, 1.542>
  rotate <0, 0, 110>
  translate <-1.368, 3.759, -2.200>
  }
  object { 
 Worm1
  scale <1.500, 1.500, 1.500>
  rotate <0, 0, 120>
  translate <-2.000, 3.464, -2.400>
  }
  object { 
 Worm1
  scale <1.458, 1.458, 1.458>
  rotate <0, 0, 130>
  translate <-2.571, 3.064, -2.600>
  }
  object { 
 Worm1
  scale <1.417, 1.417, 1.417>
  rotate <0, 0, 140>
  translate <-3.064, 2.571, -2.800>
  }
  object { 
 Worm1
  scale <1.375, 1.375, 1.375>
  rotate <0, 0, 150>
  translate <-3.464, 2.000, -3.000>
  }
  object { 
 Worm1
  scale <1.333, 1.333, 1.333>
  rotate <0, 0, 160>
  translate <-3.759, 1.368, -3.200>
  }
  object { 
 Worm1
  scale <1.292, 1.292, 1.292>
  rotate <0, 0, 170>
  translate <-3.939, 0.695, -3.400>
  }
  object { 
 Worm1
  scale <1.250, 1.250, 1.250>
  rotate <0, 0, 180>
  translate <-4.000, 0.000, -3.600>
  }
  object { 
 Worm1
  scale <1.208, 1.208, 1.208>
  rotate <0, 0, 190>
  translate <-3.939, -0.695, -3.800>
  }
  object { 
 Worm1
  scale <1.167, 1.167, 1.167>
  rotate <0, 0, 200>
  translate <-3.759, -1.368, -4.000>
  }
  object { 
 Worm1
  scale <1.125, 1.125, 1.125>
  rotate <0, 0, 210>
  translate <-3.464, -2.000, -4.200>
  }
  object { 
 Worm1
  scale <1.083, 1.083, 1.083>
  rotate <0, 0, 220>
  translate <-3.064, -2.571, -4.400>
  }
  object { 
 Worm1
  scale <1.042, 1.042, 1.042>
  rotate <0, 0, 230>
  translate <-2.571, -3.064, -4.600>
  }
  }
object {Horn
  texture {pigment { color rgbf <0.9882,0.9020,0.7882,0>} scale <1,1,1> rotate <0,0,0>}
  scale <1, 1, 1>
  rotate <0, 0, 0>
  translate <0, 0, 0>
 }
 
