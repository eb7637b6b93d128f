// For screen readers: how changes are coalesced into events.

#include <gtest/gtest.h>

#include "platform/ChangeCoalescer.h"

namespace lindrel::testing {
namespace {

using platform::ChangeCoalescer;

TEST(ChangeCoalescer, TellsAtOnceAfterAQuietGapAndTheLastOfARunWhenTheGapHasPassed) {
  enum Event { Change, Timer };
  const struct {
    Event event;
    int at;
    ChangeCoalescer::Step step;
  } rows[] = {
      {Change, 0, {true, {}}},       // the first is told at once
      {Change, 50, {false, 200}},    // a drag goes on: held for the rest of the gap
      {Change, 120, {false, 200}},
      {Timer, 200, {true, {}}},      // the last of them, once
      {Timer, 400, {false, {}}},     // nothing waits
      {Change, 450, {true, {}}},     // a gap has passed since the last telling
      {Change, 500, {false, 650}},
      {Timer, 640, {false, 650}},    // a timer that fires early waits on
      {Timer, 650, {true, {}}},
  };
  ChangeCoalescer coalescer(200);
  for (const auto& [event, at, step] : rows) {
    EXPECT_EQ(event == Change ? coalescer.changed(at) : coalescer.timerFired(at), step) << "at " << at;
  }
}

}  // namespace
}  // namespace lindrel::testing
