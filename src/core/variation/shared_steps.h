#pragma once

#include "variation/steps.h"

namespace vermora {

// Step runs that Evolve and Mutate take alike, in their draw order.
void DoubleSpiralShapeSteps(Steps& s);  // end scale through the minor turns
void FormAndTwoDSteps(Steps& s);        // the FormWorm and TwoDWorm fields
// The worm's final scale, rotation and translation; the engines write the
// translation in different forms.
void WormPlacementSteps(Steps& s, Form translate_form);

}  // namespace vermora
