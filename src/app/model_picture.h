#pragma once

#include <QImage>
#include <QString>

#include "model_builder.h"

namespace vermora::app {

// Draws a model through its scene's camera into a picture of `size`, off
// screen, as the 3-D view draws it. A null picture (with `error` set) when
// this display has no OpenGL 3.3. Without `surroundings` the creature
// stands on black.
QImage DrawModelPicture(const BuiltModel& built, QSize size, QString* error = nullptr,
                        bool surroundings = true);

}  // namespace vermora::app
