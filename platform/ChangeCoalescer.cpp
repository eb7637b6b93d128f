#include "platform/ChangeCoalescer.h"

#include <algorithm>

#include "platform/Platform.h"

namespace lindrel::platform {

ChangeCoalescer::Step ChangeCoalescer::changed(std::int64_t nowMs) {
  if (!pending_ && (!lastTold_ || nowMs - *lastTold_ >= gapMs_)) {
    lastTold_ = nowMs;
    return {true, std::nullopt};
  }
  pending_ = true;
  return {false, *lastTold_ + gapMs_};
}

ChangeCoalescer::Step ChangeCoalescer::timerFired(std::int64_t nowMs) {
  if (!pending_) return {};
  // A timer may fire early; the change waits for the rest of the gap.
  if (nowMs - *lastTold_ < gapMs_) return {false, *lastTold_ + gapMs_};
  pending_ = false;
  lastTold_ = nowMs;
  return {true, std::nullopt};
}

CoalescedChanges::CoalescedChanges(Platform& platform, Timer& timer, int gapMs, std::function<void()> tell)
    : platform_(platform), timer_(timer), coalescer_(gapMs), tell_(std::move(tell)) {
  timer_.onTimer = [this] {
    // A timer repeats: it is set again only if the change still waits.
    armedFor_.reset();
    timer_.setEnabled(false);
    follow(coalescer_.timerFired(platform_.clockMs()));
  };
}

void CoalescedChanges::changed() { follow(coalescer_.changed(platform_.clockMs())); }

void CoalescedChanges::follow(const ChangeCoalescer::Step& step) {
  // The timer is set once for each time it is to fire, not again for every change of a drag.
  if (step.wakeAt && step.wakeAt != armedFor_) {
    armedFor_ = step.wakeAt;
    timer_.setInterval(static_cast<int>(std::max<std::int64_t>(1, *step.wakeAt - platform_.clockMs())));
    timer_.setEnabled(true);
  }
  if (step.tell && tell_) tell_();
}

}  // namespace lindrel::platform
