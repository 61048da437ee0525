//----------------Background--------------------------
height_field {
    png
    "land.png"
    texture {pigment { color rgbf <0.9882,0.9020,0.7882,0>} scale <1,1,1> rotate <0,0,0>}
  translate <-0.5, 0, -0.5>
  scale <150, 23, 150>
  translate <0, -20, 0>
}
 
