#pragma once

#include <string>

#include "scene/compose_context.h"

namespace vermora {

// The object fields the current scene uses, joined in their fixed order.
std::string UsedObjectText(const ParamReader& params);

// Declares exactly the predefined objects named in the used object fields or
// in `also_named` (the object texts the scene's declarations hold; a plain
// substring search), then the Connect macro when a worm joins with cones.
void WriteObjectLibrary(const ParamReader& params, const std::string& also_named, SceneWriter& out);

// The text an object image carries when dragged onto an object field.
std::string DraggedObjectText(const std::string& object_name);

// Worm choice indices.
enum WormIndex {
  kSpiralWorm = 0,
  kCurlWorm,
  kDoubleSpiral,
  kPredefWorm,
  kWormPredef,
  kFormWorm,
  kTwoDWorm,
  kTorusSpline
};
// A worm is used when either worm choice holds its index.
bool WormUsed(const ParamReader& params, int worm);

}  // namespace vermora
