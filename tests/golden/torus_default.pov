// File : VERSION31.POV created by VERMORA v.0.99g ----------
global_settings {assumed_gamma 2.2}
 
#include "vmxpred.inc"
 
camera { 
  location <0.0, 0.0, -30>
  direction <0.0, 0.0, 1.2>
  right <1.3, 0.0, 0.0>
  look_at <0.0, 0.0, 0.0>
}
 
light_source {0*x color red 1.000 green 1.000 blue 1.000 translate <-10, 10, -30>}
light_source {0*x color red 0.600 green 0.600 blue 0.600 translate <40, 60, -60>}
 
 
 
#macro TorusSpline( TorRadius, Points, StartVect )
  #local V = StartVect;
  #local NumPts = dimension_size( Points, 1 );
  #local Cur = 0;
  #local Eps = 0.0001 * TorRadius;
  union {
  #while ( Cur < NumPts - 1 )
    #local A = Points[Cur];
    #local B = Points[Cur + 1];
    #local Straight = true;
    #local Same = ( vlength( B - A ) = 0 );

    #if ( vlength( V ) = 0 )
      #local V = B - A;
      #if ( Cur + 2 < NumPts )
        #local C = Points[Cur + 2];
        #local N0 = vcross( C - A, B - A );
        #if ( vlength( N0 ) > 0 )
          #local Straight = false;
          #local Axis = vnormalize( N0 );
          #local U1 = vnormalize( C - A );
          #local U2 = vnormalize( vcross( Axis, U1 ) );
          #local Cx = vlength( C - A );
          #local Bx = vdot( B - A, U1 );
          #local By = vdot( B - A, U2 );
          #local X0 = 0.5 * Cx;
          #local Y0 = ( 0.5 * ( Bx * Bx + By * By ) - X0 * Bx ) / By;
          #local Centre = A + X0 * U1 + Y0 * U2;
          #local Radius = vlength( Centre - A );
          #local V = vcross( Axis, Centre - A );
          #local B = C;
          #local Cur = Cur + 1;
        #end
      #end
    #else
      #local N0 = vcross( B - A, V );
      #if ( vlength( N0 ) > 0 )
        #local Axis = vnormalize( N0 );
        #local Dir = vnormalize( vcross( V, Axis ) );
        #local Cos = vdot( vnormalize( B - A ), Dir );
        #if ( Cos != 0 )
          #local Straight = false;
          #local Radius = abs( 0.5 * vlength( B - A ) / Cos );
          #local Centre = A + Radius * Dir;
        #end
      #end
    #end

    #if ( Same )
      #local V1 = V;
    #elseif ( Straight )
      #local V1 = V;
      #local Vn = vnormalize( V );
      cylinder { A - Eps * Vn, B + Eps * Vn, TorRadius }
    #else
      #local V1 = vcross( B - Centre, Axis );
      #local AxisXZ = vlength( <Axis.x, 0, Axis.z> );
      #local AngZ = 0;
      #if ( AxisXZ != 0 | Axis.y != 0 )
        #local AngZ = -degrees( atan2( AxisXZ, Axis.y ) );
      #end
      #local AngY = 0;
      #if ( Axis.z != 0 | Axis.x != 0 )
        #local AngY = -degrees( atan2( Axis.z, Axis.x ) );
      #end
      #local Vn = vnormalize( V );
      #local V1n = vnormalize( V1 );
      #local CutA = plane { -Vn, vdot( -Vn, A ) + Eps }
      #local CutB = plane { V1n, vdot( V1n, B ) + Eps }
      intersection {
        torus { Radius, TorRadius rotate <0, 0, AngZ> rotate <0, AngY, 0> translate Centre }
        #if ( vdot( vcross( V, A - Centre ), vcross( V, V1 ) ) > 0 )
          union { object { CutA } object { CutB } }
        #else
          object { CutA } object { CutB }
        #end
      }
    #end

    #local Cur = Cur + 1;
    #local V = V1;
  #end
  }
#end
//----------------------------------------------------------
#declare TorusWorm = object {TorusSpline (0.1, array[3]{<0, 0, 0>, <2, 2, 1>, <0.5, 1, 2>}, <1, 0, 0.5>)
  scale <1, 1, 1>
  rotate <0, 0, 0>
  translate <0, 0, 0>
}
 
 
 #declare Worm1 = object {
  TorusWorm
   }
 
object {Worm1
  texture {pigment { color rgbf <0.9882,0.9020,0.7882,0>} scale <1,1,1> rotate <0,0,0>}
  scale <1, 1, 1>
  rotate <0, 0, 0>
  translate <0, 0, 0>
 }
 
