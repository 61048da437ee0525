#pragma once

class QWidget;

namespace vermora::app {

class PreviewPicture;

// The picture alone on the whole screen, following each new render of `source`;
// F11 or Escape closes it. A second call closes the one that is open.
void ToggleFullScreenPicture(PreviewPicture* source, QWidget* window);

}  // namespace vermora::app
