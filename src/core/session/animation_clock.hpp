#pragma once
// The frame counter that fixes the pose of the turning model, and its rotation sign.
#include <cstdint>

#include "core/views/views.hpp"

namespace tavir {

class AnimationClock {
public:
    static constexpr int kLastFrame = 627;

    Pose pose() const { return {counter_, rotationSign_}; }
    int counter() const { return counter_; }
    int rotationSign() const { return rotationSign_; }
    void setCounter(int n) { counter_ = static_cast<int16_t>(n); }

    // One tick forwards: after 627 comes 0, and the rotation sign flips.
    void advance();
    // Before a redraw of the current frame: the tick that follows brings the counter back.
    void stepBackForRedraw() {
        if (counter_ > 0) --counter_;
    }
    // The stepping buttons move the counter before their tick: backwards wraps at once,
    // forwards wraps at the tick (so 620 + 19 + 1 gives 0, not 12).
    void back(int frames);
    void forward(int frames) { counter_ = static_cast<int16_t>(counter_ + frames); }

private:
    int16_t counter_ = 0;
    int16_t rotationSign_ = 1;
};

}  // namespace tavir
