#pragma once

#include <QtGlobal>

// The zoom factors a tab steps through, from 25 % to 500 %: the same steps the engine takes
// for the control key with the mouse wheel, so keys and wheel move along one scale.
namespace ZoomSteps {

// The next step above Factor, or the largest step.
qreal Larger(qreal factor);
// The next step below Factor, or the smallest step.
qreal Smaller(qreal factor);

}  // namespace ZoomSteps
