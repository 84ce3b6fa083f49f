#include "core/session/animation_clock.hpp"

namespace tavir {

void AnimationClock::advance() {
    if (++counter_ > kLastFrame) {
        counter_ = 0;
        rotationSign_ = rotationSign_ == 1 ? int16_t{-1} : int16_t{1};
    }
}

void AnimationClock::back(int frames) {
    counter_ = static_cast<int16_t>(counter_ - frames);
    if (counter_ < 0) counter_ = static_cast<int16_t>(counter_ + kLastFrame + 1);
}

}  // namespace tavir
