//----------------Background--------------------------
#declare bg_pigment = pigment {
  image_map
  {
    bmp
    "C:\pics\sunset.bmp"
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
 
