#pragma once
// The magnifier's state, without a window: the colour and the notation its code is written
// in, the zoom and the sampling of the enlarged view, the pixel sampled last, the colours
// taken and the one the contrast is measured against. The window shows it and reports the
// user's edits to it.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "picker/ColourCode.h"
#include "picker/ColourHistory.h"
#include "picker/MagnifiedView.h"
#include "platform/Colour.h"
#include "platform/Geometry.h"
#include "platform/Result.h"
#include "text/Numbers.h"

namespace lindrel {

enum class Channel { Red, Green, Blue };
inline constexpr std::array<Channel, 3> kChannels{Channel::Red, Channel::Green, Channel::Blue};
inline constexpr int kChannelMax = 255;

int channelOf(platform::Colour colour, Channel channel);

// What a channel box holds after the user edited it: its number (an empty box is a step of
// typing a new one: 0) and, when the text must change to show it, the text it shows: above
// 255 it reads "255" at once, below 0 "0". Text that is no number gives no reading.
struct ChannelBoxReading {
  int value;
  std::optional<std::string> shown;
};
platform::Result<ChannelBoxReading, text::NumberError> readChannelBox(std::string_view text);

class PickerModel {
 public:
  platform::Colour colour() const { return colour_; }
  void setColour(platform::Colour colour) { colour_ = colour; }
  int channel(Channel c) const { return channelOf(colour_, c); }
  // Held to 0..255.
  void setChannel(Channel c, int value);

  colour_code::Notation notation() const { return notation_; }
  void setNotation(colour_code::Notation notation) { notation_ = notation; }
  // The colour written in the notation.
  std::string code() const { return colour_code::format(notation_, colour_); }

  int zoom() const { return zoom_; }
  // One of the zoom steps; anything else is ignored. True when the zoom changed.
  bool setZoom(int zoom);
  // Whole notches of the wheel: positive in, negative out, within the steps.
  bool zoomBy(int notches);
  magnified::Sampling sampling() const { return sampling_; }
  bool setSampling(magnified::Sampling sampling);

  // The screen pixel sampled last; none before the first sample.
  const std::optional<platform::Point>& sample() const { return sample_; }
  void setSample(platform::Point at) { sample_ = at; }

  // The colours taken, newest first.
  const ColourHistory& history() const { return history_; }
  // The colour goes first in the history.
  void take() { history_.take(colour_); }
  void restoreHistory(const std::vector<platform::Colour>& newestFirst);

  // The colour the contrast is measured against: the one chosen, else the newest other
  // colour taken; none with no other colour.
  std::optional<platform::Colour> partner() const;
  // A colour chosen as the partner; chosen again, the newest other colour is the partner again.
  void choosePartner(platform::Colour colour);
  // The newest other colour is the partner again.
  void unchoosePartner() { chosenPartner_.reset(); }
  // "4.49:1 AA", "7.12:1 AAA", "2.10:1" below AA for normal text, "—" with no partner.
  std::string contrastText() const;

 private:
  platform::Colour colour_ = platform::kWhite;
  colour_code::Notation notation_ = colour_code::Notation::Html;
  int zoom_ = magnified::kDefaultZoom;
  magnified::Sampling sampling_ = magnified::Sampling::Point;
  std::optional<platform::Point> sample_;
  ColourHistory history_;
  std::optional<platform::Colour> chosenPartner_;
};

}  // namespace lindrel
