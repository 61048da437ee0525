//----------------Background--------------------------
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
 
