#include "picker/MagnifierWindow.h"

#include <algorithm>
#include <string>

#include "picker/ColourNames.h"
#include "picker/Contrast.h"
#include "picker/Placement.h"
#include "strings/UiText.h"

namespace lindrel {
namespace {

using colour_code::Notation;
using magnified::Sampling;
using magnified::ViewLayout;
using platform::Colour;
using platform::Point;
using platform::Rect;
using strings::ui;
using strings::UiText;

constexpr const char* kTitle = " 屏幕放大取色器 by:zyn";
// A screen reader hears of a new colour a few times a second at most while the pen moves.
constexpr int kColourChangeGapMs = 200;
// The design at 96 DPI, in pixels.
constexpr Point kWindowSize{302, 378};
constexpr Rect kView{8, 8, 217, 201};
constexpr int kSampleIntervalMs = 50;
constexpr int kBigStep = 10;  // pixels an arrow key moves with Shift
constexpr Colour kGridColour = platform::rgb(0x80, 0x80, 0x80);

// The colour's name stands under the code box in a size below the window's own, and the list
// and the buttons under it: the window grows by no more than it must, so at 200 % it still
// fits a monitor 800 pixels high.
constexpr Rect kColourName{10, 264, 294, 278};
const platform::FontSpec kColourNameFont{"", 8};
constexpr int kListRowTop = 280;
// Where each channel's label, bar and box stand, from the window's top.
constexpr std::array<int, 3> kChannelRowTop{310, 331, 352};
constexpr std::array<const char*, 3> kChannelCaptions{"R:", "G:", "B:"};

// The history's swatches: two columns right of the enlarged view, as tall as it, newest
// first along each row.
constexpr std::size_t kHistoryColumns = 2;
constexpr Point kHistoryOrigin{224, 8}, kHistorySwatch{32, 27};
constexpr int kHistoryGap = 6;

// "5x", "16x  3×3 平均".
std::string zoomText(int zoom, Sampling sampling) {
  std::string zoomed = std::to_string(zoom) + "x";
  switch (sampling) {
    case Sampling::Point: break;
    case Sampling::Average3x3: zoomed += "  " + ui(UiText::Mean3x3); break;
    case Sampling::Average5x5: zoomed += "  " + ui(UiText::Mean5x5); break;
  }
  return zoomed;
}

// The sampled area's outline: black or white (in high contrast the system's window text or
// window colour), whichever stands out more against the colour.
Colour outlineFor(Colour colour, const platform::SystemColours& system) {
  const Colour dark = system.highContrast ? system.windowText : platform::kBlack;
  const Colour light = system.highContrast ? system.window : platform::kWhite;
  return contrast::ratio(colour, dark) >= contrast::ratio(colour, light) ? dark : light;
}

// A colour's code and its nearest name, as the view's value reads.
std::string spokenColour(const std::string& code, Colour colour) {
  return ui(UiText::CodeAndName, {code, colour_names::describe(colour_names::nearestNamedColour(colour))});
}

// "R:" names its bar and box "R".
std::string channelName(const char* caption) {
  std::string name(caption);
  if (!name.empty() && name.back() == ':') name.pop_back();
  return name;
}

// What is wrong with a typed code, naming the notation and the number or character (counted
// in the code without the blanks round it, as it is quoted).
std::string messageFor(const colour_code::CodeError& error, std::string_view typed) {
  using Problem = colour_code::CodeError::Problem;
  const std::string name = colour_code::nameOf(error.notation);
  const std::string example = colour_code::format(error.notation, platform::rgb(18, 171, 60));
  typed.remove_prefix(std::min(typed.size(), typed.find_first_not_of(" \t")));
  typed.remove_suffix(typed.size() - std::min(typed.size(), typed.find_last_not_of(" \t") + 1));
  const std::string at = std::to_string(error.at);
  const bool bgr = error.notation == Notation::Vb || error.notation == Notation::Delphi || error.notation == Notation::Cpp;
  switch (error.problem) {
    case Problem::MissingParts:
      return ui(example.find(',') != std::string::npos ? UiText::CodeNeedsCommas : UiText::CodeNeedsBlanks, {name, example});
    case Problem::EmptyPart: return ui(UiText::CodeEmptyPart, {typed, at});
    case Problem::NotANumber: return ui(UiText::CodeNotANumber, {typed, at, error.what});
    case Problem::TooLarge:
      return bgr ? ui(UiText::CodeValueTooLarge, {name, example}) : ui(UiText::CodeTooLarge, {typed, at, error.what});
    case Problem::DigitCount: return ui(bgr ? UiText::CodeValueDigits : UiText::CodeDigits, {name, example});
    case Problem::NotAHexDigit: break;
  }
  return ui(UiText::CodeNotAHexDigit, {typed, at, error.what});
}

bool isChannelBoxCharacter(char16_t c) { return c == u'\b' || (c >= u'0' && c <= u'9'); }

Rect historySwatchDesign(std::size_t slot) {
  const int column = static_cast<int>(slot % kHistoryColumns), row = static_cast<int>(slot / kHistoryColumns);
  return Rect::at({kHistoryOrigin.x + column * (kHistorySwatch.x + kHistoryGap),
                   kHistoryOrigin.y + row * (kHistorySwatch.y + kHistoryGap)},
                  kHistorySwatch);
}

}  // namespace

MagnifierWindow::MagnifierWindow(platform::Platform& platform) : platform_(platform) {}

MagnifierWindow::~MagnifierWindow() = default;

void MagnifierWindow::open(const Rect& beside) {
  if (isOpen()) {
    window_->show();
    return;
  }
  // The window closing left comes back: made anew with its two dozen controls it would be
  // most of what a hotkey takes. One made at another DPI than the area's is made anew.
  const bool kept = window_ != nullptr && window_->isOpen() && window_->dpi() == platform_.monitorDpi(beside);
  if (kept) {
    showModel();
  } else {
    load(beside);
  }
  open_ = true;
  // Where the user put it, when it still shows there (on a monitor of another DPI it follows
  // that DPI once there).
  const bool atPlace = place_ && platform_.showsOnAMonitor(Rect::at(*place_, window_->rect().size()));
  const Point at = atPlace ? *place_ : placeBeside(beside);
  if (kept) window_->move(at);  // the first showing places a new window itself
  window_->show(at);
}

void MagnifierWindow::close() {
  if (pickingAnywhereFrom_) {
    finishPickingAnywhere(std::nullopt);
  } else if (picking()) {
    stopPicking();
  }
  window_->hide();
  open_ = false;
}

void MagnifierWindow::textsChanged() {
  if (!isOpen()) {
    window_.reset();  // a window kept hidden is made anew, in the language, at the next opening
    return;
  }
  // Made anew where it stands, from the model, which holds all that it shows.
  const Rect was = window_->rect();
  const bool visible = window_->isVisible();
  load(was);
  if (visible) window_->show(was.topLeft());
}

void MagnifierWindow::moveBeside(const Rect& area) {
  if (isOpen()) window_->move(placeBeside(area));
}

void MagnifierWindow::restore(Notation notation, const std::vector<Colour>& history, int zoom, Sampling sampling) {
  model_.setNotation(notation);
  model_.restoreHistory(history);
  model_.setZoom(zoom);
  model_.setSampling(sampling);
}

Point MagnifierWindow::placeBeside(const Rect& area) const {
  // The area's monitor first, then the others.
  std::vector<Rect> monitors{platform_.monitorArea(area)};
  for (const Rect& m : platform_.monitors()) {
    if (m != monitors.front()) monitors.push_back(m);
  }
  return placement::besideArea(area, window_->rect().size(), monitors);
}

// A new window with every control at its design value, on the monitor of an area; the
// model stays.
void MagnifierWindow::load(const Rect& onMonitorOf) {
  platform::WindowSpec design;
  design.startNear = onMonitorOf;
  design.className = "LindrelZoomOut";
  design.caption = kTitle;
  design.border = platform::Border::FixedToolWindow;
  design.designSize = kWindowSize;
  window_ = platform_.createWindow(design);
  platform::Window& w = *window_;

  // Real controls in tab order.
  Controls& c = controls_;
  c.magnifierView = &w.addPictureBox({kView, true, platform::kButtonFace, platform::Picture::None, true, ui(UiText::ViewName)});
  c.penButton = &w.addButton({{245, 208, 294, 233}, "", platform::Picture::Pen, false, false, ui(UiText::PenName)});
  c.swatch = &w.addPictureBox({{8, 208, 73, 233}, true, platform::kButtonFace, platform::Picture::None, false, ui(UiText::SwatchName)});
  // Wide enough for the longest code of any notation, "hsv(136.5, 89.5%, 67.1%)".
  platform::TextBoxSpec codeDesign{{8, 238, 294, 263}, "#FFFFFF"};
  codeDesign.accessibleName = ui(UiText::CodeBoxName);
  c.codeBox = &w.addTextBox(codeDesign);
  c.notationList = &w.addComboBox({Rect::at({8, kListRowTop}, {129, 20}), ui(UiText::NotationListName)});
  c.copyButton = &w.addButton({Rect::at({189, kListRowTop}, {49, 25}), ui(UiText::Copy)});
  c.setButton = &w.addButton({Rect::at({245, kListRowTop}, {49, 25}), ui(UiText::Set)});
  for (const Channel channel : kChannels) {
    const int top = kChannelRowTop[index(channel)];
    c.bars[index(channel)] = &w.addScrollBar(
        {Rect::at({24, top}, {238, 17}), 0, kChannelMax, kChannelMax, channelName(kChannelCaptions[index(channel)])});
  }
  for (const Channel channel : kChannels) {
    w.addLabel({Rect::at({8, kChannelRowTop[index(channel)]}, {17, 17}), kChannelCaptions[index(channel)]});
  }
  for (const Channel channel : kChannels) {
    platform::TextBoxSpec box{Rect::at({269, kChannelRowTop[index(channel)]}, {25, 18}), "255", 3};
    // Three digits fit the narrow box only in a size below the window's own, and without the
    // font's own margins (with them a box 25 pixels wide scrolls its third digit out of sight).
    box.font.points = 8;
    box.noMargins = true;
    box.accessibleName = channelName(kChannelCaptions[index(channel)]);
    c.boxes[index(channel)] = &w.addTextBox(box);
  }
  for (std::size_t slot = 0; slot < ColourHistory::kCapacity; ++slot) {
    c.historySwatches[slot] = &w.addPictureBox({historySwatchDesign(slot)});
  }
  c.partnerSwatch =
      &w.addPictureBox({{80, 208, 105, 233}, true, platform::kButtonFace, platform::Picture::None, false, ui(UiText::PartnerName)});
  platform::TextBoxSpec contrastDesign{{112, 208, 238, 233}, "—"};
  contrastDesign.readOnly = true;  // a real box, so its text can be selected and copied
  contrastDesign.accessibleName = ui(UiText::ContrastName);
  c.contrastBox = &w.addTextBox(contrastDesign);
  c.colourName = &w.addLabel({kColourName, "", kColourNameFont});
  c.sampleTimer = &w.addTimer(kSampleIntervalMs, false);
  c.colourChanges = std::make_unique<platform::CoalescedChanges>(
      platform_, w.addTimer(kColourChangeGapMs, false), kColourChangeGapMs,
      [this] { magnifierView().accessibleValueChanged(); });
  namedColour_.reset();
  wireControls();

  w.setTopmost(true);
  for (const Notation notation : colour_code::kNotations) c.notationList->add(colour_code::captionOf(notation));
  showModel();
}

void MagnifierWindow::showModel() {
  notationList().select(static_cast<int>(model_.notation()));
  showZoom();
  showColour();
  showHistory();
  showContrast();
}

void MagnifierWindow::wireControls() {
  Controls& c = controls_;
  // Made only when a client asks: picking never writes it.
  c.magnifierView->accessibleValue = [this] { return spokenColour(model_.code(), model_.colour()); };
  window_->onSystemColoursChange = [this] { paintMagnifiedView(); };
  c.sampleTimer->onTimer = [this] { sampleTick(); };
  c.penButton->onMouseDown = [this](const platform::MouseEvent&) { startPicking(); };
  // Picking without the pen: a press anywhere, which the window holds, takes the colour.
  window_->onMouseDown = [this](const platform::MouseEvent& e) {
    if (pickingAnywhereFrom_) finishPickingAnywhere(e.screen);
  };
  c.penButton->onMouseUp = [this](const platform::MouseEvent&) { stopPicking(); };
  c.magnifierView->onMouseDown = [this](const platform::MouseEvent& e) { viewPressed(e); };
  c.magnifierView->onWheel = [this](int notches) { zoomBy(notches); };
  window_->onKeyPreview = [this](platform::Key key, platform::Modifiers modifiers) { return previewKey(key, modifiers); };
  window_->onCloseRequest = [this] { close(); };
  for (std::size_t slot = 0; slot < ColourHistory::kCapacity; ++slot) {
    c.historySwatches[slot]->onMouseDown = [this, slot](const platform::MouseEvent& e) {
      swatchPressed(model_.history().colourAt(slot), e);
    };
    c.historySwatches[slot]->setTooltip(ui(UiText::SwatchTip));
  }
  c.partnerSwatch->onMouseDown = [this](const platform::MouseEvent& e) {
    if (e.modifiers.ctrl && e.buttons.contains(platform::MouseButton::Left)) {
      model_.unchoosePartner();
      showContrast();
    } else {
      swatchPressed(model_.partner(), e);
    }
  };
  c.partnerSwatch->setTooltip(ui(UiText::PartnerTip));
  c.notationList->onSelect = [this] {
    const int chosen = notationList().selectedIndex();
    if (chosen < 0) return;
    const bool other = static_cast<Notation>(chosen) != model_.notation();
    model_.setNotation(static_cast<Notation>(chosen));
    showText(codeBox(), model_.code());
    if (!other) return;
    nameHistory();
    controls_.colourChanges->changed();
    changed();
  };
  window_->onRectChange = [this](platform::ChangedBy by) {
    if (by != platform::ChangedBy::System) return;
    place_ = window_->rect().topLeft();
    changed();
  };
  c.copyButton->onClick = [this] { copyCode(); };
  c.setButton->onClick = [this] { applyTypedCode(); };
  for (const Channel channel : kChannels) {
    c.bars[index(channel)]->onUserChange = [this, channel] { channelBarMoved(channel); };
    platform::TextBox& box = *c.boxes[index(channel)];
    // Only digits and Backspace reach a box (the Ctrl keys of the box still work); the
    // colour follows every change.
    box.acceptsCharacter = isChannelBoxCharacter;
    box.onUserEdit = [this, channel] { channelBoxEdited(channel); };
  }
}

void MagnifierWindow::changed() {
  if (onChange) onChange();
}

void MagnifierWindow::setSampling(Sampling sampling) {
  if (model_.setSampling(sampling)) showViewChoices();
}

void MagnifierWindow::setZoom(int zoom) {
  if (model_.setZoom(zoom)) showViewChoices();
}

void MagnifierWindow::showViewChoices() {
  if (!isOpen()) return;
  showZoom();
  paintMagnifiedView();
}

void MagnifierWindow::zoomBy(int notches) {
  if (!model_.zoomBy(notches)) return;
  showViewChoices();
  changed();
}

void MagnifierWindow::sampleWith(Sampling sampling) {
  if (!model_.setSampling(sampling)) return;
  showViewChoices();
  // The colour becomes that of the new area at once.
  if (model_.sample()) {
    sampleAt(*model_.sample());
    showContrast();
  }
  changed();
}

void MagnifierWindow::showZoom() { magnifierView().setCornerText(zoomText(model_.zoom(), model_.sampling())); }

// ---- Sampling and the magnifier

void MagnifierWindow::sampleAt(Point screenPixel) {
  model_.setSample(screenPixel);
  const ViewLayout layout = viewLayout();
  copyScreenIntoView(layout);
  std::optional<Colour> colour = colourInView(layout);
  if (!colour && model_.sampling() == Sampling::Point) colour = platform_.screenPixel(screenPixel);
  // Nothing came back: the last colour stays.
  if (colour) {
    model_.setColour(*colour);
    showColour();
  }
  markView(layout);
}

// Each block of the enlarged copy is its screen pixel: the colour is read there, in this
// process, rather than from the screen a second time. Pixels off the desktop do not count.
std::optional<Colour> MagnifierWindow::colourInView(const ViewLayout& layout) {
  const Rect area = platform::intersect(magnified::sampledArea(layout.sample(), model_.sampling()), platform_.virtualDesktop());
  std::vector<Colour> colours;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      const Rect block = layout.blockOf(Point{x, y});
      const auto c = magnifierView().pixel({(block.left + block.right) / 2, (block.top + block.bottom) / 2});
      if (!c) return std::nullopt;
      colours.push_back(*c);
    }
  }
  if (colours.empty()) return std::nullopt;
  return magnified::averageOf(colours);
}

void MagnifierWindow::showColour() {
  showText(codeBox(), model_.code());
  for (const Channel c : kChannels) {
    if (channelBar(c).value() != model_.channel(c)) channelBar(c).setValue(model_.channel(c));
    showText(channelBox(c), std::to_string(model_.channel(c)));
  }
  swatch().setBackColour(model_.colour());
  showColourName();
}

void MagnifierWindow::showColourName() {
  if (namedColour_ == model_.colour()) return;  // 148 differences each time: not for the same colour
  namedColour_ = model_.colour();
  controls_.colourName->setCaption(colour_names::describe(colour_names::nearestNamedColour(model_.colour())));
  controls_.colourChanges->changed();
}

ViewLayout MagnifierWindow::viewLayout() const {
  return ViewLayout(model_.sample().value_or(Point{}), model_.zoom(), window_->dpi(),
                    {window_->scaled(kView.width()), window_->scaled(kView.height())});
}

void MagnifierWindow::paintMagnifiedView() {
  if (!model_.sample()) return;  // nothing to show round yet
  const ViewLayout layout = viewLayout();
  copyScreenIntoView(layout);
  markView(layout);
}

// Only what the view shows is read and enlarged, in one stretch; what lies outside the
// desktop shows black.
void MagnifierWindow::copyScreenIntoView(const ViewLayout& layout) {
  const Rect square = layout.sourceArea();
  const Rect onDesktop = platform::intersect(square, platform_.virtualDesktop());
  platform::PictureBox& view = magnifierView();
  if (onDesktop != square) {
    const Rect all = Rect::at({}, layout.viewSize());
    view.fillRects({&all, 1}, platform::kBlack);
  }
  if (!onDesktop.empty()) view.showScreenArea(onDesktop, layout.blocksOf(onDesktop));
}

void MagnifierWindow::markView(const ViewLayout& layout) {
  if (layout.hasGrid()) {
    // A line at every block's left and top edge: the block keeps the rest.
    const Point size = layout.viewSize();
    const Rect first = layout.blockOf(layout.sourceAt(Point{0, 0}));
    std::vector<Rect> lines;
    for (int x = first.left; x < size.x; x += layout.block()) {
      if (x >= 0) lines.push_back(Rect{x, 0, x + 1, size.y});
    }
    for (int y = first.top; y < size.y; y += layout.block()) {
      if (y >= 0) lines.push_back(Rect{0, y, size.x, y + 1});
    }
    const platform::SystemColours system = platform_.systemColours();
    magnifierView().fillRects(lines, system.highContrast ? system.grayText : kGridColour);
  }
  // A frame round the sampled area: on the grid lines that bound it, else just outside it,
  // so every pixel of the area keeps its own colour.
  const Rect area = layout.blocksOf(magnified::sampledArea(layout.sample(), model_.sampling()));
  const int outside = layout.hasGrid() ? 0 : 1;
  const Rect f{area.left - outside, area.top - outside, area.right + 1, area.bottom + 1};
  const Rect sides[4] = {{f.left, f.top, f.right, f.top + 1},
                         {f.left, f.bottom - 1, f.right, f.bottom},
                         {f.left, f.top, f.left + 1, f.bottom},
                         {f.right - 1, f.top, f.right, f.bottom}};
  magnifierView().fillRects(sides, outlineFor(model_.colour(), platform_.systemColours()));
}

void MagnifierWindow::sampleTick() {
  const Colour before = model_.colour();
  sampleAt(platform_.pointerPosition());
  // The ratio follows once the pen rests on a colour: rewritten with every sample while the
  // hand moves, it could not be read and would cost as much as the rest of the texts.
  if (model_.colour() == before) showContrast();
  sampledSincePenDown_ = true;
}

void MagnifierWindow::startPicking() {
  sampledSincePenDown_ = false;
  pickingScreen_ = platform_.holdScreen();
  controls_.sampleTimer->setEnabled(true);
  window_->setPointer(platform::PointerShape::Pen);
  penButton().setPicture(platform::Picture::None);  // the pen is in the user's hand now
}

void MagnifierWindow::pickAnywhere(const Rect& beside) {
  open(beside);
  if (picking()) return;
  pickingAnywhereFrom_ = model_.colour();
  startPicking();
  window_->holdMouse(true);
  sampleTick();
}

void MagnifierWindow::finishPickingAnywhere(std::optional<Point> takenAt) {
  window_->holdMouse(false);
  if (takenAt) {
    sampleAt(*takenAt);
  } else {
    model_.setColour(*pickingAnywhereFrom_);
    showColour();
  }
  pickingAnywhereFrom_.reset();
  sampledSincePenDown_ = takenAt.has_value();
  stopPicking();
}

void MagnifierWindow::stopPicking() {
  controls_.sampleTimer->setEnabled(false);
  pickingScreen_.reset();
  window_->setPointer(platform::PointerShape::Default);
  penButton().setPicture(platform::Picture::Pen);
  if (sampledSincePenDown_) takeColour();
  sampledSincePenDown_ = false;
}

// ---- The keyboard and the view

bool MagnifierWindow::previewKey(platform::Key key, platform::Modifiers modifiers) {
  const int step = modifiers.shift ? kBigStep : 1;
  const Point arrow{platform::arrowStep(key).x * step, platform::arrowStep(key).y * step};
  const bool plainArrow = platform::isArrow(key) && !modifiers.ctrl && !modifiers.alt;
  if (picking() && pickingAnywhereFrom_ && (key == platform::Key::Return || key == platform::Key::Escape)) {
    finishPickingAnywhere(key == platform::Key::Return ? std::optional(platform_.pointerPosition()) : std::nullopt);
    return true;
  }
  if (picking()) {
    if (plainArrow) movePointer(arrow);
    return plainArrow;
  }
  if (key == platform::Key::Escape && !modifiers.ctrl && !modifiers.alt) {
    close();
    return true;
  }
  if (!magnifierView().hasFocus()) return false;
  if (plainArrow) {
    moveSample(arrow);
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
      if (!model_.sample()) moveSample({});
      takeColour();
      return true;
    case platform::Key::Plus: zoomBy(1); return true;
    case platform::Key::Minus: zoomBy(-1); return true;
    case platform::Key::C:
      if (!modifiers.ctrl) return false;
      copyCode();
      return true;
    case platform::Key::ContextMenu: popupViewMenu(std::nullopt); return true;
    default: return false;
  }
}

void MagnifierWindow::moveSample(Point step) {
  const Point from = model_.sample().value_or(platform_.pointerPosition());
  sampleAt(platform::clampedInto(from + step, platform_.virtualDesktop()));
  showContrast();
}

void MagnifierWindow::movePointer(Point step) {
  platform_.movePointer(platform_.pointerPosition() + step);
  sampleTick();  // at once, not at the next tick
}

void MagnifierWindow::viewPressed(const platform::MouseEvent& event) {
  if (event.buttons.contains(platform::MouseButton::Right)) {
    popupViewMenu(event.screen);
    return;
  }
  if (!event.buttons.contains(platform::MouseButton::Left)) return;
  // The pixel the block under the press shows, whatever is drawn over it there.
  const Point at = model_.sample() ? viewLayout().sourceAt(event.at) : platform_.pointerPosition();
  sampleAt(platform::clampedInto(at, platform_.virtualDesktop()));
  takeColour();
}

void MagnifierWindow::popupViewMenu(std::optional<Point> at) {
  // From the keyboard: at the view's top-left, as a control's keyboard menu opens.
  if (!at) at = magnifierView().screenOrigin();
  platform::MenuItemSpec menu;
  const auto sampleItem = [&](std::string caption, Sampling sampling) {
    menu.children.push_back({caption, [this, sampling] { sampleWith(sampling); }, {}, sampling == model_.sampling(), true});
  };
  sampleItem(ui(UiText::MenuOnePixel), Sampling::Point);
  sampleItem(ui(UiText::MenuMean3x3), Sampling::Average3x3);
  sampleItem(ui(UiText::MenuMean5x5), Sampling::Average5x5);
  menu.children.push_back({"-", {}, {}});
  menu.children.push_back({ui(UiText::MenuZoomIn), [this] { zoomBy(1); }, {}});
  menu.children.push_back({ui(UiText::MenuZoomOut), [this] { zoomBy(-1); }, {}});
  // Made for each popup, with the check mark where the sampling is now; it lives until the
  // chosen item has run.
  const std::unique_ptr<platform::Menu> popup = platform_.createMenu(menu);
  window_->popupMenu(*popup, at);
}

// ---- The code

void MagnifierWindow::copyCode() { platform_.copyTextOrSay(codeBox().text()); }


void MagnifierWindow::applyTypedCode() {
  const std::string typed = codeBox().text();
  const colour_code::ParsedColour read = colour_code::parseTyped(model_.notation(), typed);
  if (!read) {
    {
      const platform::TopmostSuspended whileTheMessageIsUp(*window_);
      platform_.showMessage(messageFor(read.error(), typed));
    }
    // The box shows the colour again: nothing was read.
    codeBox().setText(model_.code());
    return;
  }
  model_.setColour(*read);
  // What the colour is, in the notation chosen: a copy copies that, not what was typed.
  showColour();
  takeColour();
}

// ---- Editing

void MagnifierWindow::channelBoxEdited(Channel channel) {
  platform::TextBox& box = channelBox(channel);
  const auto reading = readChannelBox(box.text());
  if (!reading) {
    // The text that could not be read goes, so the next edit starts from a colour again.
    const std::string refused = box.text();
    box.setText(std::to_string(model_.channel(channel)));
    platform_.showMessage(ui(UiText::ChannelNotANumber, {refused}));
    return;
  }
  if (reading->shown) box.setText(*reading->shown);
  model_.setChannel(channel, reading->value);
  showChannelChange();
}

void MagnifierWindow::channelBarMoved(Channel channel) {
  model_.setChannel(channel, channelBar(channel).value());
  channelBox(channel).setText(std::to_string(model_.channel(channel)));
  showChannelChange();
}

// The box the user edited keeps its text; the code, the swatch, the bars and the contrast follow.
void MagnifierWindow::showChannelChange() {
  showText(codeBox(), model_.code());
  swatch().setBackColour(model_.colour());
  showColourName();
  showContrast();
  for (const Channel c : kChannels) {
    if (channelBar(c).value() != model_.channel(c)) channelBar(c).setValue(model_.channel(c));
  }
}

// ---- The history and the contrast

void MagnifierWindow::takeColour() {
  model_.take();
  showHistory();
  showContrast();
  // Said once where the system can, and told as the view's value everywhere.
  window_->announce(ui(UiText::ColourTaken, {spokenColour(model_.code(), model_.colour())}));
  controls_.colourChanges->changed();
  changed();
}

void MagnifierWindow::showHistory() {
  for (std::size_t slot = 0; slot < ColourHistory::kCapacity; ++slot) {
    historySwatch(slot).setBackColour(model_.history().colourAt(slot).value_or(window_->backColour()));
  }
  nameHistory();
}

void MagnifierWindow::nameHistory() {
  for (std::size_t slot = 0; slot < ColourHistory::kCapacity; ++slot) {
    const std::optional<Colour> colour = model_.history().colourAt(slot);
    historySwatch(slot).setAccessibleName(colour ? colour_code::format(model_.notation(), *colour) : ui(UiText::EmptySlotName));
  }
}

void MagnifierWindow::showContrast() {
  partnerSwatch().setBackColour(model_.partner().value_or(window_->backColour()));
  showText(contrastBox(), model_.contrastText());
}

void MagnifierWindow::swatchPressed(std::optional<Colour> taken, const platform::MouseEvent& event) {
  if (!taken) return;
  if (event.buttons.contains(platform::MouseButton::Right)) {
    platform_.copyTextOrSay(colour_code::format(model_.notation(), *taken));
  } else if (event.buttons.contains(platform::MouseButton::Left) && event.modifiers.ctrl) {
    model_.choosePartner(*taken);
    showContrast();
  } else if (event.buttons.contains(platform::MouseButton::Left)) {
    model_.setColour(*taken);
    showColour();
    showContrast();
  }
}

}  // namespace lindrel
