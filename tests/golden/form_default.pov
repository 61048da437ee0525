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
 
#declare FWSegment = object {Bol}
 
#declare FWorm =
 union {
  object {FWSegment
  scale <0.990, 0.990, 0.990>
  translate <0.495, 0.495, 0.495>
  rotate <0, 17, 0>
  translate <-0.495, -0.495, -0.495>
  translate <0.000, 0.080, 0.000>
}
  object {FWSegment
  scale <0.980, 0.980, 0.980>
  translate <0.490, 0.490, 0.490>
  rotate <0, 35, 0>
  translate <-0.490, -0.490, -0.490>
  translate <0.000, 0.160, 0.000>
}
  object {FWSegment
  scale <0.970, 0.970, 0.970>
  translate <0.485, 0.485, 0.485>
  rotate <0, 52, 0>
  translate <-0.485, -0.485, -0.485>
  translate <0.000, 0.240, 0.000>
}
  object {FWSegment
  scale <0.960, 0.960, 0.960>
  translate <0.480, 0.480, 0.480>
  rotate <0, 69, 0>
  translate <-0.480, -0.480, -0.480>
  translate <0.000, 0.320, 0.000>
}
  object {FWSegment
  scale <0.950, 0.950, 0.950>
  translate <0.475, 0.475, 0.475>
  rotate <0, 86, 0>
  translate <-0.475, -0.475, -0.475>
  translate <0.000, 0.400, 0.000>
}
  object {FWSegment
  scale <0.940, 0.940, 0.940>
  translate <0.470, 0.470, 0.470>
  rotate <0, 104, 0>
  translate <-0.470, -0.470, -0.470>
  translate <0.000, 0.480, 0.000>
}
  object {FWSegment
  scale <0.930, 0.930, 0.930>
  translate <0.465, 0.465, 0.465>
  rotate <0, 121, 0>
  translate <-0.465, -0.465, -0.465>
  translate <0.000, 0.560, 0.000>
}
  object {FWSegment
  scale <0.920, 0.920, 0.920>
  translate <0.460, 0.460, 0.460>
  rotate <0, 138, 0>
  translate <-0.460, -0.460, -0.460>
  translate <0.000, 0.640, 0.000>
}
  object {FWSegment
  scale <0.910, 0.910, 0.910>
  translate <0.455, 0.455, 0.455>
  rotate <0, 156, 0>
  translate <-0.455, -0.455, -0.455>
  translate <0.000, 0.720, 0.000>
}
  object {FWSegment
  scale <0.900, 0.900, 0.900>
  translate <0.450, 0.450, 0.450>
  rotate <0, 173, 0>
  translate <-0.450, -0.450, -0.450>
  translate <0.000, 0.800, 0.000>
}
  object {FWSegment
  scale <0.890, 0.890, 0.890>
  translate <0.445, 0.445, 0.445>
  rotate <0, 190, 0>
  translate <-0.445, -0.445, -0.445>
  translate <0.000, 0.880, 0.000>
}
  object {FWSegment
  scale <0.880, 0.880, 0.880>
  translate <0.440, 0.440, 0.440>
  rotate <0, 207, 0>
  translate <-0.440, -0.440, -0.440>
  translate <0.000, 0.960, 0.000>
}
  object {FWSegment
  scale <0.870, 0.870, 0.870>
  translate <0.435, 0.435, 0.435>
  rotate <0, 225, 0>
  translate <-0.435, -0.435, -0.435>
  translate <0.000, 1.040, 0.000>
}
  object {FWSegment
  scale <0.860, 0.860, 0.860>
  translate <0.430, 0.430, 0.430>
  rotate <0, 242, 0>
  translate <-0.430, -0.430, -0.430>
  translate <0.000, 1.120, 0.000>
}
  object {FWSegment
  scale <0.850, 0.850, 0.850>
  translate <0.425, 0.425, 0.425>
  rotate <0, 259, 0>
  translate <-0.425, -0.425, -0.425>
  translate <0.000, 1.200, 0.000>
}
  object {FWSegment
  scale <0.840, 0.840, 0.840>
  translate <0.420, 0.420, 0.420>
  rotate <0, 276, 0>
  translate <-0.420, -0.420, -0.420>
  translate <0.000, 1.280, 0.000>
}
  object {FWSegment
  scale <0.830, 0.830, 0.830>
  translate <0.415, 0.415, 0.415>
  rotate <0, 294, 0>
  translate <-0.415, -0.415, -0.415>
  translate <0.000, 1.360, 0.000>
}
  object {FWSegment
  scale <0.820, 0.820, 0.820>
  translate <0.410, 0.410, 0.410>
  rotate <0, 311, 0>
  translate <-0.410, -0.410, -0.410>
  translate <0.000, 1.440, 0.000>
}
  object {FWSegment
  scale <0.810, 0.810, 0.810>
  translate <0.405, 0.405, 0.405>
  rotate <0, 328, 0>
  translate <-0.405, -0.405, -0.405>
  translate <0.000, 1.520, 0.000>
}
  object {FWSegment
  scale <0.800, 0.800, 0.800>
  translate <0.400, 0.400, 0.400>
  rotate <0, 346, 0>
  translate <-0.400, -0.400, -0.400>
  translate <0.000, 1.600, 0.000>
}
  object {FWSegment
  scale <0.790, 0.790, 0.790>
  translate <0.395, 0.395, 0.395>
  rotate <0, 363, 0>
  translate <-0.395, -0.395, -0.395>
  translate <0.000, 1.680, 0.000>
}
  object {FWSegment
  scale <0.780, 0.780, 0.780>
  translate <0.390, 0.390, 0.390>
  rotate <0, 380, 0>
  translate <-0.390, -0.390, -0.390>
  translate <0.000, 1.760, 0.000>
}
  object {FWSegment
  scale <0.770, 0.770, 0.770>
  translate <0.385, 0.385, 0.385>
  rotate <0, 397, 0>
  translate <-0.385, -0.385, -0.385>
  translate <0.000, 1.840, 0.000>
}
  object {FWSegment
  scale <0.760, 0.760, 0.760>
  translate <0.380, 0.380, 0.380>
  rotate <0, 415, 0>
  translate <-0.380, -0.380, -0.380>
  translate <0.000, 1.920, 0.000>
}
  object {FWSegment
  scale <0.750, 0.750, 0.750>
  translate <0.375, 0.375, 0.375>
  rotate <0, 432, 0>
  translate <-0.375, -0.375, -0.375>
  translate <0.000, 2.000, 0.000>
}
  object {FWSegment
  scale <0.740, 0.740, 0.740>
  translate <0.370, 0.370, 0.370>
  rotate <0, 449, 0>
  translate <-0.370, -0.370, -0.370>
  translate <0.000, 2.080, 0.000>
}
  object {FWSegment
  scale <0.730, 0.730, 0.730>
  translate <0.365, 0.365, 0.365>
  rotate <0, 467, 0>
  translate <-0.365, -0.365, -0.365>
  translate <0.000, 2.160, 0.000>
}
  object {FWSegment
  scale <0.720, 0.720, 0.720>
  translate <0.360, 0.360, 0.360>
  rotate <0, 484, 0>
  translate <-0.360, -0.360, -0.360>
  translate <0.000, 2.240, 0.000>
}
  object {FWSegment
  scale <0.710, 0.710, 0.710>
  translate <0.355, 0.355, 0.355>
  rotate <0, 501, 0>
  translate <-0.355, -0.355, -0.355>
  translate <0.000, 2.320, 0.000>
}
  object {FWSegment
  scale <0.700, 0.700, 0.700>
  translate <0.350, 0.350, 0.350>
  rotate <0, 518, 0>
  translate <-0.350, -0.350, -0.350>
  translate <0.000, 2.400, 0.000>
}
  object {FWSegment
  scale <0.690, 0.690, 0.690>
  translate <0.345, 0.345, 0.345>
  rotate <0, 536, 0>
  translate <-0.345, -0.345, -0.345>
  translate <0.000, 2.480, 0.000>
}
  object {FWSegment
  scale <0.680, 0.680, 0.680>
  translate <0.340, 0.340, 0.340>
  rotate <0, 553, 0>
  translate <-0.340, -0.340, -0.340>
  translate <0.000, 2.560, 0.000>
}
  object {FWSegment
  scale <0.670, 0.670, 0.670>
  translate <0.335, 0.335, 0.335>
  rotate <0, 570, 0>
  translate <-0.335, -0.335, -0.335>
  translate <0.000, 2.640, 0.000>
}
  object {FWSegment
  scale <0.660, 0.660, 0.660>
  translate <0.330, 0.330, 0.330>
  rotate <0, 588, 0>
  translate <-0.330, -0.330, -0.330>
  translate <0.000, 2.720, 0.000>
}
  object {FWSegment
  scale <0.650, 0.650, 0.650>
  translate <0.325, 0.325, 0.325>
  rotate <0, 605, 0>
  translate <-0.325, -0.325, -0.325>
  translate <0.000, 2.800, 0.000>
}
  object {FWSegment
  scale <0.640, 0.640, 0.640>
  translate <0.320, 0.320, 0.320>
  rotate <0, 622, 0>
  translate <-0.320, -0.320, -0.320>
  translate <0.000, 2.880, 0.000>
}
  object {FWSegment
  scale <0.630, 0.630, 0.630>
  translate <0.315, 0.315, 0.315>
  rotate <0, 639, 0>
  translate <-0.315, -0.315, -0.315>
  translate <0.000, 2.960, 0.000>
}
  object {FWSegment
  scale <0.620, 0.620, 0.620>
  translate <0.310, 0.310, 0.310>
  rotate <0, 657, 0>
  translate <-0.310, -0.310, -0.310>
  translate <0.000, 3.040, 0.000>
}
  object {FWSegment
  scale <0.610, 0.610, 0.610>
  translate <0.305, 0.305, 0.305>
  rotate <0, 674, 0>
  translate <-0.305, -0.305, -0.305>
  translate <0.000, 3.120, 0.000>
}
  object {FWSegment
  scale <0.600, 0.600, 0.600>
  translate <0.300, 0.300, 0.300>
  rotate <0, 691, 0>
  translate <-0.300, -0.300, -0.300>
  translate <0.000, 3.200, 0.000>
}
  object {FWSegment
  scale <0.590, 0.590, 0.590>
  translate <0.295, 0.295, 0.295>
  rotate <0, 708, 0>
  translate <-0.295, -0.295, -0.295>
  translate <0.000, 3.280, 0.000>
}
  object {FWSegment
  scale <0.580, 0.580, 0.580>
  translate <0.290, 0.290, 0.290>
  rotate <0, 726, 0>
  translate <-0.290, -0.290, -0.290>
  translate <0.000, 3.360, 0.000>
}
  object {FWSegment
  scale <0.570, 0.570, 0.570>
  translate <0.285, 0.285, 0.285>
  rotate <0, 743, 0>
  translate <-0.285, -0.285, -0.285>
  translate <0.000, 3.440, 0.000>
}
  object {FWSegment
  scale <0.560, 0.560, 0.560>
  translate <0.280, 0.280, 0.280>
  rotate <0, 760, 0>
  translate <-0.280, -0.280, -0.280>
  translate <0.000, 3.520, 0.000>
}
  object {FWSegment
  scale <0.550, 0.550, 0.550>
  translate <0.275, 0.275, 0.275>
  rotate <0, 778, 0>
  translate <-0.275, -0.275, -0.275>
  translate <0.000, 3.600, 0.000>
}
  object {FWSegment
  scale <0.540, 0.540, 0.540>
  translate <0.270, 0.270, 0.270>
  rotate <0, 795, 0>
  translate <-0.270, -0.270, -0.270>
  translate <0.000, 3.680, 0.000>
}
  object {FWSegment
  scale <0.530, 0.530, 0.530>
  translate <0.265, 0.265, 0.265>
  rotate <0, 812, 0>
  translate <-0.265, -0.265, -0.265>
  translate <0.000, 3.760, 0.000>
}
  object {FWSegment
  scale <0.520, 0.520, 0.520>
  translate <0.260, 0.260, 0.260>
  rotate <0, 829, 0>
  translate <-0.260, -0.260, -0.260>
  translate <0.000, 3.840, 0.000>
}
  object {FWSegment
  scale <0.510, 0.510, 0.510>
  translate <0.255, 0.255, 0.255>
  rotate <0, 847, 0>
  translate <-0.255, -0.255, -0.255>
  translate <0.000, 3.920, 0.000>
}
  object {FWSegment
  scale <0.500, 0.500, 0.500>
  translate <0.250, 0.250, 0.250>
  rotate <0, 864, 0>
  translate <-0.250, -0.250, -0.250>
  translate <0.000, 4.000, 0.000>
}
  scale <1, 1, 1>
  rotate <0, 0, 0>
  translate <0, 0, 0>
}
 
 #declare Worm1 = object {
  FWorm
   }
 
object {Worm1
  texture {pigment { color rgbf <0.9882,0.9020,0.7882,0>} scale <1,1,1> rotate <0,0,0>}
  scale <1, 1, 1>
  rotate <0, 0, 0>
  translate <0, 0, 0>
 }
 
