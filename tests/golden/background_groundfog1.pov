//----------------Background--------------------------
fog {
distance 2000
 color rgbt < 0.500, 0.550, 0.650, 0.50>
fog_type 2
fog_offset 10
fog_alt 2
}
 
