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
 
#declare DSSegment = object {Bol}
 
#declare DWorm = 
 union { 
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <0, 0, 0>
  translate <4.994, 0.000, 0.236>
  translate <1.411, -0.508, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <3, 5, 20>
  translate <4.978, 0.075, 0.471>
  translate <1.156, -0.956, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <5, 9, 40>
  translate <4.950, 0.150, 0.705>
  translate <0.764, -1.291, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <8, 14, 59>
  translate <4.911, 0.225, 0.937>
  translate <0.281, -1.473, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <11, 18, 79>
  translate <4.862, 0.300, 1.167>
  translate <-0.235, -1.482, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <14, 23, 99>
  translate <4.801, 0.375, 1.395>
  translate <-0.723, -1.314, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <16, 27, 119>
  translate <4.730, 0.450, 1.620>
  translate <-1.125, -0.992, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <19, 32, 139>
  translate <4.649, 0.525, 1.841>
  translate <-1.395, -0.552, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <22, 36, 158>
  translate <4.557, 0.600, 2.058>
  translate <-1.499, -0.047, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <24, 41, 178>
  translate <4.455, 0.675, 2.270>
  translate <-1.427, 0.464, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <27, 45, 198>
  translate <4.343, 0.750, 2.477>
  translate <-1.185, 0.919, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <30, 50, 218>
  translate <4.222, 0.825, 2.679>
  translate <-0.804, 1.266, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <32, 54, 238>
  translate <4.091, 0.900, 2.875>
  translate <-0.327, 1.464, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <35, 59, 257>
  translate <3.951, 0.975, 3.065>
  translate <0.188, 1.488, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <38, 63, 277>
  translate <3.802, 1.050, 3.247>
  translate <0.681, 1.337, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <41, 68, 297>
  translate <3.645, 1.125, 3.423>
  translate <1.093, 1.027, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <43, 72, 317>
  translate <3.480, 1.200, 3.591>
  translate <1.377, 0.596, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <46, 77, 337>
  translate <3.307, 1.275, 3.751>
  translate <1.497, 0.094, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <49, 81, 356>
  translate <3.126, 1.350, 3.902>
  translate <1.440, -0.418, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <51, 86, 376>
  translate <2.939, 1.425, 4.045>
  translate <1.214, -0.882, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <54, 90, 396>
  translate <2.745, 1.500, 4.179>
  translate <0.843, -1.241, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <57, 95, 416>
  translate <2.545, 1.575, 4.304>
  translate <0.373, -1.453, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <59, 99, 436>
  translate <2.340, 1.650, 4.419>
  translate <-0.141, -1.493, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <62, 104, 455>
  translate <2.129, 1.725, 4.524>
  translate <-0.639, -1.357, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <65, 108, 475>
  translate <1.913, 1.800, 4.619>
  translate <-1.061, -1.061, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <68, 113, 495>
  translate <1.694, 1.875, 4.704>
  translate <-1.357, -0.639, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <70, 117, 515>
  translate <1.470, 1.950, 4.779>
  translate <-1.493, -0.141, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <73, 122, 535>
  translate <1.243, 2.025, 4.843>
  translate <-1.453, 0.373, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <76, 126, 554>
  translate <1.014, 2.100, 4.896>
  translate <-1.241, 0.843, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <78, 131, 574>
  translate <0.782, 2.175, 4.938>
  translate <-0.882, 1.214, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <81, 135, 594>
  translate <0.549, 2.250, 4.970>
  translate <-0.418, 1.440, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <84, 140, 614>
  translate <0.314, 2.325, 4.990>
  translate <0.094, 1.497, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <86, 144, 634>
  translate <0.079, 2.400, 4.999>
  translate <0.596, 1.377, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <89, 149, 653>
  translate <-0.157, 2.475, 4.998>
  translate <1.027, 1.093, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <92, 153, 673>
  translate <-0.392, 2.550, 4.985>
  translate <1.337, 0.681, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <94, 158, 693>
  translate <-0.627, 2.625, 4.961>
  translate <1.488, 0.188, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <97, 162, 713>
  translate <-0.860, 2.700, 4.926>
  translate <1.464, -0.327, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <100, 167, 733>
  translate <-1.091, 2.775, 4.880>
  translate <1.266, -0.804, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <103, 171, 752>
  translate <-1.319, 2.850, 4.823>
  translate <0.919, -1.185, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <105, 176, 772>
  translate <-1.545, 2.925, 4.755>
  translate <0.464, -1.427, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <108, 180, 792>
  translate <-1.767, 3.000, 4.677>
  translate <-0.047, -1.499, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <111, 185, 812>
  translate <-1.986, 3.075, 4.589>
  translate <-0.552, -1.395, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <113, 189, 832>
  translate <-2.200, 3.150, 4.490>
  translate <-0.992, -1.125, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <116, 194, 851>
  translate <-2.409, 3.225, 4.382>
  translate <-1.314, -0.723, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <119, 198, 871>
  translate <-2.612, 3.300, 4.263>
  translate <-1.482, -0.235, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <121, 203, 891>
  translate <-2.810, 3.375, 4.135>
  translate <-1.473, 0.281, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <124, 207, 911>
  translate <-3.002, 3.450, 3.998>
  translate <-1.291, 0.764, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <127, 212, 931>
  translate <-3.187, 3.525, 3.853>
  translate <-0.956, 1.156, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <130, 216, 950>
  translate <-3.365, 3.600, 3.698>
  translate <-0.508, 1.411, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <132, 221, 970>
  translate <-3.536, 3.675, 3.536>
  translate <0.000, 1.500, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <135, 225, 990>
  translate <-3.698, 3.750, 3.365>
  translate <0.508, 1.411, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <138, 230, 1.01E3>
  translate <-3.853, 3.825, 3.187>
  translate <0.956, 1.156, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <140, 234, 1.03E3>
  translate <-3.998, 3.900, 3.002>
  translate <1.291, 0.764, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <143, 239, 1.05E3>
  translate <-4.135, 3.975, 2.810>
  translate <1.473, 0.281, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <146, 243, 1.07E3>
  translate <-4.263, 4.050, 2.612>
  translate <1.482, -0.235, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <148, 248, 1.09E3>
  translate <-4.382, 4.125, 2.409>
  translate <1.314, -0.723, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <151, 252, 1.11E3>
  translate <-4.490, 4.200, 2.200>
  translate <0.992, -1.125, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <154, 257, 1.13E3>
  translate <-4.589, 4.275, 1.986>
  translate <0.552, -1.395, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <157, 261, 1.15E3>
  translate <-4.677, 4.350, 1.767>
  translate <0.047, -1.499, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <159, 266, 1.17E3>
  translate <-4.755, 4.425, 1.545>
  translate <-0.464, -1.427, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <162, 270, 1.19E3>
  translate <-4.823, 4.500, 1.319>
  translate <-0.919, -1.185, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <165, 275, 1.21E3>
  translate <-4.880, 4.575, 1.091>
  translate <-1.266, -0.804, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <167, 279, 1.23E3>
  translate <-4.926, 4.650, 0.860>
  translate <-1.464, -0.327, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <170, 284, 1.25E3>
  translate <-4.961, 4.725, 0.627>
  translate <-1.488, 0.188, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <173, 288, 1.27E3>
  translate <-4.985, 4.800, 0.392>
  translate <-1.337, 0.681, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <175, 293, 1.29E3>
  translate <-4.998, 4.875, 0.157>
  translate <-1.027, 1.093, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <178, 297, 1.31E3>
  translate <-4.999, 4.950, -0.079>
  translate <-0.596, 1.377, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <181, 302, 1.33E3>
  translate <-4.990, 5.025, -0.314>
  translate <-0.094, 1.497, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <184, 306, 1.35E3>
  translate <-4.970, 5.100, -0.549>
  translate <0.418, 1.440, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <186, 311, 1.37E3>
  translate <-4.938, 5.175, -0.782>
  translate <0.882, 1.214, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <189, 315, 1.39E3>
  translate <-4.896, 5.250, -1.014>
  translate <1.241, 0.843, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <192, 320, 1.41E3>
  translate <-4.843, 5.325, -1.243>
  translate <1.453, 0.373, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <194, 324, 1.43E3>
  translate <-4.779, 5.400, -1.470>
  translate <1.493, -0.141, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <197, 329, 1.45E3>
  translate <-4.704, 5.475, -1.694>
  translate <1.357, -0.639, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <200, 333, 1.47E3>
  translate <-4.619, 5.550, -1.913>
  translate <1.061, -1.061, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <202, 338, 1.49E3>
  translate <-4.524, 5.625, -2.129>
  translate <0.639, -1.357, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <205, 342, 1.5E3>
  translate <-4.419, 5.700, -2.340>
  translate <0.141, -1.493, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <208, 347, 1.52E3>
  translate <-4.304, 5.775, -2.545>
  translate <-0.373, -1.453, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <211, 351, 1.54E3>
  translate <-4.179, 5.850, -2.745>
  translate <-0.843, -1.241, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <213, 356, 1.56E3>
  translate <-4.045, 5.925, -2.939>
  translate <-1.214, -0.882, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <216, 360, 1.58E3>
  translate <-3.902, 6.000, -3.126>
  translate <-1.440, -0.418, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <219, 365, 1.6E3>
  translate <-3.751, 6.075, -3.307>
  translate <-1.497, 0.094, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <221, 369, 1.62E3>
  translate <-3.591, 6.150, -3.480>
  translate <-1.377, 0.596, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <224, 374, 1.64E3>
  translate <-3.423, 6.225, -3.645>
  translate <-1.093, 1.027, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <227, 378, 1.66E3>
  translate <-3.247, 6.300, -3.802>
  translate <-0.681, 1.337, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <229, 383, 1.68E3>
  translate <-3.065, 6.375, -3.951>
  translate <-0.188, 1.488, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <232, 387, 1.7E3>
  translate <-2.875, 6.450, -4.091>
  translate <0.327, 1.464, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <235, 392, 1.72E3>
  translate <-2.679, 6.525, -4.222>
  translate <0.804, 1.266, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <238, 396, 1.74E3>
  translate <-2.477, 6.600, -4.343>
  translate <1.185, 0.919, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <240, 401, 1.76E3>
  translate <-2.270, 6.675, -4.455>
  translate <1.427, 0.464, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <243, 405, 1.78E3>
  translate <-2.058, 6.750, -4.557>
  translate <1.499, -0.047, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <246, 410, 1.8E3>
  translate <-1.841, 6.825, -4.649>
  translate <1.395, -0.552, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <248, 414, 1.82E3>
  translate <-1.620, 6.900, -4.730>
  translate <1.125, -0.992, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <251, 419, 1.84E3>
  translate <-1.395, 6.975, -4.801>
  translate <0.723, -1.314, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <254, 423, 1.86E3>
  translate <-1.167, 7.050, -4.862>
  translate <0.235, -1.482, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <256, 428, 1.88E3>
  translate <-0.937, 7.125, -4.911>
  translate <-0.281, -1.473, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <259, 432, 1.9E3>
  translate <-0.705, 7.200, -4.950>
  translate <-0.764, -1.291, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <262, 437, 1.92E3>
  translate <-0.471, 7.275, -4.978>
  translate <-1.156, -0.956, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <265, 441, 1.94E3>
  translate <-0.236, 7.350, -4.994>
  translate <-1.411, -0.508, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <267, 446, 1.96E3>
  translate <0.000, 7.425, -5.000>
  translate <-1.500, 0.000, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <270, 450, 1.98E3>
  translate <0.236, 7.500, -4.994>
  translate <-1.411, 0.508, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <273, 455, 2E3>
  translate <0.471, 7.575, -4.978>
  translate <-1.156, 0.956, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <275, 459, 2.02E3>
  translate <0.705, 7.650, -4.950>
  translate <-0.764, 1.291, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <278, 464, 2.04E3>
  translate <0.937, 7.725, -4.911>
  translate <-0.281, 1.473, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <281, 468, 2.06E3>
  translate <1.167, 7.800, -4.862>
  translate <0.235, 1.482, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <283, 473, 2.08E3>
  translate <1.395, 7.875, -4.801>
  translate <0.723, 1.314, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <286, 477, 2.1E3>
  translate <1.620, 7.950, -4.730>
  translate <1.125, 0.992, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <289, 482, 2.12E3>
  translate <1.841, 8.025, -4.649>
  translate <1.395, 0.552, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <292, 486, 2.14E3>
  translate <2.058, 8.100, -4.557>
  translate <1.499, 0.047, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <294, 491, 2.16E3>
  translate <2.270, 8.175, -4.455>
  translate <1.427, -0.464, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <297, 495, 2.18E3>
  translate <2.477, 8.250, -4.343>
  translate <1.185, -0.919, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <300, 500, 2.2E3>
  translate <2.679, 8.325, -4.222>
  translate <0.804, -1.266, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <302, 504, 2.22E3>
  translate <2.875, 8.400, -4.091>
  translate <0.327, -1.464, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <305, 509, 2.24E3>
  translate <3.065, 8.475, -3.951>
  translate <-0.188, -1.488, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <308, 513, 2.26E3>
  translate <3.247, 8.550, -3.802>
  translate <-0.681, -1.337, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <311, 518, 2.28E3>
  translate <3.423, 8.625, -3.645>
  translate <-1.093, -1.027, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <313, 522, 2.3E3>
  translate <3.591, 8.700, -3.480>
  translate <-1.377, -0.596, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <316, 527, 2.32E3>
  translate <3.751, 8.775, -3.307>
  translate <-1.497, -0.094, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <319, 531, 2.34E3>
  translate <3.902, 8.850, -3.126>
  translate <-1.440, 0.418, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <321, 536, 2.36E3>
  translate <4.045, 8.925, -2.939>
  translate <-1.214, 0.882, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <324, 540, 2.38E3>
  translate <4.179, 9.000, -2.745>
  translate <-0.843, 1.241, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <327, 545, 2.4E3>
  translate <4.304, 9.075, -2.545>
  translate <-0.373, 1.453, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <329, 549, 2.42E3>
  translate <4.419, 9.150, -2.340>
  translate <0.141, 1.493, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <332, 554, 2.44E3>
  translate <4.524, 9.225, -2.129>
  translate <0.639, 1.357, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <335, 558, 2.46E3>
  translate <4.619, 9.300, -1.913>
  translate <1.061, 1.061, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <338, 563, 2.48E3>
  translate <4.704, 9.375, -1.694>
  translate <1.357, 0.639, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <340, 567, 2.49E3>
  translate <4.779, 9.450, -1.470>
  translate <1.493, 0.141, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <343, 572, 2.51E3>
  translate <4.843, 9.525, -1.243>
  translate <1.453, -0.373, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <346, 576, 2.53E3>
  translate <4.896, 9.600, -1.014>
  translate <1.241, -0.843, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <348, 581, 2.55E3>
  translate <4.938, 9.675, -0.782>
  translate <0.882, -1.214, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <351, 585, 2.57E3>
  translate <4.970, 9.750, -0.549>
  translate <0.418, -1.440, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <354, 590, 2.59E3>
  translate <4.990, 9.825, -0.314>
  translate <-0.094, -1.497, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <356, 594, 2.61E3>
  translate <4.999, 9.900, -0.079>
  translate <-0.596, -1.377, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <359, 599, 2.63E3>
  translate <4.998, 9.975, 0.157>
  translate <-1.027, -1.093, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <362, 603, 2.65E3>
  translate <4.985, 10.050, 0.392>
  translate <-1.337, -0.681, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <365, 608, 2.67E3>
  translate <4.961, 10.125, 0.627>
  translate <-1.488, -0.188, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <367, 612, 2.69E3>
  translate <4.926, 10.200, 0.860>
  translate <-1.464, 0.327, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <370, 617, 2.71E3>
  translate <4.880, 10.275, 1.091>
  translate <-1.266, 0.804, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <373, 621, 2.73E3>
  translate <4.823, 10.350, 1.319>
  translate <-0.919, 1.185, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <375, 626, 2.75E3>
  translate <4.755, 10.425, 1.545>
  translate <-0.464, 1.427, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <378, 630, 2.77E3>
  translate <4.677, 10.500, 1.767>
  translate <0.047, 1.499, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <381, 635, 2.79E3>
  translate <4.589, 10.575, 1.986>
  translate <0.552, 1.395, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <383, 639, 2.81E3>
  translate <4.490, 10.650, 2.200>
  translate <0.992, 1.125, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <386, 644, 2.83E3>
  translate <4.382, 10.725, 2.409>
  translate <1.314, 0.723, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <389, 648, 2.85E3>
  translate <4.263, 10.800, 2.612>
  translate <1.482, 0.235, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <392, 653, 2.87E3>
  translate <4.135, 10.875, 2.810>
  translate <1.473, -0.281, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <394, 657, 2.89E3>
  translate <3.998, 10.950, 3.002>
  translate <1.291, -0.764, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <397, 662, 2.91E3>
  translate <3.853, 11.025, 3.187>
  translate <0.956, -1.156, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <400, 666, 2.93E3>
  translate <3.698, 11.100, 3.365>
  translate <0.508, -1.411, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <402, 671, 2.95E3>
  translate <3.536, 11.175, 3.536>
  translate <0.000, -1.500, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <405, 675, 2.97E3>
  translate <3.365, 11.250, 3.698>
  translate <-0.508, -1.411, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <408, 680, 2.99E3>
  translate <3.187, 11.325, 3.853>
  translate <-0.956, -1.156, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <410, 684, 3.01E3>
  translate <3.002, 11.400, 3.998>
  translate <-1.291, -0.764, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <413, 689, 3.03E3>
  translate <2.810, 11.475, 4.135>
  translate <-1.473, -0.281, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <416, 693, 3.05E3>
  translate <2.612, 11.550, 4.263>
  translate <-1.482, 0.235, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <419, 698, 3.07E3>
  translate <2.409, 11.625, 4.382>
  translate <-1.314, 0.723, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <421, 702, 3.09E3>
  translate <2.200, 11.700, 4.490>
  translate <-0.992, 1.125, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <424, 707, 3.11E3>
  translate <1.986, 11.775, 4.589>
  translate <-0.552, 1.395, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <427, 711, 3.13E3>
  translate <1.767, 11.850, 4.677>
  translate <-0.047, 1.499, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <429, 716, 3.15E3>
  translate <1.545, 11.925, 4.755>
  translate <0.464, 1.427, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <432, 720, 3.17E3>
  translate <1.319, 12.000, 4.823>
  translate <0.919, 1.185, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <435, 725, 3.19E3>
  translate <1.091, 12.075, 4.880>
  translate <1.266, 0.804, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <437, 729, 3.21E3>
  translate <0.860, 12.150, 4.926>
  translate <1.464, 0.327, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <440, 734, 3.23E3>
  translate <0.627, 12.225, 4.961>
  translate <1.488, -0.188, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <443, 738, 3.25E3>
  translate <0.392, 12.300, 4.985>
  translate <1.337, -0.681, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <446, 743, 3.27E3>
  translate <0.157, 12.375, 4.998>
  translate <1.027, -1.093, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <448, 747, 3.29E3>
  translate <-0.079, 12.450, 4.999>
  translate <0.596, -1.377, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <451, 752, 3.31E3>
  translate <-0.314, 12.525, 4.990>
  translate <0.094, -1.497, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <454, 756, 3.33E3>
  translate <-0.549, 12.600, 4.970>
  translate <-0.418, -1.440, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <456, 761, 3.35E3>
  translate <-0.782, 12.675, 4.938>
  translate <-0.882, -1.214, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <459, 765, 3.37E3>
  translate <-1.014, 12.750, 4.896>
  translate <-1.241, -0.843, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <462, 770, 3.39E3>
  translate <-1.243, 12.825, 4.843>
  translate <-1.453, -0.373, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <464, 774, 3.41E3>
  translate <-1.470, 12.900, 4.779>
  translate <-1.493, 0.141, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <467, 779, 3.43E3>
  translate <-1.694, 12.975, 4.704>
  translate <-1.357, 0.639, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <470, 783, 3.45E3>
  translate <-1.913, 13.050, 4.619>
  translate <-1.061, 1.061, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <473, 788, 3.47E3>
  translate <-2.129, 13.125, 4.524>
  translate <-0.639, 1.357, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <475, 792, 3.48E3>
  translate <-2.340, 13.200, 4.419>
  translate <-0.141, 1.493, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <478, 797, 3.5E3>
  translate <-2.545, 13.275, 4.304>
  translate <0.373, 1.453, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <481, 801, 3.52E3>
  translate <-2.745, 13.350, 4.179>
  translate <0.843, 1.241, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <483, 806, 3.54E3>
  translate <-2.939, 13.425, 4.045>
  translate <1.214, 0.882, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <486, 810, 3.56E3>
  translate <-3.126, 13.500, 3.902>
  translate <1.440, 0.418, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <489, 815, 3.58E3>
  translate <-3.307, 13.575, 3.751>
  translate <1.497, -0.094, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <491, 819, 3.6E3>
  translate <-3.480, 13.650, 3.591>
  translate <1.377, -0.596, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <494, 824, 3.62E3>
  translate <-3.645, 13.725, 3.423>
  translate <1.093, -1.027, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <497, 828, 3.64E3>
  translate <-3.802, 13.800, 3.247>
  translate <0.681, -1.337, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <500, 833, 3.66E3>
  translate <-3.951, 13.875, 3.065>
  translate <0.188, -1.488, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <502, 837, 3.68E3>
  translate <-4.091, 13.950, 2.875>
  translate <-0.327, -1.464, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <505, 842, 3.7E3>
  translate <-4.222, 14.025, 2.679>
  translate <-0.804, -1.266, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <508, 846, 3.72E3>
  translate <-4.343, 14.100, 2.477>
  translate <-1.185, -0.919, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <510, 851, 3.74E3>
  translate <-4.455, 14.175, 2.270>
  translate <-1.427, -0.464, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <513, 855, 3.76E3>
  translate <-4.557, 14.250, 2.058>
  translate <-1.499, 0.047, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <516, 860, 3.78E3>
  translate <-4.649, 14.325, 1.841>
  translate <-1.395, 0.552, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <518, 864, 3.8E3>
  translate <-4.730, 14.400, 1.620>
  translate <-1.125, 0.992, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <521, 869, 3.82E3>
  translate <-4.801, 14.475, 1.395>
  translate <-0.723, 1.314, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <524, 873, 3.84E3>
  translate <-4.862, 14.550, 1.167>
  translate <-0.235, 1.482, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <527, 878, 3.86E3>
  translate <-4.911, 14.625, 0.937>
  translate <0.281, 1.473, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <529, 882, 3.88E3>
  translate <-4.950, 14.700, 0.705>
  translate <0.764, 1.291, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <532, 887, 3.9E3>
  translate <-4.978, 14.775, 0.471>
  translate <1.156, 0.956, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <535, 891, 3.92E3>
  translate <-4.994, 14.850, 0.236>
  translate <1.411, 0.508, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <537, 896, 3.94E3>
  translate <-5.000, 14.925, 0.000>
  translate <1.500, 0.000, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <540, 900, 3.96E3>
  translate <-4.994, 15.000, -0.236>
  translate <1.411, -0.508, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <543, 905, 3.98E3>
  translate <-4.978, 15.075, -0.471>
  translate <1.156, -0.956, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <545, 909, 4E3>
  translate <-4.950, 15.150, -0.705>
  translate <0.764, -1.291, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <548, 914, 4.02E3>
  translate <-4.911, 15.225, -0.937>
  translate <0.281, -1.473, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <551, 918, 4.04E3>
  translate <-4.862, 15.300, -1.167>
  translate <-0.235, -1.482, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <554, 923, 4.06E3>
  translate <-4.801, 15.375, -1.395>
  translate <-0.723, -1.314, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <556, 927, 4.08E3>
  translate <-4.730, 15.450, -1.620>
  translate <-1.125, -0.992, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <559, 932, 4.1E3>
  translate <-4.649, 15.525, -1.841>
  translate <-1.395, -0.552, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <562, 936, 4.12E3>
  translate <-4.557, 15.600, -2.058>
  translate <-1.499, -0.047, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <564, 941, 4.14E3>
  translate <-4.455, 15.675, -2.270>
  translate <-1.427, 0.464, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <567, 945, 4.16E3>
  translate <-4.343, 15.750, -2.477>
  translate <-1.185, 0.919, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <570, 950, 4.18E3>
  translate <-4.222, 15.825, -2.679>
  translate <-0.804, 1.266, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <572, 954, 4.2E3>
  translate <-4.091, 15.900, -2.875>
  translate <-0.327, 1.464, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <575, 959, 4.22E3>
  translate <-3.951, 15.975, -3.065>
  translate <0.188, 1.488, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <578, 963, 4.24E3>
  translate <-3.802, 16.050, -3.247>
  translate <0.681, 1.337, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <581, 968, 4.26E3>
  translate <-3.645, 16.125, -3.423>
  translate <1.093, 1.027, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <583, 972, 4.28E3>
  translate <-3.480, 16.200, -3.591>
  translate <1.377, 0.596, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <586, 977, 4.3E3>
  translate <-3.307, 16.275, -3.751>
  translate <1.497, 0.094, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <589, 981, 4.32E3>
  translate <-3.126, 16.350, -3.902>
  translate <1.440, -0.418, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <591, 986, 4.34E3>
  translate <-2.939, 16.425, -4.045>
  translate <1.214, -0.882, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <594, 990, 4.36E3>
  translate <-2.745, 16.500, -4.179>
  translate <0.843, -1.241, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <597, 995, 4.38E3>
  translate <-2.545, 16.575, -4.304>
  translate <0.373, -1.453, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <599, 999, 4.4E3>
  translate <-2.340, 16.650, -4.419>
  translate <-0.141, -1.493, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <602, 1E3, 4.42E3>
  translate <-2.129, 16.725, -4.524>
  translate <-0.639, -1.357, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <605, 1.01E3, 4.44E3>
  translate <-1.913, 16.800, -4.619>
  translate <-1.061, -1.061, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <608, 1.01E3, 4.46E3>
  translate <-1.694, 16.875, -4.704>
  translate <-1.357, -0.639, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <610, 1.02E3, 4.47E3>
  translate <-1.470, 16.950, -4.779>
  translate <-1.493, -0.141, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <613, 1.02E3, 4.49E3>
  translate <-1.243, 17.025, -4.843>
  translate <-1.453, 0.373, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <616, 1.03E3, 4.51E3>
  translate <-1.014, 17.100, -4.896>
  translate <-1.241, 0.843, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <618, 1.03E3, 4.53E3>
  translate <-0.782, 17.175, -4.938>
  translate <-0.882, 1.214, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <621, 1.04E3, 4.55E3>
  translate <-0.549, 17.250, -4.970>
  translate <-0.418, 1.440, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <624, 1.04E3, 4.57E3>
  translate <-0.314, 17.325, -4.990>
  translate <0.094, 1.497, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <626, 1.04E3, 4.59E3>
  translate <-0.079, 17.400, -4.999>
  translate <0.596, 1.377, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <629, 1.05E3, 4.61E3>
  translate <0.157, 17.475, -4.998>
  translate <1.027, 1.093, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <632, 1.05E3, 4.63E3>
  translate <0.392, 17.550, -4.985>
  translate <1.337, 0.681, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <635, 1.06E3, 4.65E3>
  translate <0.627, 17.625, -4.961>
  translate <1.488, 0.188, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <637, 1.06E3, 4.67E3>
  translate <0.860, 17.700, -4.926>
  translate <1.464, -0.327, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <640, 1.07E3, 4.69E3>
  translate <1.091, 17.775, -4.880>
  translate <1.266, -0.804, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <643, 1.07E3, 4.71E3>
  translate <1.319, 17.850, -4.823>
  translate <0.919, -1.185, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <645, 1.08E3, 4.73E3>
  translate <1.545, 17.925, -4.755>
  translate <0.464, -1.427, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <648, 1.08E3, 4.75E3>
  translate <1.767, 18.000, -4.677>
  translate <-0.047, -1.499, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <651, 1.08E3, 4.77E3>
  translate <1.986, 18.075, -4.589>
  translate <-0.552, -1.395, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <653, 1.09E3, 4.79E3>
  translate <2.200, 18.150, -4.490>
  translate <-0.992, -1.125, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <656, 1.09E3, 4.81E3>
  translate <2.409, 18.225, -4.382>
  translate <-1.314, -0.723, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <659, 1.1E3, 4.83E3>
  translate <2.612, 18.300, -4.263>
  translate <-1.482, -0.235, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <662, 1.1E3, 4.85E3>
  translate <2.810, 18.375, -4.135>
  translate <-1.473, 0.281, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <664, 1.11E3, 4.87E3>
  translate <3.002, 18.450, -3.998>
  translate <-1.291, 0.764, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <667, 1.11E3, 4.89E3>
  translate <3.187, 18.525, -3.853>
  translate <-0.956, 1.156, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <670, 1.12E3, 4.91E3>
  translate <3.365, 18.600, -3.698>
  translate <-0.508, 1.411, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <672, 1.12E3, 4.93E3>
  translate <3.536, 18.675, -3.536>
  translate <0.000, 1.500, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <675, 1.13E3, 4.95E3>
  translate <3.698, 18.750, -3.365>
  translate <0.508, 1.411, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <678, 1.13E3, 4.97E3>
  translate <3.853, 18.825, -3.187>
  translate <0.956, 1.156, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <680, 1.13E3, 4.99E3>
  translate <3.998, 18.900, -3.002>
  translate <1.291, 0.764, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <683, 1.14E3, 5.01E3>
  translate <4.135, 18.975, -2.810>
  translate <1.473, 0.281, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <686, 1.14E3, 5.03E3>
  translate <4.263, 19.050, -2.612>
  translate <1.482, -0.235, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <689, 1.15E3, 5.05E3>
  translate <4.382, 19.125, -2.409>
  translate <1.314, -0.723, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <691, 1.15E3, 5.07E3>
  translate <4.490, 19.200, -2.200>
  translate <0.992, -1.125, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <694, 1.16E3, 5.09E3>
  translate <4.589, 19.275, -1.986>
  translate <0.552, -1.395, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <697, 1.16E3, 5.11E3>
  translate <4.677, 19.350, -1.767>
  translate <0.047, -1.499, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <699, 1.17E3, 5.13E3>
  translate <4.755, 19.425, -1.545>
  translate <-0.464, -1.427, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <702, 1.17E3, 5.15E3>
  translate <4.823, 19.500, -1.319>
  translate <-0.919, -1.185, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <705, 1.17E3, 5.17E3>
  translate <4.880, 19.575, -1.091>
  translate <-1.266, -0.804, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <707, 1.18E3, 5.19E3>
  translate <4.926, 19.650, -0.860>
  translate <-1.464, -0.327, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <710, 1.18E3, 5.21E3>
  translate <4.961, 19.725, -0.627>
  translate <-1.488, 0.188, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <713, 1.19E3, 5.23E3>
  translate <4.985, 19.800, -0.392>
  translate <-1.337, 0.681, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <716, 1.19E3, 5.25E3>
  translate <4.998, 19.875, -0.157>
  translate <-1.027, 1.093, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <718, 1.2E3, 5.27E3>
  translate <4.999, 19.950, 0.079>
  translate <-0.596, 1.377, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <721, 1.2E3, 5.29E3>
  translate <4.990, 20.025, 0.314>
  translate <-0.094, 1.497, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <724, 1.21E3, 5.31E3>
  translate <4.970, 20.100, 0.549>
  translate <0.419, 1.440, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <726, 1.21E3, 5.33E3>
  translate <4.938, 20.175, 0.782>
  translate <0.882, 1.214, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <729, 1.22E3, 5.35E3>
  translate <4.896, 20.250, 1.014>
  translate <1.241, 0.843, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <732, 1.22E3, 5.37E3>
  translate <4.843, 20.325, 1.243>
  translate <1.453, 0.373, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <734, 1.22E3, 5.39E3>
  translate <4.779, 20.400, 1.470>
  translate <1.493, -0.141, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <737, 1.23E3, 5.41E3>
  translate <4.704, 20.475, 1.694>
  translate <1.357, -0.639, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <740, 1.23E3, 5.43E3>
  translate <4.619, 20.550, 1.913>
  translate <1.061, -1.061, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <743, 1.24E3, 5.44E3>
  translate <4.524, 20.625, 2.129>
  translate <0.639, -1.357, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <745, 1.24E3, 5.46E3>
  translate <4.419, 20.700, 2.340>
  translate <0.141, -1.493, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <748, 1.25E3, 5.48E3>
  translate <4.304, 20.775, 2.545>
  translate <-0.373, -1.453, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <751, 1.25E3, 5.5E3>
  translate <4.179, 20.850, 2.745>
  translate <-0.843, -1.241, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <753, 1.26E3, 5.52E3>
  translate <4.045, 20.925, 2.939>
  translate <-1.214, -0.882, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <756, 1.26E3, 5.54E3>
  translate <3.902, 21.000, 3.126>
  translate <-1.440, -0.418, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <759, 1.26E3, 5.56E3>
  translate <3.751, 21.075, 3.307>
  translate <-1.497, 0.094, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <761, 1.27E3, 5.58E3>
  translate <3.591, 21.150, 3.480>
  translate <-1.377, 0.596, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <764, 1.27E3, 5.6E3>
  translate <3.423, 21.225, 3.645>
  translate <-1.093, 1.027, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <767, 1.28E3, 5.62E3>
  translate <3.247, 21.300, 3.802>
  translate <-0.681, 1.337, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <770, 1.28E3, 5.64E3>
  translate <3.065, 21.375, 3.951>
  translate <-0.188, 1.488, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <772, 1.29E3, 5.66E3>
  translate <2.875, 21.450, 4.091>
  translate <0.327, 1.464, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <775, 1.29E3, 5.68E3>
  translate <2.679, 21.525, 4.222>
  translate <0.804, 1.266, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <778, 1.3E3, 5.7E3>
  translate <2.477, 21.600, 4.343>
  translate <1.185, 0.919, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <780, 1.3E3, 5.72E3>
  translate <2.270, 21.675, 4.455>
  translate <1.427, 0.464, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <783, 1.31E3, 5.74E3>
  translate <2.058, 21.750, 4.557>
  translate <1.499, -0.047, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <786, 1.31E3, 5.76E3>
  translate <1.841, 21.825, 4.649>
  translate <1.395, -0.552, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <788, 1.31E3, 5.78E3>
  translate <1.620, 21.900, 4.730>
  translate <1.125, -0.992, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <791, 1.32E3, 5.8E3>
  translate <1.395, 21.975, 4.801>
  translate <0.723, -1.314, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <794, 1.32E3, 5.82E3>
  translate <1.167, 22.050, 4.862>
  translate <0.235, -1.482, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <797, 1.33E3, 5.84E3>
  translate <0.937, 22.125, 4.911>
  translate <-0.281, -1.473, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <799, 1.33E3, 5.86E3>
  translate <0.704, 22.200, 4.950>
  translate <-0.764, -1.291, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <802, 1.34E3, 5.88E3>
  translate <0.471, 22.275, 4.978>
  translate <-1.156, -0.956, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <805, 1.34E3, 5.9E3>
  translate <0.236, 22.350, 4.994>
  translate <-1.411, -0.508, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <807, 1.35E3, 5.92E3>
  translate <0.000, 22.425, 5.000>
  translate <-1.500, 0.000, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <810, 1.35E3, 5.94E3>
  translate <-0.236, 22.500, 4.994>
  translate <-1.411, 0.508, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <813, 1.35E3, 5.96E3>
  translate <-0.471, 22.575, 4.978>
  translate <-1.156, 0.956, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <815, 1.36E3, 5.98E3>
  translate <-0.705, 22.650, 4.950>
  translate <-0.764, 1.291, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <818, 1.36E3, 6E3>
  translate <-0.937, 22.725, 4.911>
  translate <-0.281, 1.473, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <821, 1.37E3, 6.02E3>
  translate <-1.167, 22.800, 4.862>
  translate <0.235, 1.482, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <824, 1.37E3, 6.04E3>
  translate <-1.395, 22.875, 4.801>
  translate <0.723, 1.314, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <826, 1.38E3, 6.06E3>
  translate <-1.620, 22.950, 4.730>
  translate <1.125, 0.992, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <829, 1.38E3, 6.08E3>
  translate <-1.841, 23.025, 4.649>
  translate <1.395, 0.552, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <832, 1.39E3, 6.1E3>
  translate <-2.058, 23.100, 4.557>
  translate <1.499, 0.047, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <834, 1.39E3, 6.12E3>
  translate <-2.270, 23.175, 4.455>
  translate <1.427, -0.464, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <837, 1.4E3, 6.14E3>
  translate <-2.477, 23.250, 4.343>
  translate <1.185, -0.919, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <840, 1.4E3, 6.16E3>
  translate <-2.679, 23.325, 4.222>
  translate <0.804, -1.267, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <842, 1.4E3, 6.18E3>
  translate <-2.875, 23.400, 4.091>
  translate <0.327, -1.464, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <845, 1.41E3, 6.2E3>
  translate <-3.065, 23.475, 3.951>
  translate <-0.188, -1.488, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <848, 1.41E3, 6.22E3>
  translate <-3.247, 23.550, 3.802>
  translate <-0.681, -1.337, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <851, 1.42E3, 6.24E3>
  translate <-3.423, 23.625, 3.645>
  translate <-1.093, -1.027, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <853, 1.42E3, 6.26E3>
  translate <-3.591, 23.700, 3.480>
  translate <-1.377, -0.596, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <856, 1.43E3, 6.28E3>
  translate <-3.751, 23.775, 3.307>
  translate <-1.497, -0.094, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <859, 1.43E3, 6.3E3>
  translate <-3.902, 23.850, 3.126>
  translate <-1.440, 0.418, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <861, 1.44E3, 6.32E3>
  translate <-4.045, 23.925, 2.939>
  translate <-1.214, 0.882, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <864, 1.44E3, 6.34E3>
  translate <-4.179, 24.000, 2.745>
  translate <-0.843, 1.241, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <867, 1.44E3, 6.36E3>
  translate <-4.304, 24.075, 2.545>
  translate <-0.373, 1.453, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <869, 1.45E3, 6.38E3>
  translate <-4.419, 24.150, 2.340>
  translate <0.141, 1.493, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <872, 1.45E3, 6.4E3>
  translate <-4.524, 24.225, 2.129>
  translate <0.639, 1.357, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <875, 1.46E3, 6.42E3>
  translate <-4.619, 24.300, 1.913>
  translate <1.061, 1.061, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <878, 1.46E3, 6.43E3>
  translate <-4.704, 24.375, 1.694>
  translate <1.357, 0.639, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <880, 1.47E3, 6.45E3>
  translate <-4.779, 24.450, 1.470>
  translate <1.493, 0.141, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <883, 1.47E3, 6.47E3>
  translate <-4.843, 24.525, 1.243>
  translate <1.453, -0.373, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <886, 1.48E3, 6.49E3>
  translate <-4.896, 24.600, 1.014>
  translate <1.241, -0.843, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <888, 1.48E3, 6.51E3>
  translate <-4.938, 24.675, 0.782>
  translate <0.882, -1.214, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <891, 1.49E3, 6.53E3>
  translate <-4.970, 24.750, 0.549>
  translate <0.418, -1.440, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <894, 1.49E3, 6.55E3>
  translate <-4.990, 24.825, 0.314>
  translate <-0.094, -1.497, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <896, 1.49E3, 6.57E3>
  translate <-4.999, 24.900, 0.079>
  translate <-0.596, -1.377, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <899, 1.5E3, 6.59E3>
  translate <-4.998, 24.975, -0.157>
  translate <-1.027, -1.093, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <902, 1.5E3, 6.61E3>
  translate <-4.985, 25.050, -0.392>
  translate <-1.337, -0.681, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <905, 1.51E3, 6.63E3>
  translate <-4.961, 25.125, -0.627>
  translate <-1.488, -0.188, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <907, 1.51E3, 6.65E3>
  translate <-4.926, 25.200, -0.860>
  translate <-1.464, 0.327, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <910, 1.52E3, 6.67E3>
  translate <-4.880, 25.275, -1.091>
  translate <-1.266, 0.804, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <913, 1.52E3, 6.69E3>
  translate <-4.823, 25.350, -1.319>
  translate <-0.919, 1.185, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <915, 1.53E3, 6.71E3>
  translate <-4.755, 25.425, -1.545>
  translate <-0.464, 1.427, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <918, 1.53E3, 6.73E3>
  translate <-4.677, 25.500, -1.767>
  translate <0.047, 1.499, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <921, 1.53E3, 6.75E3>
  translate <-4.589, 25.575, -1.986>
  translate <0.552, 1.395, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <923, 1.54E3, 6.77E3>
  translate <-4.490, 25.650, -2.200>
  translate <0.992, 1.125, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <926, 1.54E3, 6.79E3>
  translate <-4.382, 25.725, -2.409>
  translate <1.314, 0.723, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <929, 1.55E3, 6.81E3>
  translate <-4.263, 25.800, -2.613>
  translate <1.482, 0.235, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <932, 1.55E3, 6.83E3>
  translate <-4.135, 25.875, -2.810>
  translate <1.473, -0.281, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <934, 1.56E3, 6.85E3>
  translate <-3.998, 25.950, -3.002>
  translate <1.291, -0.764, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <937, 1.56E3, 6.87E3>
  translate <-3.853, 26.025, -3.187>
  translate <0.956, -1.156, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <940, 1.57E3, 6.89E3>
  translate <-3.698, 26.100, -3.365>
  translate <0.508, -1.411, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <942, 1.57E3, 6.91E3>
  translate <-3.536, 26.175, -3.536>
  translate <0.000, -1.500, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <945, 1.58E3, 6.93E3>
  translate <-3.365, 26.250, -3.698>
  translate <-0.508, -1.411, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <948, 1.58E3, 6.95E3>
  translate <-3.187, 26.325, -3.853>
  translate <-0.956, -1.156, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <950, 1.58E3, 6.97E3>
  translate <-3.002, 26.400, -3.998>
  translate <-1.291, -0.764, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <953, 1.59E3, 6.99E3>
  translate <-2.810, 26.475, -4.135>
  translate <-1.473, -0.281, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <956, 1.59E3, 7.01E3>
  translate <-2.612, 26.550, -4.263>
  translate <-1.482, 0.235, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <959, 1.6E3, 7.03E3>
  translate <-2.409, 26.625, -4.382>
  translate <-1.314, 0.723, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <961, 1.6E3, 7.05E3>
  translate <-2.200, 26.700, -4.490>
  translate <-0.992, 1.125, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <964, 1.61E3, 7.07E3>
  translate <-1.986, 26.775, -4.589>
  translate <-0.552, 1.395, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <967, 1.61E3, 7.09E3>
  translate <-1.767, 26.850, -4.677>
  translate <-0.047, 1.499, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <969, 1.62E3, 7.11E3>
  translate <-1.545, 26.925, -4.755>
  translate <0.464, 1.427, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <972, 1.62E3, 7.13E3>
  translate <-1.319, 27.000, -4.823>
  translate <0.919, 1.185, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <975, 1.62E3, 7.15E3>
  translate <-1.091, 27.075, -4.880>
  translate <1.267, 0.804, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <977, 1.63E3, 7.17E3>
  translate <-0.860, 27.150, -4.926>
  translate <1.464, 0.327, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <980, 1.63E3, 7.19E3>
  translate <-0.627, 27.225, -4.961>
  translate <1.488, -0.188, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <983, 1.64E3, 7.21E3>
  translate <-0.392, 27.300, -4.985>
  translate <1.337, -0.681, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <986, 1.64E3, 7.23E3>
  translate <-0.157, 27.375, -4.998>
  translate <1.027, -1.093, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <988, 1.65E3, 7.25E3>
  translate <0.079, 27.450, -4.999>
  translate <0.596, -1.377, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <991, 1.65E3, 7.27E3>
  translate <0.314, 27.525, -4.990>
  translate <0.094, -1.497, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <994, 1.66E3, 7.29E3>
  translate <0.549, 27.600, -4.970>
  translate <-0.419, -1.440, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <996, 1.66E3, 7.31E3>
  translate <0.782, 27.675, -4.938>
  translate <-0.882, -1.214, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <999, 1.67E3, 7.33E3>
  translate <1.014, 27.750, -4.896>
  translate <-1.241, -0.843, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <1002, 1.67E3, 7.35E3>
  translate <1.243, 27.825, -4.843>
  translate <-1.453, -0.373, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <1004, 1.67E3, 7.37E3>
  translate <1.470, 27.900, -4.779>
  translate <-1.493, 0.141, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <1007, 1.68E3, 7.39E3>
  translate <1.694, 27.975, -4.704>
  translate <-1.357, 0.639, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <1010, 1.68E3, 7.41E3>
  translate <1.913, 28.050, -4.619>
  translate <-1.061, 1.061, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <1013, 1.69E3, 7.42E3>
  translate <2.129, 28.125, -4.524>
  translate <-0.639, 1.357, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <1015, 1.69E3, 7.44E3>
  translate <2.340, 28.200, -4.419>
  translate <-0.141, 1.493, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <1018, 1.7E3, 7.46E3>
  translate <2.545, 28.275, -4.304>
  translate <0.373, 1.453, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <1021, 1.7E3, 7.48E3>
  translate <2.745, 28.350, -4.179>
  translate <0.843, 1.241, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <1023, 1.71E3, 7.5E3>
  translate <2.939, 28.425, -4.045>
  translate <1.214, 0.882, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <1026, 1.71E3, 7.52E3>
  translate <3.126, 28.500, -3.902>
  translate <1.440, 0.418, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <1029, 1.71E3, 7.54E3>
  translate <3.307, 28.575, -3.751>
  translate <1.497, -0.094, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <1031, 1.72E3, 7.56E3>
  translate <3.480, 28.650, -3.591>
  translate <1.377, -0.596, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <1034, 1.72E3, 7.58E3>
  translate <3.645, 28.725, -3.423>
  translate <1.093, -1.027, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <1037, 1.73E3, 7.6E3>
  translate <3.802, 28.800, -3.247>
  translate <0.681, -1.337, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <1040, 1.73E3, 7.62E3>
  translate <3.951, 28.875, -3.065>
  translate <0.188, -1.488, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <1042, 1.74E3, 7.64E3>
  translate <4.091, 28.950, -2.875>
  translate <-0.327, -1.464, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <1045, 1.74E3, 7.66E3>
  translate <4.222, 29.025, -2.679>
  translate <-0.804, -1.266, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <1048, 1.75E3, 7.68E3>
  translate <4.343, 29.100, -2.477>
  translate <-1.185, -0.919, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <1050, 1.75E3, 7.7E3>
  translate <4.455, 29.175, -2.270>
  translate <-1.427, -0.464, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <1053, 1.76E3, 7.72E3>
  translate <4.557, 29.250, -2.058>
  translate <-1.499, 0.047, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <1056, 1.76E3, 7.74E3>
  translate <4.649, 29.325, -1.841>
  translate <-1.395, 0.552, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <1058, 1.76E3, 7.76E3>
  translate <4.730, 29.400, -1.620>
  translate <-1.125, 0.992, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <1061, 1.77E3, 7.78E3>
  translate <4.801, 29.475, -1.395>
  translate <-0.723, 1.314, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <1064, 1.77E3, 7.8E3>
  translate <4.862, 29.550, -1.167>
  translate <-0.235, 1.482, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <1067, 1.78E3, 7.82E3>
  translate <4.911, 29.625, -0.937>
  translate <0.281, 1.473, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <1069, 1.78E3, 7.84E3>
  translate <4.950, 29.700, -0.705>
  translate <0.764, 1.291, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <1072, 1.79E3, 7.86E3>
  translate <4.978, 29.775, -0.471>
  translate <1.156, 0.956, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <1075, 1.79E3, 7.88E3>
  translate <4.994, 29.850, -0.236>
  translate <1.411, 0.508, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  object {DSSegment
  scale <1.000, 1.000, 1.000>
  rotate <1077, 1.8E3, 7.9E3>
  translate <5.000, 29.925, 0.000>
  translate <1.500, 0.000, 0.000>
  translate <0.000, 0.000, 0.000>
  }
  scale <1, 1, 1>
  rotate <0, 0, 0>
  translate <0, -15, 0>
  }
 
 #declare Worm1 = object {
  DWorm
   }
 
object {Worm1
  texture {pigment { color rgbf <0.9882,0.9020,0.7882,0>} scale <1,1,1> rotate <0,0,0>}
  scale <1, 1, 1>
  rotate <0, 0, 0>
  translate <0, 0, 0>
 }
 
