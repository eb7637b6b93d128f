#include "platform/Controls.h"

#include "platform/Errors.h"

namespace lindrel::platform {

Rect pixelRectFromTwips(double left, double top, double width, double height) {
  const std::int32_t x = pixelsFromTwips(left);
  const std::int32_t y = pixelsFromTwips(top);
  return Rect{x, y, x + pixelsFromTwips(width), y + pixelsFromTwips(height)};
}

void Placed::setPixelRect(Rect rect) {
  if (rect == rect_) return;
  const Rect before = rect_;
  rect_ = rect;
  placed(before);
}

void Placed::setLeft(double twips) {
  const std::int32_t x = pixelsFromTwips(twips);
  setPixelRect(Rect{x, rect_.top, x + rect_.width(), rect_.bottom});
}

void Placed::setTop(double twips) {
  const std::int32_t y = pixelsFromTwips(twips);
  setPixelRect(Rect{rect_.left, y, rect_.right, y + rect_.height()});
}

Label::Label(LabelHost& host, const LabelSpec& design)
    : Placed(pixelRectFromTwips(design.left, design.top, design.width, design.height)),
      host_(host),
      caption_(design.caption),
      font_(design.font),
      autoSize_(design.autoSize),
      foreColor_(design.foreColor) {
  if (autoSize_) fitCaption();
}

void Label::setCaption(std::string_view caption) {
  if (caption == caption_) return;
  caption_ = caption;
  if (autoSize_) fitCaption();
  host_.invalidateArea(pixelRect());
}

void Label::fitCaption() {
  const Point extent = host_.captionSize(font_, caption_);
  const Rect r = pixelRect();
  setPixelRect(Rect{r.left, r.top, r.left + extent.x, r.top + extent.y});
}

void Label::rescale(int fromDpi, int toDpi) {
  const auto scaled = [&](std::int32_t v) {
    return static_cast<std::int32_t>(roundHalfEven(static_cast<double>(v) * toDpi / fromDpi));
  };
  const Rect r = pixelRect();
  setPixelRect(Rect{scaled(r.left), scaled(r.top), scaled(r.right), scaled(r.bottom)});
  if (autoSize_) fitCaption();
}

void Label::placed(const Rect& before) {
  host_.invalidateArea(before);
  host_.invalidateArea(pixelRect());
}

void Timer::setInterval(int milliseconds) {
  if (milliseconds < 0) raise(ErrorNumber::InvalidPropertyValue);
  if (milliseconds == interval_) return;
  interval_ = milliseconds;
  schedule();
}

void Timer::setEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  schedule();
}

}  // namespace lindrel::platform
