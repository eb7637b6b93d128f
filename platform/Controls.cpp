#include "platform/Controls.h"

#include <algorithm>

namespace lindrel::platform {

Label::Label(LabelHost& host, const LabelSpec& design, int dpi)
    : host_(host),
      rect_(scaledToDpi(design.design, dpi)),
      caption_(design.caption),
      font_(design.font),
      autoSize_(design.autoSize),
      colour_(design.colour) {
  if (autoSize_) fitCaption();
}

void Label::place(const Rect& rect) {
  if (rect == rect_) return;
  host_.invalidateArea(rect_);
  rect_ = rect;
  host_.invalidateArea(rect_);
}

void Label::moveTo(Point topLeft) { place(Rect::at(topLeft, rect_.size())); }

void Label::setCaption(std::string_view caption) {
  if (caption == caption_) return;
  caption_ = caption;
  if (autoSize_) fitCaption();
  host_.invalidateArea(rect_);
}

void Label::setColour(Colour colour) {
  if (colour == colour_) return;
  colour_ = colour;
  host_.invalidateArea(rect_);
}

void Label::fitCaption() { place(Rect::at(rect_.topLeft(), host_.textSize(font_, caption_))); }

void Label::rescale(int fromDpi, int toDpi) {
  const auto scaled = [&](int v) { return roundHalfEven(static_cast<double>(v) * toDpi / fromDpi); };
  place(Rect{scaled(rect_.left), scaled(rect_.top), scaled(rect_.right), scaled(rect_.bottom)});
  if (autoSize_) fitCaption();
}

void Timer::setInterval(int milliseconds) {
  milliseconds = std::max(0, milliseconds);
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
