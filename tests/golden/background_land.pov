//----------------Background--------------------------
plane { y, -10
 texture {pigment { color rgbf <0.9882,0.9020,0.7882,0>} normal { bumps   turbulence 0.7 lambda 2 omega 0.5 octaves 3 frequency 1 phase 0 scale 6 } finish { ambient 0.15 diffuse 0.6 roughness 1/100 } scale <1,1,1> rotate <0,0,0>}
hollow
}
 
