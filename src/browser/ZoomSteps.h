#pragma once

#include <QtGlobal>

// The zoom factors a tab steps through, from 25 % to 500 %.
namespace ZoomSteps {

// The next step above Factor (Direction 1) or below it (-1), staying at the ends of the
// scale; Direction 0 gives the natural size.
qreal Stepped(qreal factor, int direction);

}  // namespace ZoomSteps
