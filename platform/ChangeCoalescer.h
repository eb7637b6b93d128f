#pragma once
// Tells of a run of changes at most once a gap, and always of the last one: a change after a
// quiet gap is told at once; one that comes sooner waits until the gap since the last telling
// has passed. A screen reader told of every step of a drag would read nothing else.

#include <cstdint>
#include <functional>
#include <optional>

namespace lindrel::platform {

class Timer;
class Platform;

class ChangeCoalescer {
 public:
  explicit ChangeCoalescer(int gapMs) : gapMs_(gapMs) {}
  // What to do now: tell of the change, and when (none: never) the timer is to fire next.
  struct Step {
    bool tell = false;
    std::optional<std::int64_t> wakeAt;
    friend bool operator==(const Step&, const Step&) = default;
  };
  Step changed(std::int64_t nowMs);
  Step timerFired(std::int64_t nowMs);

 private:
  int gapMs_;
  std::optional<std::int64_t> lastTold_;
  bool pending_ = false;
};

// A coalescer run by a window's timer and the platform's clock.
class CoalescedChanges {
 public:
  CoalescedChanges(Platform& platform, Timer& timer, int gapMs, std::function<void()> tell);
  void changed();

 private:
  void follow(const ChangeCoalescer::Step& step);

  Platform& platform_;
  Timer& timer_;
  ChangeCoalescer coalescer_;
  std::function<void()> tell_;
  std::optional<std::int64_t> armedFor_;  // when the timer is set to fire
};

}  // namespace lindrel::platform
