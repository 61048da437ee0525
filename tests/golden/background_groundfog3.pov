//----------------Background--------------------------
fog {
distance 2000
 color rgbt < 0.650, 0.700, 0.800, 0.50>
fog_type 2
fog_offset 25
fog_alt 1
turbulence 0.1
turb_depth 0.2
}
 
