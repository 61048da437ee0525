#pragma once

#include <QImage>
#include <QString>
#include <map>
#include <string>

#include "model/scene_model.h"

namespace vermora::app {

// The pictures laid on the scene's grounds (a background picture), by their
// pattern in the model, read as the renderer would find them: a relative name
// from `folder`. A name that is not a picture file that can be read is left
// out and named in `unread`; a large picture is made smaller for the view.
struct GroundPictures {
  std::map<int, QImage> images;
  QString unread;  // the first name that could not be read; empty when all were
};
GroundPictures ReadGroundPictures(const SceneModel& model, const std::string& folder);

}  // namespace vermora::app
