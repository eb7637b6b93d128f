#include "picker/MagnifierWindow.h"

#include <cmath>
#include <optional>
#include <string>

#include "platform/Errors.h"
#include "platform/Handles.h"
#include "platform/Text.h"
#include "platform/Topmost.h"

namespace lindrel {
namespace {

namespace text = platform::text;
using colour_code::Notation;
using platform::PlatformError;

constexpr int kZoom = 5;  // at the design DPI; in physical pixels it grows with the DPI
constexpr int kViewSourcePixels = 100;  // screen pixels each way
constexpr int kPointerInsetPixels = 20;  // the pointer's place in the square, from its top-left
constexpr int kSampleIntervalMs = 50;
constexpr int kChannelMax = 255;

// Where each channel's label, bar and box stand, from the window's top (twips).
constexpr std::array<double, 3> kChannelRowTopTwips{4080, 4440, 4800};
constexpr std::array<const char*, 3> kChannelCaptions{"R:", "G:", "B:"};

int channelOf(platform::Colour colour, Channel channel) {
  return static_cast<int>(colour >> (8 * static_cast<unsigned>(channel)) & 0xFF);
}

// A channel box's number. An empty box is a step of typing a new number: it counts as 0.
// Text that is not a number raises TypeMismatch.
int boxValue(const std::string& boxText) { return boxText.empty() ? 0 : text::toInteger16(boxText); }

// Rewrites only what changed: a box keeps its caret while its text stays, and a sample
// that finds the same colour costs no redraw.
void setTextIfChanged(platform::TextBox& box, const std::string& value) {
  if (box.text() != value) box.setText(value);
}

void setValueIfChanged(platform::ScrollBar& bar, int value) {
  if (bar.value() != value) bar.setValue(value);
}

// Above 255 the box reads "255" at once, below 0 it reads "0"; an empty box stays empty.
void clampBox(platform::TextBox& box) {
  const std::string current = box.text();
  if (current.empty()) return;
  const int value = text::toInteger16(current);
  if (value > kChannelMax) box.setText(std::to_string(kChannelMax));
  else if (value < 0) box.setText("0");
}

platform::Label& addChannelLabel(platform::Window& window, double top, const char* caption) {
  platform::LabelSpec design;
  design.left = 120;
  design.top = top;
  design.width = 255;
  design.height = 255;
  design.caption = caption;
  return window.addLabel(design);
}

platform::TextBox& addChannelBox(platform::Window& window, double top) {
  platform::TextBoxSpec design{2880, top, 375, 270, "255", 3};
  // Three digits fit the narrow box only in a size below the window's own, and without the
  // font's own margins (with them a box 25 pixels wide scrolls its third digit out of sight).
  design.font.points = 8;
  design.noMargins = true;
  return window.addTextBox(design);
}

bool isChannelBoxCharacter(char16_t c) { return c == u'\b' || (c >= u'0' && c <= u'9'); }

}  // namespace

MagnifierWindow::MagnifierWindow(platform::Platform& platform) : platform_(platform) {}

MagnifierWindow::~MagnifierWindow() = default;

void MagnifierWindow::open(const platform::Rect& beside) {
  if (window_ != nullptr && window_->isOpen()) {
    window_->show();
    return;
  }
  load(beside);
  // Where the user put it, when it still shows there (on a monitor of another DPI it follows
  // that DPI once there).
  const platform::Rect made = window_->pixelRect();
  const bool atPlace = place_ && platform_.showsOnAMonitor(platform::Rect{
                                     place_->x, place_->y, place_->x + made.width(), place_->y + made.height()});
  window_->show(atPlace ? *place_ : placeBeside(beside));
}

void MagnifierWindow::setNotation(Notation notation) {
  notation_ = notation;
  if (window_ != nullptr && window_->isOpen()) notationList().setListIndex(static_cast<int>(notation));
}

platform::Point MagnifierWindow::placeBeside(const platform::Rect& area) const {
  constexpr int kGapPixels = 4;
  const platform::Rect monitor = platform_.monitorArea(area);
  const int w = window_->pixelRect().width(), h = window_->pixelRect().height();
  const auto onMonitorX = [&](int x) { return std::max(monitor.left, std::min(x, monitor.right - w)); };
  const auto onMonitorY = [&](int y) { return std::max(monitor.top, std::min(y, monitor.bottom - h)); };
  if (area.bottom + kGapPixels + h <= monitor.bottom) return {onMonitorX(area.left), area.bottom + kGapPixels};
  if (area.top - kGapPixels - h >= monitor.top) return {onMonitorX(area.left), area.top - kGapPixels - h};
  const bool right = monitor.right - area.right >= area.left - monitor.left;
  return {onMonitorX(right ? area.right + kGapPixels : area.left - kGapPixels - w), onMonitorY(area.top)};
}

// A new window with every control at its design value, on the monitor of an area; the
// colour stays.
void MagnifierWindow::load(const platform::Rect& onMonitorOf) {
  platform::WindowSpec design;
  design.startNear = onMonitorOf;
  design.className = "LindrelZoomOut";
  design.caption = " 屏幕放大取色器 by:zyn";
  design.border = platform::Border::FixedToolWindow;
  design.width = 3375;
  design.height = 5280;
  window_ = platform_.createWindow(design);
  platform::Window& w = *window_;

  // Real controls in tab order.
  Controls& c = controls_;
  c.magnifierView = &w.addPictureBox({120, 120, 3135, 2895});
  c.penButton = &w.addButton({2520, 3120, 735, 375, "", penImage_.picture});
  c.swatch = &w.addPictureBox({120, 3120, 975, 375});
  c.codeBox = &w.addTextBox({1200, 3120, 1215, 375, "#FFFFFF"});
  c.notationList = &w.addComboBox({120, 3600, 1455, 300});
  c.copyButton = &w.addButton({1680, 3600, 735, 375, "复制"});
  c.setButton = &w.addButton({2520, 3600, 735, 375, "设置"});
  for (const Channel channel : kChannels) {
    c.bars[index(channel)] =
        &w.addScrollBar({360, kChannelRowTopTwips[index(channel)], 2415, 255, 0, kChannelMax, kChannelMax});
  }
  for (const Channel channel : kChannels) {
    addChannelLabel(w, kChannelRowTopTwips[index(channel)], kChannelCaptions[index(channel)]);
  }
  for (const Channel channel : kChannels) {
    c.boxes[index(channel)] = &addChannelBox(w, kChannelRowTopTwips[index(channel)]);
  }
  c.sampleTimer = &w.addTimer(kSampleIntervalMs, false);

  c.sampleTimer->onTimer = [this] { sampleTick(); };
  c.penButton->onMouseDown = [this](const platform::MouseEvent&) { startPicking(); };
  c.penButton->onMouseUp = [this](const platform::MouseEvent&) { stopPicking(); };
  c.magnifierView->onMouseDown = [this](const platform::MouseEvent&) { sampleUnderPointer(); };
  c.notationList->onClick = [this] {
    const int chosen = notationList().listIndex();
    if (chosen >= 0 && static_cast<Notation>(chosen) != notation_) {
      notation_ = static_cast<Notation>(chosen);
      if (onChange) onChange();
    }
    showCode();
  };
  w.onRectChange = [this](platform::ChangedBy by) {
    if (by != platform::ChangedBy::System) return;
    place_ = platform::Point{window_->pixelRect().left, window_->pixelRect().top};
    if (onChange) onChange();
  };
  c.copyButton->onClick = [this] { copyCode(); };
  c.setButton->onClick = [this] { applyTypedCode(); };
  for (const Channel channel : kChannels) {
    c.bars[index(channel)]->onScroll = [this, channel] { channelScrolled(channel); };
    platform::TextBox& box = *c.boxes[index(channel)];
    // Only digits and Backspace reach a box (the Ctrl keys of the box still work); the
    // colour follows every change.
    box.acceptsCharacter = isChannelBoxCharacter;
    box.onUserEdit = [this] { recolourFromBoxes(); };
  }

  platform::setTopmost(platform_.api(), w.hwnd(), true);
  for (const Notation notation : colour_code::kNotations) c.notationList->addItem(colour_code::captionOf(notation));
  c.notationList->setListIndex(static_cast<int>(notation_));
  showColour();
}

// ---- Sampling and the magnifier

void MagnifierWindow::sampleUnderPointer() {
  platform::Api& api = platform_.api();
  api.GetCursorPos(lastSample_);
  platform::Colour colour;
  {
    const platform::ScreenDc screen = platform::getScreenDc(api);
    colour = api.GetPixel(screen.get(), lastSample_.x, lastSample_.y);
    if (colour == platform::kInvalidColour) {
      // A pixel the screen will not read directly may still be copied: read it in the swatch.
      api.BitBlt(swatch().hdc(), 0, 0, 1, 1, screen.get(), lastSample_.x, lastSample_.y, platform::kSrcCopy);
      colour = swatch().point(0, 0);
    }
  }
  if (colour == platform::kInvalidColour) return;  // nothing came back: the last colour stays
  colour_ = colour;
  showColour();
}

void MagnifierWindow::showColour() {
  showCode();
  showChannels();
  swatch().setBackColor(colour_);
}

void MagnifierWindow::showChannels() {
  for (const Channel c : kChannels) setValueIfChanged(channelBar(c), channelOf(colour_, c));
  for (const Channel c : kChannels) {
    acceptedBoxTexts_[index(c)] = std::to_string(channelOf(colour_, c));
    setTextIfChanged(channelBox(c), acceptedBoxTexts_[index(c)]);
  }
}

void MagnifierWindow::paintMagnifiedView() {
  platform::Api& api = platform_.api();
  const platform::Rect square{lastSample_.x - kPointerInsetPixels, lastSample_.y - kPointerInsetPixels,
                              lastSample_.x - kPointerInsetPixels + kViewSourcePixels,
                              lastSample_.y - kPointerInsetPixels + kViewSourcePixels};
  // What lies outside the desktop shows black; only the rest is read from the screen.
  const platform::Rect onDesktop = platform::intersect(square, platform_.virtualDesktop());
  const platform::Hdc target = magnifierView().hdc();
  // Each source pixel becomes a block as large as the zoom at the window's DPI; at 150 %
  // blocks of 7 and 8 pixels alternate, so the view still shows the whole square.
  const double zoom = kZoom * window_->dpi() / double{platform::kDesignDpi};
  const auto inView = [zoom](int sourcePixels) { return static_cast<int>(std::lround(sourcePixels * zoom)); };
  if (onDesktop != square) {
    api.BitBlt(target, 0, 0, inView(kViewSourcePixels), inView(kViewSourcePixels), platform::kNoDc, 0, 0,
               platform::kBlackness);
  }
  if (onDesktop.empty()) return;
  const platform::ScreenDc screen = platform::getScreenDc(api);
  const int left = inView(onDesktop.left - square.left), top = inView(onDesktop.top - square.top);
  api.StretchBlt(target, left, top, inView(onDesktop.right - square.left) - left,
                 inView(onDesktop.bottom - square.top) - top, screen.get(), onDesktop.left, onDesktop.top,
                 onDesktop.width(), onDesktop.height(), platform::kSrcCopy);
}

void MagnifierWindow::sampleTick() {
  sampleUnderPointer();
  paintMagnifiedView();
}

void MagnifierWindow::startPicking() {
  sampleTimer().setEnabled(true);
  window_->setPointer(platform::PointerShape::Pen);
  penButton().setPicture(platform::Picture::None);  // the pen is in the user's hand now
}

void MagnifierWindow::stopPicking() {
  sampleTimer().setEnabled(false);
  window_->setPointer(platform::PointerShape::Default);
  penButton().setPicture(penImage_.picture);
}

// ---- The code

void MagnifierWindow::showCode() {
  const int selected = notationList().listIndex();
  if (selected < 0) return;
  setTextIfChanged(codeBox(), colour_code::format(static_cast<Notation>(selected), colour_));
}

void MagnifierWindow::copyCode() {
  const std::string code = codeBox().text();
  try {
    platform_.clearClipboard();
    platform_.setClipboardText(code);
  } catch (const PlatformError& error) {
    platform_.msgBox(error.description());
  }
}

void MagnifierWindow::applyTypedCode() {
  try {
    const int selected = notationList().listIndex();
    if (selected >= 0) colour_ = colour_code::parseTyped(static_cast<Notation>(selected), codeBox().text());
    swatch().setBackColor(colour_);
    showChannels();
  } catch (const PlatformError& error) {
    const platform::TopmostSuspended whileTheMessageIsUp(platform_.api(), window_->hwnd());
    platform_.msgBox(error.description());
  }
}

// ---- Editing

void MagnifierWindow::recolourFromBoxes() {
  try {
    for (const Channel c : {Channel::Blue, Channel::Red, Channel::Green}) clampBox(channelBox(c));
    const std::string blueText = channelBox(Channel::Blue).text();
    const int red = boxValue(channelBox(Channel::Red).text());
    const int green = boxValue(channelBox(Channel::Green).text());
    const int blue = boxValue(blueText);
    // Only a colour read in full replaces the stored one.
    colour_ = platform::rgb(red, green, blue);
    showCode();
    swatch().setBackColor(colour_);
    setValueIfChanged(channelBar(Channel::Red), red);
    setValueIfChanged(channelBar(Channel::Green), green);
    setValueIfChanged(channelBar(Channel::Blue), blue);
    // Red and green keep the text as typed; blue is rewritten as its number ("007" reads "7").
    if (!blueText.empty()) setTextIfChanged(channelBox(Channel::Blue), std::to_string(blue));
    for (const Channel c : kChannels) acceptedBoxTexts_[index(c)] = channelBox(c).text();
  } catch (const PlatformError& error) {
    // The text that could not be read goes, so the next edit starts from a colour again.
    for (const Channel c : kChannels) setTextIfChanged(channelBox(c), acceptedBoxTexts_[index(c)]);
    platform_.msgBox(error.description());
  }
}

void MagnifierWindow::channelScrolled(Channel channel) {
  channelBox(channel).setText(std::to_string(channelBar(channel).value()));
  recolourFromBoxes();
}

}  // namespace lindrel
