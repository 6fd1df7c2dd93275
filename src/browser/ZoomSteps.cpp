#include "browser/ZoomSteps.h"

#include <algorithm>
#include <array>

namespace ZoomSteps {

namespace {
constexpr std::array<qreal, 17> Steps{0.25, 1.0 / 3, 0.5, 2.0 / 3, 0.75, 0.8, 0.9, 1.0, 1.1,
                                      1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 4.0, 5.0};
// A factor within this of a step counts as that step (the engine hands factors back rounded).
constexpr qreal Tolerance = 0.001;
}  // namespace

qreal Stepped(qreal factor, int direction)
{
    if (direction > 0) {
        const auto next = std::find_if(Steps.begin(), Steps.end(), [&](qreal step) { return step > factor + Tolerance; });
        return next == Steps.end() ? Steps.back() : *next;
    }
    if (direction < 0) {
        const auto next = std::find_if(Steps.rbegin(), Steps.rend(), [&](qreal step) { return step < factor - Tolerance; });
        return next == Steps.rend() ? Steps.front() : *next;
    }
    return 1.0;
}

}  // namespace ZoomSteps
