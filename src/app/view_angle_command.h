#pragma once

namespace vermora::app {

class Design;

// The "Random viewangle" button of the thing's post-processing page.
void AddViewAngleButton(Design& design);

}  // namespace vermora::app
