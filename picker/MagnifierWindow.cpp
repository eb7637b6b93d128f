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

using magnified::Sampling;
using magnified::ViewLayout;

constexpr const char* kTitle = " 屏幕放大取色器 by:zyn";
constexpr double kViewLeftTwips = 120, kViewTopTwips = 120;
constexpr double kViewWidthTwips = 3135, kViewHeightTwips = 2895;
constexpr int kSampleIntervalMs = 50;
constexpr int kBigStep = 10;  // pixels an arrow key moves with Shift
constexpr platform::Colour kGridColour = platform::rgb(0x80, 0x80, 0x80);
constexpr int kChannelMax = 255;

// Where each channel's label, bar and box stand, from the window's top (twips).
constexpr std::array<double, 3> kChannelRowTopTwips{4470, 4800, 5130};
constexpr std::array<const char*, 3> kChannelCaptions{"R:", "G:", "B:"};

// The history's swatches: two columns right of the enlarged view, as tall as it, newest
// first along each row (twips).
constexpr std::size_t kHistoryColumns = 2;
constexpr double kHistoryLeft = 3360, kHistoryTop = 120;
constexpr double kHistoryWidth = 480, kHistoryHeight = 405, kHistoryGap = 90;

// "5x", "16x  3×3 平均".
std::string zoomText(int zoom, Sampling sampling) {
  std::string text = std::to_string(zoom) + "x";
  switch (sampling) {
    case Sampling::Point: break;
    case Sampling::Average3x3: text += "  3×3 平均"; break;
    case Sampling::Average5x5: text += "  5×5 平均"; break;
  }
  return text;
}

// The sampled area's outline: black or white, whichever stands out more against the colour.
platform::Colour outlineFor(platform::Colour colour) {
  return contrast::ratio(colour, platform::kBlack) >= contrast::ratio(colour, platform::kWhite) ? platform::kBlack
                                                                                                   : platform::kWhite;
}

platform::Colour averageOf(const std::vector<platform::Colour>& colours) {
  int sums[3] = {0, 0, 0};
  for (const platform::Colour c : colours) {
    for (int channel = 0; channel < 3; ++channel) sums[channel] += static_cast<int>(c >> (8 * channel) & 0xFF);
  }
  const int n = static_cast<int>(colours.size());
  return platform::rgb((sums[0] + n / 2) / n, (sums[1] + n / 2) / n, (sums[2] + n / 2) / n);
}

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

void MagnifierWindow::setZoom(int zoom) {
  if (!magnified::isZoomStep(zoom) || zoom == zoom_) return;
  zoom_ = zoom;
  showViewChoices();
}

void MagnifierWindow::setSampling(Sampling sampling) {
  if (sampling == sampling_) return;
  sampling_ = sampling;
  showViewChoices();
}

void MagnifierWindow::showViewChoices() {
  if (window_ == nullptr || !window_->isOpen()) return;
  showZoom();
  paintMagnifiedView();
}

void MagnifierWindow::zoomTo(int zoom) {
  if (zoom == zoom_) return;
  setZoom(zoom);
  if (onChange) onChange();
}

void MagnifierWindow::sampleWith(Sampling sampling) {
  if (sampling == sampling_) return;
  setSampling(sampling);
  // The colour becomes that of the new area at once.
  if (sampled_) {
    sampleAt(lastSample_);
    showContrast();
  }
  if (onChange) onChange();
}

void MagnifierWindow::showZoom() { window_->setCaption(std::string(kTitle) + "  " + zoomText(zoom_, sampling_)); }

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
  design.caption = kTitle;
  design.border = platform::Border::FixedToolWindow;
  design.width = 4530;
  design.height = 5520;
  window_ = platform_.createWindow(design);
  platform::Window& w = *window_;

  // Real controls in tab order.
  Controls& c = controls_;
  platform::PictureBoxSpec viewDesign{kViewLeftTwips, kViewTopTwips, kViewWidthTwips, kViewHeightTwips};
  viewDesign.focusable = true;
  c.magnifierView = &w.addPictureBox(viewDesign);
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
  c.magnifierView->onMouseDown = [this](const platform::MouseEvent& e) { viewPressed(e); };
  c.magnifierView->onWheel = [this](int notches) {
    int zoom = zoom_;
    for (int i = 0; i < notches; ++i) zoom = magnified::zoomedIn(zoom);
    for (int i = 0; i > notches; --i) zoom = magnified::zoomedOut(zoom);
    zoomTo(zoom);
  };
  w.onKeyPreview = [this](platform::Key key, platform::Modifiers modifiers) { return previewKey(key, modifiers); };
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
  showZoom();
  showColour();
  showHistory();
  showContrast();
}

// ---- Sampling and the magnifier

void MagnifierWindow::sampleUnderPointer() {
  platform::Point pointer;
  platform_.api().GetCursorPos(pointer);
  sampleAt(pointer);
}

void MagnifierWindow::sampleAt(platform::Point screenPixel) {
  lastSample_ = screenPixel;
  sampled_ = true;
  const ViewLayout layout = viewLayout();
  copyScreenIntoView(layout);
  std::optional<platform::Colour> colour = colourInView(layout);
  if (!colour && sampling_ == Sampling::Point) {
    const platform::ScreenDc screen = platform::getScreenDc(platform_.api());
    colour = platform_.api().GetPixel(screen.get(), screenPixel.x, screenPixel.y);
  }
  // Nothing came back: the last colour stays.
  if (colour && *colour != platform::kInvalidColour) {
    colour_ = *colour;
    showColour();
  }
  markView(layout);
}

// Each block of the enlarged copy is its screen pixel: the colour is read there, in this
// process, rather than from the screen a second time. Pixels off the desktop do not count.
std::optional<platform::Colour> MagnifierWindow::colourInView(const ViewLayout& layout) {
  const platform::Rect area =
      platform::intersect(magnified::sampledArea(lastSample_, sampling_), platform_.virtualDesktop());
  std::vector<platform::Colour> colours;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      const platform::Rect block = layout.blockOf(platform::Point{x, y});
      const platform::Colour c = magnifierView().point((block.left + block.right) / 2, (block.top + block.bottom) / 2);
      if (c == platform::kInvalidColour) return std::nullopt;
      colours.push_back(c);
    }
  }
  if (colours.empty()) return std::nullopt;
  return averageOf(colours);
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

ViewLayout MagnifierWindow::viewLayout() const {
  return ViewLayout(lastSample_, zoom_, window_->dpi(),
                    platform::Point{window_->designPixels(kViewWidthTwips), window_->designPixels(kViewHeightTwips)});
}

void MagnifierWindow::paintMagnifiedView() {
  if (!sampled_) return;  // nothing to show round yet
  const ViewLayout layout = viewLayout();
  copyScreenIntoView(layout);
  markView(layout);
}

// Only what the view shows is read and enlarged, in one stretch; what lies outside the
// desktop shows black.
void MagnifierWindow::copyScreenIntoView(const ViewLayout& layout) {
  platform::Api& api = platform_.api();
  const platform::Rect square = layout.sourceArea();
  const platform::Rect onDesktop = platform::intersect(square, platform_.virtualDesktop());
  platform::PictureBox& view = magnifierView();
  const platform::Hdc target = view.hdc();
  if (onDesktop != square) {
    const platform::Rect all{0, 0, layout.viewSize().x, layout.viewSize().y};
    view.fillRects({&all, 1}, platform::kBlack);
  }
  if (onDesktop.empty()) return;
  // While the pen is held the screen's context stays open between the ticks.
  const platform::ScreenDc ownScreen = pickingScreen_ ? platform::ScreenDc{} : platform::getScreenDc(api);
  const platform::Hdc screen = pickingScreen_ ? pickingScreen_.get() : ownScreen.get();
  const platform::Rect to = layout.blocksOf(onDesktop);
  api.StretchBlt(target, to.left, to.top, to.width(), to.height(), screen, onDesktop.left, onDesktop.top,
                 onDesktop.width(), onDesktop.height(), platform::kSrcCopy);
}

void MagnifierWindow::markView(const ViewLayout& layout) {
  if (layout.hasGrid()) drawGrid(layout);
  drawOutline(layout);
}

// A line at every block's left and top edge: the block keeps the rest.
void MagnifierWindow::drawGrid(const ViewLayout& layout) {
  const platform::Point size = layout.viewSize();
  const platform::Rect first = layout.blockOf(layout.sourceAt(platform::Point{0, 0}));
  std::vector<platform::Rect> lines;
  for (int x = first.left; x < size.x; x += layout.block()) {
    if (x >= 0) lines.push_back(platform::Rect{x, 0, x + 1, size.y});
  }
  for (int y = first.top; y < size.y; y += layout.block()) {
    if (y >= 0) lines.push_back(platform::Rect{0, y, size.x, y + 1});
  }
  magnifierView().fillRects(lines, kGridColour);
}

// A frame round the sampled area: on the grid lines that bound it, else just outside it, so
// every pixel of the area keeps its own colour.
void MagnifierWindow::drawOutline(const ViewLayout& layout) {
  const platform::Rect area = layout.blocksOf(magnified::sampledArea(lastSample_, sampling_));
  const int outside = layout.hasGrid() ? 0 : 1;
  const platform::Rect f{area.left - outside, area.top - outside, area.right + 1, area.bottom + 1};
  const platform::Rect sides[4] = {{f.left, f.top, f.right, f.top + 1},
                                   {f.left, f.bottom - 1, f.right, f.bottom},
                                   {f.left, f.top, f.left + 1, f.bottom},
                                   {f.right - 1, f.top, f.right, f.bottom}};
  magnifierView().fillRects(sides, outlineFor(colour_));
}

void MagnifierWindow::sampleTick() {
  const platform::Colour before = colour_;
  sampleUnderPointer();
  // The ratio follows once the pen rests on a colour: rewritten with every sample while the
  // hand moves, it could not be read and would cost as much as the rest of the texts.
  if (colour_ == before) showContrast();
  sampledSincePenDown_ = true;
}

void MagnifierWindow::startPicking() {
  sampledSincePenDown_ = false;
  pickingScreen_ = platform::getScreenDc(platform_.api());
  sampleTimer().setEnabled(true);
  window_->setPointer(platform::PointerShape::Pen);
  penButton().setPicture(platform::Picture::None);  // the pen is in the user's hand now
}

void MagnifierWindow::stopPicking() {
  sampleTimer().setEnabled(false);
  pickingScreen_ = platform::ScreenDc{};
  window_->setPointer(platform::PointerShape::Default);
  penButton().setPicture(penImage_.picture);
  if (sampledSincePenDown_) takeColour();
  sampledSincePenDown_ = false;
}

// ---- The keyboard and the view

bool MagnifierWindow::previewKey(platform::Key key, platform::Modifiers modifiers) {
  const int step = modifiers.shift ? kBigStep : 1;
  const platform::ArrowStep arrow = platform::arrowStep(key);
  const bool plainArrow = platform::isArrow(key) && !modifiers.ctrl && !modifiers.alt;
  if (picking()) {
    if (plainArrow) movePointer(arrow.dx * step, arrow.dy * step);
    return plainArrow;
  }
  if (!magnifierView().hasFocus()) return false;
  if (plainArrow) {
    moveSample(arrow.dx * step, arrow.dy * step);
    return true;
  }
  return viewKey(key, modifiers);
}

bool MagnifierWindow::viewKey(platform::Key key, platform::Modifiers modifiers) {
  if (modifiers.alt) return false;
  switch (key) {
    case platform::Key::Return:
    case platform::Key::Space:
      if (modifiers.ctrl) return false;
      if (!sampled_) moveSample(0, 0);
      takeColour();
      return true;
    case platform::Key::Plus: zoomTo(magnified::zoomedIn(zoom_)); return true;
    case platform::Key::Minus: zoomTo(magnified::zoomedOut(zoom_)); return true;
    case platform::Key::C:
      if (!modifiers.ctrl) return false;
      copyCode();
      return true;
    case platform::Key::ContextMenu: popupViewMenu(std::nullopt); return true;
    default: return false;
  }
}

platform::Point MagnifierWindow::onDesktop(platform::Point p) const {
  const platform::Rect desktop = platform_.virtualDesktop();
  return platform::Point{std::clamp(p.x, desktop.left, desktop.right - 1), std::clamp(p.y, desktop.top, desktop.bottom - 1)};
}

void MagnifierWindow::moveSample(int dx, int dy) {
  platform::Point from = lastSample_;
  if (!sampled_) platform_.api().GetCursorPos(from);
  sampleAt(onDesktop(platform::Point{from.x + dx, from.y + dy}));
  showContrast();
}

void MagnifierWindow::movePointer(int dx, int dy) {
  platform::Api& api = platform_.api();
  platform::Point pointer;
  api.GetCursorPos(pointer);
  const platform::Point to = onDesktop(platform::Point{pointer.x + dx, pointer.y + dy});
  api.SetCursorPos(to.x, to.y);
  sampleTick();  // at once, not at the next tick
}

void MagnifierWindow::viewPressed(const platform::MouseEvent& event) {
  if (event.buttons.contains(platform::MouseButton::Right)) {
    platform::Point pointer;
    platform_.api().GetCursorPos(pointer);
    popupViewMenu(pointer);
    return;
  }
  if (!event.buttons.contains(platform::MouseButton::Left)) return;
  if (sampled_) {
    // The pixel the block under the press shows, whatever is drawn over it there.
    const platform::Point pressed{static_cast<int>(platform::pixelsFromTwips(event.x)),
                                  static_cast<int>(platform::pixelsFromTwips(event.y))};
    sampleAt(onDesktop(viewLayout().sourceAt(pressed)));
  } else {
    sampleUnderPointer();
  }
  takeColour();
}

void MagnifierWindow::popupViewMenu(std::optional<platform::Point> at) {
  if (!at) {
    // From the keyboard: at the middle of the view.
    const platform::Rect r = window_->pixelRect();
    at = platform::Point{r.left + window_->designPixels(kViewLeftTwips + kViewWidthTwips / 2),
                         r.top + window_->designPixels(kViewTopTwips + kViewHeightTwips / 2)};
  }
  platform::MenuItemSpec menu;
  const auto sampleItem = [&](const char* caption, Sampling sampling) {
    menu.children.push_back({caption, [this, sampling] { sampleWith(sampling); }, {}, sampling == sampling_});
  };
  sampleItem("单点取色(&P)", Sampling::Point);
  sampleItem("3×3 平均(&3)", Sampling::Average3x3);
  sampleItem("5×5 平均(&5)", Sampling::Average5x5);
  menu.children.push_back({"-", {}, {}});
  menu.children.push_back({"放大(&I)\t+", [this] { zoomTo(magnified::zoomedIn(zoom_)); }, {}});
  menu.children.push_back({"缩小(&O)\t-", [this] { zoomTo(magnified::zoomedOut(zoom_)); }, {}});
  // Made for each popup, with the check mark where the sampling is now; it lives until the
  // chosen item has run.
  const std::unique_ptr<platform::Menu> popup = platform_.createMenu(menu);
  window_->popupMenu(*popup, at);
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
