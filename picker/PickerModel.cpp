#include "picker/PickerModel.h"

#include <algorithm>

#include "picker/Contrast.h"

namespace lindrel {

int channelOf(platform::Colour colour, Channel channel) {
  switch (channel) {
    case Channel::Red: return platform::redOf(colour);
    case Channel::Green: return platform::greenOf(colour);
    case Channel::Blue: break;
  }
  return platform::blueOf(colour);
}

platform::Result<ChannelBoxReading, text::NumberError> readChannelBox(std::string_view text) {
  if (text.empty()) return ChannelBoxReading{0, std::nullopt};
  const auto number = text::parseDecimal(text);
  if (!number) return number.error();
  const int whole = platform::roundHalfEven(std::clamp(*number, -1.0, kChannelMax + 1.0));
  if (whole > kChannelMax) return ChannelBoxReading{kChannelMax, std::to_string(kChannelMax)};
  if (whole < 0) return ChannelBoxReading{0, "0"};
  return ChannelBoxReading{whole, std::nullopt};
}

void PickerModel::setChannel(Channel c, int value) {
  value = std::clamp(value, 0, kChannelMax);
  std::array<int, 3> channels{channel(Channel::Red), channel(Channel::Green), channel(Channel::Blue)};
  channels[static_cast<std::size_t>(c)] = value;
  colour_ = platform::rgb(channels[0], channels[1], channels[2]);
}

bool PickerModel::setZoom(int zoom) {
  if (!magnified::isZoomStep(zoom) || zoom == zoom_) return false;
  zoom_ = zoom;
  return true;
}

bool PickerModel::zoomBy(int notches) {
  int zoom = zoom_;
  for (int i = 0; i < notches; ++i) zoom = magnified::zoomedIn(zoom);
  for (int i = 0; i > notches; --i) zoom = magnified::zoomedOut(zoom);
  return setZoom(zoom);
}

bool PickerModel::setSampling(magnified::Sampling sampling) {
  if (sampling == sampling_) return false;
  sampling_ = sampling;
  return true;
}

void PickerModel::restoreHistory(const std::vector<platform::Colour>& newestFirst) {
  history_ = ColourHistory{};
  for (auto it = newestFirst.rbegin(); it != newestFirst.rend(); ++it) history_.take(*it);
}

std::optional<platform::Colour> PickerModel::partner() const {
  return chosenPartner_ ? chosenPartner_ : history_.newestOtherThan(colour_);
}

void PickerModel::choosePartner(platform::Colour colour) {
  chosenPartner_ = chosenPartner_ == colour ? std::nullopt : std::optional(colour);
}

std::string PickerModel::contrastText() const {
  const std::optional<platform::Colour> other = partner();
  if (!other) return "—";
  const double ratio = contrast::ratio(colour_, *other);
  switch (contrast::textLevelOf(ratio)) {
    case contrast::TextLevel::AAA: return contrast::ratioText(ratio) + " AAA";
    case contrast::TextLevel::AA: return contrast::ratioText(ratio) + " AA";
    case contrast::TextLevel::Fails: break;
  }
  return contrast::ratioText(ratio);
}

}  // namespace lindrel
