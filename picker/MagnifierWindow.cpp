#include "picker/MagnifierWindow.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "picker/Contrast.h"
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
constexpr double kViewWidthTwips = 3135, kViewHeightTwips = 2895;
constexpr int kPointerInsetPixels = 20;  // the pointer's place in the square, from its top-left
constexpr int kSampleIntervalMs = 50;
constexpr int kChannelMax = 255;

// Where each channel's label, bar and box stand, from the window's top (twips).
constexpr std::array<double, 3> kChannelRowTopTwips{4470, 4800, 5130};
constexpr std::array<const char*, 3> kChannelCaptions{"R:", "G:", "B:"};

// The history's swatches: two columns right of the enlarged view, as tall as it, newest
// first along each row (twips).
constexpr std::size_t kHistoryColumns = 2;
constexpr double kHistoryLeft = 3360, kHistoryTop = 120;
constexpr double kHistoryWidth = 480, kHistoryHeight = 405, kHistoryGap = 90;

// What the contrast box shows with no colour to measure against.
constexpr const char* kNoContrast = "—";

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
  platform::TextBoxSpec design{4035, top, 375, 270, "255", 3};
  // Three digits fit the narrow box only in a size below the window's own, and without the
  // font's own margins (with them a box 25 pixels wide scrolls its third digit out of sight).
  design.font.points = 8;
  design.noMargins = true;
  return window.addTextBox(design);
}

bool isChannelBoxCharacter(char16_t c) { return c == u'\b' || (c >= u'0' && c <= u'9'); }

platform::PictureBoxSpec historySwatchDesign(std::size_t slot) {
  const auto column = static_cast<double>(slot % kHistoryColumns), row = static_cast<double>(slot / kHistoryColumns);
  return {kHistoryLeft + column * (kHistoryWidth + kHistoryGap), kHistoryTop + row * (kHistoryHeight + kHistoryGap),
          kHistoryWidth, kHistoryHeight};
}

// "4.49:1 AA", "7.12:1 AAA"; a ratio below AA for normal text carries no mark: "2.10:1".
std::string contrastText(platform::Colour colour, std::optional<platform::Colour> partner) {
  if (!partner) return kNoContrast;
  const double ratio = contrast::ratio(colour, *partner);
  switch (contrast::textLevelOf(ratio)) {
    case contrast::TextLevel::AAA: return contrast::ratioText(ratio) + " AAA";
    case contrast::TextLevel::AA: return contrast::ratioText(ratio) + " AA";
    case contrast::TextLevel::Fails: break;
  }
  return contrast::ratioText(ratio);
}

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

void MagnifierWindow::setHistory(const std::vector<platform::Colour>& newestFirst) {
  history_ = ColourHistory{};
  for (auto it = newestFirst.rbegin(); it != newestFirst.rend(); ++it) history_.take(*it);
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
  design.width = 4530;
  design.height = 5520;
  window_ = platform_.createWindow(design);
  platform::Window& w = *window_;

  // Real controls in tab order.
  Controls& c = controls_;
  c.magnifierView = &w.addPictureBox({120, 120, kViewWidthTwips, kViewHeightTwips});
  c.penButton = &w.addButton({3675, 3120, 735, 375, "", penImage_.picture});
  c.swatch = &w.addPictureBox({120, 3120, 975, 375});
  // Wide enough for the longest code of any notation, "hsv(136.5, 89.5%, 67.1%)".
  c.codeBox = &w.addTextBox({120, 3570, 4290, 375, "#FFFFFF"});
  c.notationList = &w.addComboBox({120, 4020, 1935, 300});
  c.copyButton = &w.addButton({2835, 4020, 735, 375, "复制"});
  c.setButton = &w.addButton({3675, 4020, 735, 375, "设置"});
  for (const Channel channel : kChannels) {
    c.bars[index(channel)] =
        &w.addScrollBar({360, kChannelRowTopTwips[index(channel)], 3570, 255, 0, kChannelMax, kChannelMax});
  }
  for (const Channel channel : kChannels) {
    addChannelLabel(w, kChannelRowTopTwips[index(channel)], kChannelCaptions[index(channel)]);
  }
  for (const Channel channel : kChannels) {
    c.boxes[index(channel)] = &addChannelBox(w, kChannelRowTopTwips[index(channel)]);
  }
  for (std::size_t slot = 0; slot < ColourHistory::kCapacity; ++slot) {
    c.historySwatches[slot] = &w.addPictureBox(historySwatchDesign(slot));
  }
  c.partnerSwatch = &w.addPictureBox({1200, 3120, 375, 375});
  platform::TextBoxSpec contrastDesign{1680, 3120, 1890, 375, kNoContrast};
  contrastDesign.readOnly = true;  // a real box, so its text can be selected and copied
  c.contrastBox = &w.addTextBox(contrastDesign);
  c.sampleTimer = &w.addTimer(kSampleIntervalMs, false);

  c.sampleTimer->onTimer = [this] { sampleTick(); };
  c.penButton->onMouseDown = [this](const platform::MouseEvent&) { startPicking(); };
  c.penButton->onMouseUp = [this](const platform::MouseEvent&) { stopPicking(); };
  c.magnifierView->onMouseDown = [this](const platform::MouseEvent&) {
    sampleUnderPointer();
    takeColour();
  };
  for (std::size_t slot = 0; slot < ColourHistory::kCapacity; ++slot) {
    c.historySwatches[slot]->onMouseDown = [this, slot](const platform::MouseEvent& e) { historySwatchPressed(slot, e); };
  }
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
  showHistory();
  showContrast();
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
  // Each source pixel becomes a block as large as the zoom at the window's DPI; at 150 %
  // blocks of 7 and 8 pixels alternate, so the view still shows the whole square.
  const double zoom = kZoom * window_->dpi() / double{platform::kDesignDpi};
  const auto inView = [zoom](int sourcePixels) { return static_cast<int>(std::lround(sourcePixels * zoom)); };
  // Only the part of the square the view has room for is read and enlarged: reading and
  // stretching the rest, which the view cuts off, would cost every tick several times more.
  const auto fitting = [&](double viewTwips) {
    return std::min(kViewSourcePixels, static_cast<int>(std::ceil(window_->designPixels(viewTwips) / zoom)));
  };
  const int left = lastSample_.x - kPointerInsetPixels, top = lastSample_.y - kPointerInsetPixels;
  const platform::Rect square{left, top, left + fitting(kViewWidthTwips), top + fitting(kViewHeightTwips)};
  // What lies outside the desktop shows black; only the rest is read from the screen.
  const platform::Rect onDesktop = platform::intersect(square, platform_.virtualDesktop());
  const platform::Hdc target = magnifierView().hdc();
  if (onDesktop != square) {
    api.BitBlt(target, 0, 0, inView(square.width()), inView(square.height()), platform::kNoDc, 0, 0,
               platform::kBlackness);
  }
  if (onDesktop.empty()) return;
  const platform::ScreenDc screen = platform::getScreenDc(api);
  const int x = inView(onDesktop.left - square.left), y = inView(onDesktop.top - square.top);
  api.StretchBlt(target, x, y, inView(onDesktop.right - square.left) - x, inView(onDesktop.bottom - square.top) - y,
                 screen.get(), onDesktop.left, onDesktop.top,
                 onDesktop.width(), onDesktop.height(), platform::kSrcCopy);
}

void MagnifierWindow::sampleTick() {
  const platform::Colour before = colour_;
  sampleUnderPointer();
  paintMagnifiedView();
  // The ratio follows once the pen rests on a colour: rewritten with every sample while the
  // hand moves, it could not be read and would cost as much as the rest of the texts.
  if (colour_ == before) showContrast();
  sampledSincePenDown_ = true;
}

void MagnifierWindow::startPicking() {
  sampledSincePenDown_ = false;
  sampleTimer().setEnabled(true);
  window_->setPointer(platform::PointerShape::Pen);
  penButton().setPicture(platform::Picture::None);  // the pen is in the user's hand now
}

void MagnifierWindow::stopPicking() {
  sampleTimer().setEnabled(false);
  window_->setPointer(platform::PointerShape::Default);
  penButton().setPicture(penImage_.picture);
  if (sampledSincePenDown_) takeColour();
  sampledSincePenDown_ = false;
}

// ---- The code

void MagnifierWindow::showCode() {
  const int selected = notationList().listIndex();
  if (selected < 0) return;
  setTextIfChanged(codeBox(), colour_code::format(static_cast<Notation>(selected), colour_));
}

void MagnifierWindow::copyCode() { copyToClipboard(codeBox().text()); }

void MagnifierWindow::copyToClipboard(const std::string& text) {
  try {
    platform_.clearClipboard();
    platform_.setClipboardText(text);
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
    takeColour();
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
    showContrast();
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

// ---- The history and the contrast

void MagnifierWindow::takeColour() {
  history_.take(colour_);
  showHistory();
  showContrast();
  if (onChange) onChange();
}

void MagnifierWindow::showHistory() {
  for (std::size_t slot = 0; slot < ColourHistory::kCapacity; ++slot) {
    historySwatch(slot).setBackColor(history_.colourAt(slot).value_or(window_->backColor()));
  }
}

void MagnifierWindow::showContrast() {
  const std::optional<platform::Colour> partner = chosenPartner_ ? chosenPartner_ : history_.newestOtherThan(colour_);
  partnerSwatch().setBackColor(partner.value_or(window_->backColor()));
  setTextIfChanged(contrastBox(), contrastText(colour_, partner));
}

void MagnifierWindow::historySwatchPressed(std::size_t slot, const platform::MouseEvent& event) {
  const std::optional<platform::Colour> taken = history_.colourAt(slot);
  if (!taken) return;
  if (event.buttons.contains(platform::MouseButton::Right)) {
    const int selected = notationList().listIndex();
    copyToClipboard(colour_code::format(selected < 0 ? Notation::Html : static_cast<Notation>(selected), *taken));
  } else if (event.buttons.contains(platform::MouseButton::Left) && event.modifiers.ctrl) {
    chosenPartner_ = chosenPartner_ == taken ? std::nullopt : taken;
    showContrast();
  } else if (event.buttons.contains(platform::MouseButton::Left)) {
    colour_ = *taken;
    showColour();
    showContrast();
  }
}

}  // namespace lindrel
