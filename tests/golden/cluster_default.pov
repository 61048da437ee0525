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
 
#declare Cluster =  union {
  object {
  Worm1
  translate <1.009, 0.169, -2.360>
 }
  object {
  Worm1
  translate <3.379, -1.058, -1.156>
 }
  object {
  Worm1
  translate <-2.239, -1.107, 1.334>
 }
  object {
  Worm1
  translate <2.985, -3.944, -2.623>
 }
  object {
  Worm1
  translate <3.525, 3.323, 2.538>
 }
  object {
  Worm1
  translate <3.256, -2.484, 1.962>
 }
  object {
  Worm1
  translate <-0.248, 2.666, -2.493>
 }
  object {
  Worm1
  translate <-3.651, -1.087, 2.343>
 }
  object {
  Worm1
  translate <3.124, 1.885, -0.347>
 }
  object {
  Worm1
  translate <3.271, 2.505, 2.724>
 }
  object {
  Worm1
  translate <2.553, 0.187, -2.678>
 }
  object {
  Worm1
  translate <0.717, -2.981, 0.201>
 }
  object {
  Worm1
  translate <0.379, 2.047, 2.188>
 }
  object {
  Worm1
  translate <2.683, 0.474, -0.283>
 }
  object {
  Worm1
  translate <-2.767, -0.731, 0.349>
 }
  object {
  Worm1
  translate <0.986, -0.302, -2.436>
 }
  object {
  Worm1
  translate <-3.683, 3.682, -2.571>
 }
  object {
  Worm1
  translate <-2.843, -2.217, -2.557>
 }
  object {
  Worm1
  translate <-1.159, 2.295, 1.743>
 }
  object {
  Worm1
  translate <3.032, -2.796, -1.356>
 }
  object {
  Worm1
  translate <-3.251, -1.510, 1.664>
 }
  object {
  Worm1
  translate <-2.664, -0.029, 1.388>
 }
  object {
  Worm1
  translate <-0.005, 2.624, 1.668>
 }
  object {
  Worm1
  translate <1.028, -0.204, -0.841>
 }
  object {
  Worm1
  translate <2.140, -0.163, -0.053>
 }
  object {
  Worm1
  translate <-0.198, 1.056, 2.255>
 }
  object {
  Worm1
  translate <-3.693, -3.733, -0.065>
 }
  object {
  Worm1
  translate <-1.801, 0.035, -1.663>
 }
  object {
  Worm1
  translate <-1.864, 3.913, 0.321>
 }
  object {
  Worm1
  translate <1.047, 3.870, -1.395>
 }
 }
object {Cluster
  texture {pigment { color rgbf <0.9882,0.9020,0.7882,0>} scale <1,1,1> rotate <0,0,0>}
  scale <1, 1, 1>
  rotate <0, 0, 0>
  translate <0, 0, 0>
 }
 
