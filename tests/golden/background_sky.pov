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
 
