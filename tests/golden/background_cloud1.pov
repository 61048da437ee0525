//----------------Background--------------------------
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
 
