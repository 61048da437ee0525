//----------------Background--------------------------
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
 
