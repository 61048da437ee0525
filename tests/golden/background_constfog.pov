//----------------Background--------------------------
fog {
 distance 2000
 turbulence 0.0
 color rgbt <0.650, 0.700, 0.800, 0.00>
}
 
