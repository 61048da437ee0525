#include "worms/torus_spline.h"

#include "worms/pasted_placement.h"

namespace vermora {
namespace {

// Zero-length vectors are never normalised and atan2 never sees (0, 0): the
// renderer stops the parse on either. A point repeated at once adds no piece
// and keeps the direction.
constexpr const char* kMacro[] = {
    "#macro TorusSpline( TorRadius, Points, StartVect )",
    "  #local V = StartVect;",
    "  #local NumPts = dimension_size( Points, 1 );",
    "  #local Cur = 0;",
    "  #local Eps = 0.0001 * TorRadius;",
    "  union {",
    "  #while ( Cur < NumPts - 1 )",
    "    #local A = Points[Cur];",
    "    #local B = Points[Cur + 1];",
    "    #local Straight = true;",
    "    #local Same = ( vlength( B - A ) = 0 );",
    "",
    "    #if ( vlength( V ) = 0 )",
    "      #local V = B - A;",
    "      #if ( Cur + 2 < NumPts )",
    "        #local C = Points[Cur + 2];",
    "        #local N0 = vcross( C - A, B - A );",
    "        #if ( vlength( N0 ) > 0 )",
    "          #local Straight = false;",
    "          #local Axis = vnormalize( N0 );",
    "          #local U1 = vnormalize( C - A );",
    "          #local U2 = vnormalize( vcross( Axis, U1 ) );",
    "          #local Cx = vlength( C - A );",
    "          #local Bx = vdot( B - A, U1 );",
    "          #local By = vdot( B - A, U2 );",
    "          #local X0 = 0.5 * Cx;",
    "          #local Y0 = ( 0.5 * ( Bx * Bx + By * By ) - X0 * Bx ) / By;",
    "          #local Centre = A + X0 * U1 + Y0 * U2;",
    "          #local Radius = vlength( Centre - A );",
    "          #local V = vcross( Axis, Centre - A );",
    "          #local B = C;",
    "          #local Cur = Cur + 1;",
    "        #end",
    "      #end",
    "    #else",
    "      #local N0 = vcross( B - A, V );",
    "      #if ( vlength( N0 ) > 0 )",
    "        #local Axis = vnormalize( N0 );",
    "        #local Dir = vnormalize( vcross( V, Axis ) );",
    "        #local Cos = vdot( vnormalize( B - A ), Dir );",
    "        #if ( Cos != 0 )",
    "          #local Straight = false;",
    "          #local Radius = abs( 0.5 * vlength( B - A ) / Cos );",
    "          #local Centre = A + Radius * Dir;",
    "        #end",
    "      #end",
    "    #end",
    "",
    "    #if ( Same )",
    "      #local V1 = V;",
    "    #elseif ( Straight )",
    "      #local V1 = V;",
    "      #local Vn = vnormalize( V );",
    "      cylinder { A - Eps * Vn, B + Eps * Vn, TorRadius }",
    "    #else",
    "      #local V1 = vcross( B - Centre, Axis );",
    "      #local AxisXZ = vlength( <Axis.x, 0, Axis.z> );",
    "      #local AngZ = 0;",
    "      #if ( AxisXZ != 0 | Axis.y != 0 )",
    "        #local AngZ = -degrees( atan2( AxisXZ, Axis.y ) );",
    "      #end",
    "      #local AngY = 0;",
    "      #if ( Axis.z != 0 | Axis.x != 0 )",
    "        #local AngY = -degrees( atan2( Axis.z, Axis.x ) );",
    "      #end",
    "      #local Vn = vnormalize( V );",
    "      #local V1n = vnormalize( V1 );",
    "      #local CutA = plane { -Vn, vdot( -Vn, A ) + Eps }",
    "      #local CutB = plane { V1n, vdot( V1n, B ) + Eps }",
    "      intersection {",
    "        torus { Radius, TorRadius rotate <0, 0, AngZ> rotate <0, AngY, 0> translate Centre }",
    "        #if ( vdot( vcross( V, A - Centre ), vcross( V, V1 ) ) > 0 )",
    "          union { object { CutA } object { CutB } }",
    "        #else",
    "          object { CutA } object { CutB }",
    "        #end",
    "      }",
    "    #end",
    "",
    "    #local Cur = Cur + 1;",
    "    #local V = V1;",
    "  #end",
    "  }",
    "#end",
    "//----------------------------------------------------------",
};

constexpr const char* kPoints[6][3] = {
    {"edPoint1X", "edPoint1Y", "edPoint1Z"}, {"edPoint2X", "edPoint2Y", "edPoint2Z"},
    {"edPoint3X", "edPoint3Y", "edPoint3Z"}, {"edPoint4X", "edPoint4Y", "edPoint4Z"},
    {"edPoint5X", "edPoint5Y", "EdPoint5Z"}, {"edPoint6X", "edPoint6Y", "edPoint6Z"},
};

}  // namespace

void WriteTorusSpline(ComposeContext& ctx) {
  const ParamReader& p = ctx.params;
  SceneWriter& out = ctx.out;
  out.Line(" ");
  for (const char* line : kMacro) out.Line(line);
  const int count = p.Index("ScrAN");
  std::string points;
  if (count >= 2 && count <= 6) {
    points = "array[" + std::to_string(count) + "]{";
    for (int k = 0; k < count; ++k) {
      if (k > 0) points += ", ";
      points += "<" + p.Text(kPoints[k][0]) + ", " + p.Text(kPoints[k][1]) + ", " +
                p.Text(kPoints[k][2]) + ">";
    }
    points += "}";
  }
  out.Line("#declare TorusWorm = object {TorusSpline (" + p.Text("edTorRad") + ", " + points +
           ", <" + p.Text("edSTVX") + ", " + p.Text("edSTVY") + ", " + p.Text("edSTVZ") + ">)");
  WritePastedPlacement(ctx);
  out.Line("}");
  out.Line(" ");
  out.Line(" ");
}

}  // namespace vermora
