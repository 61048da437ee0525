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
#declare Torus = torus {0.3, 0.2}
#declare SS =  union {
 cylinder { <-2, 0, 0>, <0, 0, 0>, .25 rotate <0,0,-10>}
 cylinder { <0, 0, 0>, <2, 0, 0>, .25  rotate <0,0,10>}
 cone {<-1.8,0,0>, 0.2 <-1.8,4,0>, 0.005 rotate <0,0,5>}
 cone {<1.8,0,0>, 0.2 <1.8,4,0>, 0.005 rotate <0,0,-5>}
 }
#declare Spik3 = union {
 object {SS}
 object {SS rotate <0, 60, 0>}
 object {SS rotate <0, 120,0>}
 }
 
#declare JSegment = object {Bol}
 
#declare TopHart =  object {Bol}
 
#declare PredBranch =  object {Spik3}
 
#declare PredBase =  object {Spik3}
 
#declare PredTop =  object {Spik3}
 
#declare HuskObj =  object {Torus}
 
#declare HelixObj =  object {Bol}
 
#declare W0 = 
 union {
  object {JSegment
  scale <0.958, 0.958, 0.958>
  rotate <-66, 0, 47>
  translate <-0.518, 0.599, 0.734>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-0.518, 0.599, 0.734>
  translate <-0.500, 0.866, 0.000>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <3.208, 3.208, 3.208>
  rotate <-195, 0, 187>
  translate <-2.600, 1.172, 2.905>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-2.600, 1.172, 2.905>
  translate <-0.500, -0.866, 0.000>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <1.767, 1.767, 1.767>
  rotate <-91, 0, 118>
  translate <-3.913, 1.719, 3.915>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-3.913, 1.719, 3.915>
  translate <1.000, 0.000, 0.000>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <0.417, 0.417, 0.417>
  rotate <-17, 0, 31>
  translate <-4.255, 2.240, 4.105>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-4.255, 2.240, 4.105>
  translate <-0.500, 0.866, 0.000>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <1.568, 1.568, 1.568>
  rotate <-46, 0, 124>
  translate <-5.632, 2.734, 4.617>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-5.632, 2.734, 4.617>
  translate <-0.500, -0.866, 0.000>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <2.625, 2.625, 2.625>
  rotate <-45, 0, 217>
  translate <-8.041, 3.203, 5.121>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-8.041, 3.203, 5.121>
  translate <1.000, 0.000, 0.000>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <1.431, 1.431, 1.431>
  rotate <-7, 0, 126>
  translate <-9.440, 3.646, 5.196>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <1.431, 1.431, 1.431>
  rotate <-7, 0, 126>
  translate <-9.320, 3.646, 5.196>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-9.440, 3.646, 5.196>
  translate <-0.500, 0.866, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-9.320, 3.646, 5.196>
  translate <-0.500, 0.866, 0.000>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <0.333, 0.333, 0.333>
  rotate <3, 0, 34>
  translate <-9.821, 4.062, 5.167>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <0.333, 0.333, 0.333>
  rotate <3, 0, 34>
  translate <-9.561, 4.062, 5.167>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-9.821, 4.062, 5.167>
  translate <-0.500, -0.866, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-9.561, 4.062, 5.167>
  translate <-0.500, -0.866, 0.000>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <1.238, 1.238, 1.238>
  rotate <25, 0, 109>
  translate <-11.027, 4.453, 4.887>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <1.238, 1.238, 1.238>
  rotate <25, 0, 109>
  translate <-10.607, 4.453, 4.887>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-11.027, 4.453, 4.887>
  translate <1.000, 0.000, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-10.607, 4.453, 4.887>
  translate <1.000, 0.000, 0.000>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <2.042, 2.042, 2.042>
  rotate <66, 0, 167>
  translate <-12.885, 4.818, 4.153>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <2.042, 2.042, 2.042>
  rotate <66, 0, 167>
  translate <-12.285, 4.818, 4.153>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-12.885, 4.818, 4.153>
  translate <-0.500, 0.866, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-12.285, 4.818, 4.153>
  translate <-0.500, 0.866, 0.000>
 }
  object {JSegment
  scale <0.542, 0.542, 0.542>
  rotate <24, 0, 48>
  translate <-13.419, 5.156, 3.890>
 }
  object {JSegment
  scale <0.542, 0.542, 0.542>
  rotate <24, 0, 48>
  translate <-12.619, 5.156, 3.890>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-13.419, 5.156, 3.890>
  translate <-0.500, -0.866, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-12.619, 5.156, 3.890>
  translate <-0.500, -0.866, 0.000>
 }
  object {JSegment
  scale <0.500, 0.500, 0.500>
  rotate <27, 0, 42>
  translate <-13.890, 5.469, 3.590>
 }
  object {JSegment
  scale <0.500, 0.500, 0.500>
  rotate <27, 0, 42>
  translate <-12.870, 5.469, 3.590>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-13.890, 5.469, 3.590>
  translate <1.000, 0.000, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-12.870, 5.469, 3.590>
  translate <1.000, 0.000, 0.000>
 }
 }
#declare Branch1 = 
 union {
  object { 
  PredBranch
  texture {pigment {color red 1 green 1 blue 1}}
  scale <0.700, 0.700, 0.700>
  rotate <0, 0, 0>
  rotate <0, 0, 0>
  }
  object { 
  PredBranch
  texture {pigment {color red 1 green 1 blue 1}}
  scale <0.700, 0.700, 0.700>
  rotate <0, 0, 0>
  rotate <0, 120, 0>
  }
  object { 
  PredBranch
  texture {pigment {color red 1 green 1 blue 1}}
  scale <0.700, 0.700, 0.700>
  rotate <0, 0, 0>
  rotate <0, 240, 0>
  }
}
#declare W1 = 
 union {
  object {JSegment
  scale <0.958, 0.958, 0.958>
  rotate <-66, 0, 47>
  translate <-0.518, 0.599, 0.734>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-0.518, 0.599, 0.734>
  translate <-0.500, 0.866, 0.000>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <3.208, 3.208, 3.208>
  rotate <-195, 0, 187>
  translate <-2.600, 1.172, 2.905>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-2.600, 1.172, 2.905>
  translate <-0.500, -0.866, 0.000>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <1.767, 1.767, 1.767>
  rotate <-91, 0, 118>
  translate <-3.913, 1.719, 3.915>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-3.913, 1.719, 3.915>
  translate <1.000, 0.000, 0.000>
 }
  object { Branch1
  scale <0.875, 0.875, 0.875>
  rotate <-91, 0, 118>
  translate <-3.913, 1.719, 3.915>
 }
  object { Branch1
  scale <0.875, 0.875, 0.875>
  rotate <91, 0, -118>
  translate <-3.913, 1.719, 3.915>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <0.417, 0.417, 0.417>
  rotate <-17, 0, 31>
  translate <-4.255, 2.240, 4.105>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-4.255, 2.240, 4.105>
  translate <-0.500, 0.866, 0.000>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <1.568, 1.568, 1.568>
  rotate <-46, 0, 124>
  translate <-5.632, 2.734, 4.617>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-5.632, 2.734, 4.617>
  translate <-0.500, -0.866, 0.000>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <2.625, 2.625, 2.625>
  rotate <-45, 0, 217>
  translate <-8.041, 3.203, 5.121>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-8.041, 3.203, 5.121>
  translate <1.000, 0.000, 0.000>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <1.431, 1.431, 1.431>
  rotate <-7, 0, 126>
  translate <-9.440, 3.646, 5.196>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <1.431, 1.431, 1.431>
  rotate <-7, 0, 126>
  translate <-9.320, 3.646, 5.196>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-9.440, 3.646, 5.196>
  translate <-0.500, 0.866, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-9.320, 3.646, 5.196>
  translate <-0.500, 0.866, 0.000>
 }
  object { Branch1
  scale <0.708, 0.708, 0.708>
  rotate <-7, 0, 126>
  translate <-9.440, 3.646, 5.196>
 }
  object { Branch1
  scale <0.708, 0.708, 0.708>
  rotate <7, 0, -126>
  translate <-9.320, 3.646, 5.196>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <0.333, 0.333, 0.333>
  rotate <3, 0, 34>
  translate <-9.821, 4.062, 5.167>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <0.333, 0.333, 0.333>
  rotate <3, 0, 34>
  translate <-9.561, 4.062, 5.167>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-9.821, 4.062, 5.167>
  translate <-0.500, -0.866, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-9.561, 4.062, 5.167>
  translate <-0.500, -0.866, 0.000>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <1.238, 1.238, 1.238>
  rotate <25, 0, 109>
  translate <-11.027, 4.453, 4.887>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <1.238, 1.238, 1.238>
  rotate <25, 0, 109>
  translate <-10.607, 4.453, 4.887>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-11.027, 4.453, 4.887>
  translate <1.000, 0.000, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-10.607, 4.453, 4.887>
  translate <1.000, 0.000, 0.000>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <2.042, 2.042, 2.042>
  rotate <66, 0, 167>
  translate <-12.885, 4.818, 4.153>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <2.042, 2.042, 2.042>
  rotate <66, 0, 167>
  translate <-12.285, 4.818, 4.153>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-12.885, 4.818, 4.153>
  translate <-0.500, 0.866, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-12.285, 4.818, 4.153>
  translate <-0.500, 0.866, 0.000>
 }
  object {JSegment
  scale <0.542, 0.542, 0.542>
  rotate <24, 0, 48>
  translate <-13.419, 5.156, 3.890>
 }
  object {JSegment
  scale <0.542, 0.542, 0.542>
  rotate <24, 0, 48>
  translate <-12.619, 5.156, 3.890>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-13.419, 5.156, 3.890>
  translate <-0.500, -0.866, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-12.619, 5.156, 3.890>
  translate <-0.500, -0.866, 0.000>
 }
  object { Branch1
  scale <0.542, 0.542, 0.542>
  rotate <24, 0, 48>
  translate <-13.419, 5.156, 3.890>
 }
  object { Branch1
  scale <0.542, 0.542, 0.542>
  rotate <-24, 0, -48>
  translate <-12.619, 5.156, 3.890>
 }
  object {JSegment
  scale <0.500, 0.500, 0.500>
  rotate <27, 0, 42>
  translate <-13.890, 5.469, 3.590>
 }
  object {JSegment
  scale <0.500, 0.500, 0.500>
  rotate <27, 0, 42>
  translate <-12.870, 5.469, 3.590>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-13.890, 5.469, 3.590>
  translate <1.000, 0.000, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-12.870, 5.469, 3.590>
  translate <1.000, 0.000, 0.000>
 }
 }
#declare Branch2 = 
 union {
  object { 
  PredBranch
  texture {pigment {color red 1 green 1 blue 1}}
  scale <0.700, 0.700, 0.700>
  rotate <0, 0, 0>
  rotate <0, 0, 0>
  }
  object { 
  PredBranch
  texture {pigment {color red 1 green 1 blue 1}}
  scale <0.700, 0.700, 0.700>
  rotate <0, 0, 0>
  rotate <0, 120, 0>
  }
  object { 
  PredBranch
  texture {pigment {color red 1 green 1 blue 1}}
  scale <0.700, 0.700, 0.700>
  rotate <0, 0, 0>
  rotate <0, 240, 0>
  }
}
#declare W2 = 
 union {
  object {JSegment
  scale <0.958, 0.958, 0.958>
  rotate <-66, 0, 47>
  translate <-0.518, 0.599, 0.734>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-0.518, 0.599, 0.734>
  translate <-0.500, 0.866, 0.000>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <3.208, 3.208, 3.208>
  rotate <-195, 0, 187>
  translate <-2.600, 1.172, 2.905>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-2.600, 1.172, 2.905>
  translate <-0.500, -0.866, 0.000>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <1.767, 1.767, 1.767>
  rotate <-91, 0, 118>
  translate <-3.913, 1.719, 3.915>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-3.913, 1.719, 3.915>
  translate <1.000, 0.000, 0.000>
 }
  object { Branch2
  scale <0.875, 0.875, 0.875>
  rotate <-91, 0, 118>
  translate <-3.913, 1.719, 3.915>
 }
  object { Branch2
  scale <0.875, 0.875, 0.875>
  rotate <91, 0, -118>
  translate <-3.913, 1.719, 3.915>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <0.417, 0.417, 0.417>
  rotate <-17, 0, 31>
  translate <-4.255, 2.240, 4.105>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-4.255, 2.240, 4.105>
  translate <-0.500, 0.866, 0.000>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <1.568, 1.568, 1.568>
  rotate <-46, 0, 124>
  translate <-5.632, 2.734, 4.617>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-5.632, 2.734, 4.617>
  translate <-0.500, -0.866, 0.000>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <2.625, 2.625, 2.625>
  rotate <-45, 0, 217>
  translate <-8.041, 3.203, 5.121>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-8.041, 3.203, 5.121>
  translate <1.000, 0.000, 0.000>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <1.431, 1.431, 1.431>
  rotate <-7, 0, 126>
  translate <-9.440, 3.646, 5.196>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <1.431, 1.431, 1.431>
  rotate <-7, 0, 126>
  translate <-9.320, 3.646, 5.196>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-9.440, 3.646, 5.196>
  translate <-0.500, 0.866, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-9.320, 3.646, 5.196>
  translate <-0.500, 0.866, 0.000>
 }
  object { Branch2
  scale <0.708, 0.708, 0.708>
  rotate <-7, 0, 126>
  translate <-9.440, 3.646, 5.196>
 }
  object { Branch2
  scale <0.708, 0.708, 0.708>
  rotate <7, 0, -126>
  translate <-9.320, 3.646, 5.196>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <0.333, 0.333, 0.333>
  rotate <3, 0, 34>
  translate <-9.821, 4.062, 5.167>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <0.333, 0.333, 0.333>
  rotate <3, 0, 34>
  translate <-9.561, 4.062, 5.167>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-9.821, 4.062, 5.167>
  translate <-0.500, -0.866, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-9.561, 4.062, 5.167>
  translate <-0.500, -0.866, 0.000>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <1.238, 1.238, 1.238>
  rotate <25, 0, 109>
  translate <-11.027, 4.453, 4.887>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <1.238, 1.238, 1.238>
  rotate <25, 0, 109>
  translate <-10.607, 4.453, 4.887>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-11.027, 4.453, 4.887>
  translate <1.000, 0.000, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-10.607, 4.453, 4.887>
  translate <1.000, 0.000, 0.000>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <2.042, 2.042, 2.042>
  rotate <66, 0, 167>
  translate <-12.885, 4.818, 4.153>
 }
  object {JSegment
  texture {pigment {color red 1 green 1 blue 1}}
  scale <2.042, 2.042, 2.042>
  rotate <66, 0, 167>
  translate <-12.285, 4.818, 4.153>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-12.885, 4.818, 4.153>
  translate <-0.500, 0.866, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-12.285, 4.818, 4.153>
  translate <-0.500, 0.866, 0.000>
 }
  object {JSegment
  scale <0.542, 0.542, 0.542>
  rotate <24, 0, 48>
  translate <-13.419, 5.156, 3.890>
 }
  object {JSegment
  scale <0.542, 0.542, 0.542>
  rotate <24, 0, 48>
  translate <-12.619, 5.156, 3.890>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-13.419, 5.156, 3.890>
  translate <-0.500, -0.866, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-12.619, 5.156, 3.890>
  translate <-0.500, -0.866, 0.000>
 }
  object { Branch2
  scale <0.542, 0.542, 0.542>
  rotate <24, 0, 48>
  translate <-13.419, 5.156, 3.890>
 }
  object { Branch2
  scale <0.542, 0.542, 0.542>
  rotate <-24, 0, -48>
  translate <-12.619, 5.156, 3.890>
 }
  object {JSegment
  scale <0.500, 0.500, 0.500>
  rotate <27, 0, 42>
  translate <-13.890, 5.469, 3.590>
 }
  object {JSegment
  scale <0.500, 0.500, 0.500>
  rotate <27, 0, 42>
  translate <-12.870, 5.469, 3.590>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-13.890, 5.469, 3.590>
  translate <1.000, 0.000, 0.000>
 }
  object { HelixObj
  texture {pigment {color red 1 green 1 blue 1}}
  rotate <0, 0, 0>
  translate <-12.870, 5.469, 3.590>
  translate <1.000, 0.000, 0.000>
 }
 }
 
#declare JWorm =
 union {
  object { W2
 }
  object {
 PredBase
  texture {pigment {color red 1 green 1 blue 1}}
  scale <0.700, 0.700, 0.700>
  rotate <0, 0, 10>
  rotate <0, 0, 0>
 }
  object {
 PredBase
  texture {pigment {color red 1 green 1 blue 1}}
  scale <0.700, 0.700, 0.700>
  rotate <0, 0, 10>
  rotate <0, 120, 0>
 }
  object {
 PredBase
  texture {pigment {color red 1 green 1 blue 1}}
  scale <0.700, 0.700, 0.700>
  rotate <0, 0, 10>
  rotate <0, 240, 0>
 }
 #declare TotTops = union { 
  object {PredTop
  scale <0.700, 0.700, 0.700>
  rotate <0, 0, 10>
  rotate <0, 0, 0>
 }
  object {PredTop
  scale <0.700, 0.700, 0.700>
  rotate <0, 0, 10>
  rotate <0, 120, 0>
 }
  object {PredTop
  scale <0.700, 0.700, 0.700>
  rotate <0, 0, 10>
  rotate <0, 240, 0>
 }
 }
  object {TotTops
  texture {pigment {color red 1 green 1 blue 1}}
  scale <1.000, 1.000, 1.000>
  rotate <27, 0, 42>
  translate <-13.890, 5.469, 3.590>
 }
  object {TotTops
  texture {pigment {color red 1 green 1 blue 1}}
  scale <1.000, 1.000, 1.000>
  rotate <-27, 0, -42>
  translate <-12.870, 5.469, 3.590>
 }
 #declare TotTops = union { 
  object {PredTop
  scale <0.700, 0.700, 0.700>
  rotate <0, 0, 10>
  rotate <0, 0, 0>
 }
  object {PredTop
  scale <0.700, 0.700, 0.700>
  rotate <0, 0, 10>
  rotate <0, 120, 0>
 }
  object {PredTop
  scale <0.700, 0.700, 0.700>
  rotate <0, 0, 10>
  rotate <0, 240, 0>
 }
 }
  object {TotTops
  texture {pigment {color red 1 green 1 blue 1}}
  scale <0.833, 0.833, 0.833>
  rotate <94, 120, 50>
  translate <-14.445, 7.344, 2.549>
 }
  object {TotTops
  texture {pigment {color red 1 green 1 blue 1}}
  scale <0.833, 0.833, 0.833>
  rotate <-94, 120, -50>
  translate <-13.185, 7.344, 2.549>
 }
 #declare TotTops = union { 
  object {PredTop
  scale <0.700, 0.700, 0.700>
  rotate <0, 0, 10>
  rotate <0, 0, 0>
 }
  object {PredTop
  scale <0.700, 0.700, 0.700>
  rotate <0, 0, 10>
  rotate <0, 120, 0>
 }
  object {PredTop
  scale <0.700, 0.700, 0.700>
  rotate <0, 0, 10>
  rotate <0, 240, 0>
 }
 }
  object {TotTops
  texture {pigment {color red 1 green 1 blue 1}}
  scale <0.667, 0.667, 0.667>
  rotate <128, 240, 47>
  translate <-14.970, 9.219, 1.129>
 }
  object {TotTops
  texture {pigment {color red 1 green 1 blue 1}}
  scale <0.667, 0.667, 0.667>
  rotate <-128, 240, -47>
  translate <-13.470, 9.219, 1.129>
 }
  object { TopHart
  texture {pigment {color red 1 green 1 blue 1}}
  scale <1, 1, 1>
  translate <-15.454, 11.794, -0.638>
 }
  object { TopHart
  texture {pigment {color red 1 green 1 blue 1}}
  scale <1, 1, 1>
  translate <-13.714, 11.794, -0.638>
 }
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
 
