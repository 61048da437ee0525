//----------------Background--------------------------
sky_sphere {
  pigment {
   gradient y
     color_map { [0 color rgb <0.650, 0.700, 0.800> ]
                 [1 color rgb <0.850, 0.700, 0.800> ]
     }
  }
  pigment {  // high stratus clouds
    wrinkles
      turbulence 0.7
      octaves 6
      lambda 5
      omega .3
    color_map {
      [0 color rgbt <1, 1, 1, 1>]
      [.5 color rgbt <.98, .99, .99, .8>]
      [1 color rgbt <1, 1, 1, 1>]
    }
    scale <.8, .1, .8>
  }
 }
 
plane {y, 900   // cloud layer 1
  texture {
    pigment { bozo
              turbulence 0.7
               omega .7
               color_map {
                 [0 color rgbt <0.800, 0.800, 0.800, 1> ]
                 [.5 color rgbt <0.800, 0.800, 0.800, .6> ]
                 [1 color rgbt <0.800, 0.800, 0.800, .2> ]
               }
    }
    finish {ambient 1 diffuse .5}
    scale 3000*1
    translate <-500, 900, -10000>
   }
   rotate y*0
   hollow
}
 
plane {-y, -1200  // cloud layer 2
  texture {
    pigment { bozo
               turbulence 0.7
               omega .7
               color_map {
                 [0 color rgbt <1, .8, .8, 1>]
                 [.5 color rgbt <1, .8, .8, .6>]
                 [1 color rgbt <1, .9, .9, .2>]
               }
    }
    finish {ambient 1 diffuse .3}
    scale 3000*1
    translate <1500, 900, -2000>
   }
   rotate y*0
   hollow
}
 
fog {
 distance 2000
 turbulence 0.0
 color rgbt <0.650, 0.700, 0.800, 0.00>
}
 
fog {
distance 2000
 color rgbt < 0.500, 0.550, 0.650, 0.50>
fog_type 2
fog_offset 10
fog_alt 2
}
 
fog {
distance 2000
 color rgbt < 0.600, 0.650, 0.750, 0.50>
fog_type 2
fog_offset 15
fog_alt 4
turbulence 0.2
turb_depth 0.2
}
 
fog {
distance 2000
 color rgbt < 0.650, 0.700, 0.800, 0.50>
fog_type 2
fog_offset 25
fog_alt 1
turbulence 0.1
turb_depth 0.2
}
 
plane { y, -10
   texture {
    pigment {color rgb <0.390, 0.410, 0.430> }
    finish {
       ambient 0.15
       brilliance 5
       diffuse 0.6
       metallic
       specular 0.80
       roughness 1/100
       reflection 0.65
      }
    normal {
       waves 0.05
       frequency 5000
       phase 0
       scale 3000
      }
   }
    hollow
}
 
plane { y, -10
 texture {pigment { color rgbf <0.9882,0.9020,0.7882,0>} normal { bumps   turbulence 0.7 lambda 2 omega 0.5 octaves 3 frequency 1 phase 0 scale 6 } finish { ambient 0.15 diffuse 0.6 roughness 1/100 } scale <1,1,1> rotate <0,0,0>}
hollow
}
 
height_field {
    tga
    "hills.tga"
    smooth
    texture {pigment { color rgbf <0.9882,0.9020,0.7882,0>} scale <1,1,1> rotate <0,0,0>}
  translate <-0.5, 0, -0.5>
  scale <150, 23, 150>
   #declare TSeed = 815 ;
   #declare TS = seed(TSeed) ;
  rotate <0,int(rand(TS)*360),0>
  translate <0, -20, 0>
}
 
#declare bg_pigment = pigment {
  image_map
  {
    png
    "stars.png"
    once
    interpolate 2
 }
}
 
#declare cam_loc = <0.0, 0.0, -30> ;
#declare lookat = <0.0, 0.0, 0.0> ;
#declare right_vect = <1.3, 0.0, 0.0> ;
#declare up_vect = <0,1,0> ;
#declare sky_vect = y ;
#declare aspect_ratio = <vlength(right_vect), vlength(up_vect), 1>;
#declare bg_distance = 100000 ;
 
#local lf_2ctr = -(cam_loc - lookat);
#local CamD = vnormalize(lookat-cam_loc);
#local CamR = vnormalize(vcross(sky_vect,CamD));
#local CamU = vnormalize(vcross(CamD,CamR));
 
  plane {
    <0,0,1>,0
    texture {
      pigment { bg_pigment }
      finish { ambient 1 diffuse 0 reflection 0 phong 0 specular 0 }
      translate <-0.5, -0.5, 0.0>
    }
    scale bg_distance*aspect_ratio
 
    matrix < CamR.x, CamR.y, CamR.z,
             CamU.x, CamU.y, CamU.z,
             CamD.x, CamD.y, CamD.z,
               0,0,0 >  // no translate
 
    translate cam_loc + bg_distance * vnormalize(lf_2ctr) 
    no_shadow hollow
  }
 
#declare galaxy_seed =12345;
#declare galaxy_colour = <1, 1, 1>;
#declare galaxy_colouration =0.5;
#declare galaxy_colour_turb =0.2;
#declare galaxy_intensity =1;
#declare galaxy_rotate =<0, 0, 0>;
#declare galaxy_bg = on ;
#declare galaxy_objects = on ;
#declare galaxy_starfield = on ;
#include "galaxy.inc"
 
