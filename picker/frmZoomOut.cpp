#include "picker/frmZoomOut.h"

#include <array>
#include <cmath>
#include <initializer_list>
#include <string>
#include <vector>

#include "app/Application.h"
#include "picker/Module2.h"
#include "platform/Errors.h"
#include "platform/Handles.h"
#include "platform/Text.h"
#include "ruler/zynmod.h"

namespace lindrel {
namespace {

namespace text = platform::text;
using platform::ErrorNumber;
using platform::PlatformError;

constexpr std::array<const char*, 5> kNotationNames{"HTML 模式", "VB 模式", "Delphi 模式", "RGB 模式", "C++ 模式"};
constexpr std::int16_t kBackspace = 8;
constexpr int kZoom = 5;
constexpr int kSquare = 100;  // screen pixels each way
constexpr int kPointerInset = 20;  // the pointer's place in the square, from its top-left

std::int32_t whole(double value) { return static_cast<std::int32_t>(std::lround(value)); }

// Six upper-case hexadecimal digits, BBGGRR.
std::string sixDigits(double colorValue) {
  const std::string hex = text::hexUpper(static_cast<std::uint32_t>(whole(colorValue)));
  return hex.size() >= 6 ? hex : std::string(6 - hex.size(), '0') + hex;
}

// A component box's number. An empty box is a step of typing a new number: it counts as 0.
// Text that is not a number raises TypeMismatch.
std::int16_t boxValue(const std::string& boxText) { return boxText.empty() ? 0 : text::toInteger16(boxText); }

std::string partText(const frmZoomOut::Part& part) {
  if (const double* number = std::get_if<double>(&part)) return text::shortestDecimal(*number);
  return std::get<std::string>(part);
}

std::int16_t partValue(const frmZoomOut::Part& part) {
  if (const double* number = std::get_if<double>(&part)) return text::toInteger16(*number);
  return boxValue(std::get<std::string>(part));
}

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
  if (value > 255) box.setText("255");
  else if (value < 0) box.setText("0");
}

// One component of a typed RGB code: a 16-bit number, held to 0..255.
int rgbComponent(const std::string& part) {
  const int value = text::toInteger16(part);
  return value > 255 ? 255 : (value < 0 ? 0 : value);
}

platform::Label& addComponentLabel(platform::Window& window, double top, const char* caption) {
  platform::LabelSpec design;
  design.left = 120;
  design.top = top;
  design.width = 255;
  design.height = 255;
  design.caption = caption;
  return window.addLabel(design);
}

platform::TextBox& addComponentBox(platform::Window& window, double top) {
  platform::TextBoxSpec design{2880, top, 375, 270, "255", 3};
  // Three digits fit the narrow box only in a size below the window's own, and without the
  // font's own margins (with them a box 25 pixels wide scrolls its third digit out of sight).
  design.font.points = 8;
  design.noMargins = true;
  return window.addTextBox(design);
}

bool isComponentKey(std::int16_t keyCode) { return keyCode == kBackspace || (keyCode >= '0' && keyCode <= '9'); }

}  // namespace

frmZoomOut::frmZoomOut(Application& app) : platform_(app.platform()) {}

frmZoomOut::~frmZoomOut() = default;

void frmZoomOut::open() {
  if (window_ == nullptr || !window_->isOpen()) load();
  window_->show();
}

// A new window with every control at its design value; the object's colour state stays.
void frmZoomOut::load() {
  platform::WindowSpec design;
  design.className = "LindrelZoomOut";
  design.caption = " 屏幕放大取色器 by:zyn";
  design.border = platform::Border::FixedToolWindow;
  design.width = 3375;
  design.height = 5280;
  window_ = platform_.createWindow(design);
  platform::Window& w = *window_;

  // Real controls in tab order.
  Pic2 = &w.addPictureBox({120, 120, 3135, 2895});
  CmdPen = &w.addButton({2520, 3120, 735, 375, "", imgPen.picture});
  pic = &w.addPictureBox({120, 3120, 975, 375});
  txtColor = &w.addTextBox({1200, 3120, 1215, 375, "#FFFFFF"});
  cmbSel = &w.addComboBox({120, 3600, 1455, 300});
  btnCopy = &w.addButton({1680, 3600, 735, 375, "复制"});
  cmdSet = &w.addButton({2520, 3600, 735, 375, "设置"});
  red = &w.addScrollBar({360, 4080, 2415, 255, 0, 255, 255});
  green = &w.addScrollBar({360, 4440, 2415, 255, 0, 255, 255});
  blue = &w.addScrollBar({360, 4800, 2415, 255, 0, 255, 255});
  Label1 = &addComponentLabel(w, 4080, "R:");
  Label2 = &addComponentLabel(w, 4440, "G:");
  Label3 = &addComponentLabel(w, 4800, "B:");
  txtR = &addComponentBox(w, 4080);
  txtG = &addComponentBox(w, 4440);
  txtB = &addComponentBox(w, 4800);
  Timer1 = &w.addTimer(50, false);

  Timer1->onTimer = [this] { Timer1_Timer(); };
  CmdPen->onMouseDown = [this](const platform::MouseEvent& e) { CmdPen_MouseDown(e.button, e.shift, e.x, e.y); };
  CmdPen->onMouseUp = [this](const platform::MouseEvent& e) { CmdPen_MouseUp(e.button, e.shift, e.x, e.y); };
  Pic2->onMouseDown = [this](const platform::MouseEvent& e) { Pic2_MouseDown(e.button, e.shift, e.x, e.y); };
  cmbSel->onClick = [this] { showColorCode(); };
  btnCopy->onClick = [this] { btnCopy_Click(); };
  cmdSet->onClick = [this] { applyColorCode(); };
  red->onScroll = [this] { red_Scroll(); };
  green->onScroll = [this] { green_Scroll(); };
  blue->onScroll = [this] { blue_Scroll(); };
  for (platform::TextBox* box : {txtR, txtG, txtB}) {
    // Only digits and Backspace reach a box; the colour follows once the key is in it.
    box->onKeyPress = [](std::int16_t& keyAscii) {
      if (!isComponentKey(keyAscii)) keyAscii = 0;
    };
    box->onKeyApplied = [this](std::int16_t keyAscii) { setColor2(keyAscii); };
    box->onEdited = [this] { componentEdited(); };
  }

  Form_Load();
}

void frmZoomOut::Form_Load() {
  zynmod::setTopMost(platform_.api(), window_->hwnd(), platform::kTrue);
  for (const char* name : kNotationNames) cmbSel->addItem(name);
  cmbSel->setListIndex(Html);  // runs showColorCode
  txtColor->setText("#FFFFFF");
}

// ---- Sampling and the magnifier

void frmZoomOut::setColor() {
  platform::Api& api = platform_.api();
  api.GetCursorPos(cursorPos);
  platform::Colour colour;
  {
    const platform::ScreenDc screen = platform::getScreenDc(api);
    colour = api.GetPixel(screen.get(), cursorPos.x, cursorPos.y);
    if (colour == platform::kInvalidColour) {
      // A pixel the screen will not read directly may still be copied: read it in the swatch.
      api.BitBlt(pic->hdc(), 0, 0, 1, 1, screen.get(), cursorPos.x, cursorPos.y, platform::kSrcCopy);
      colour = pic->point(0, 0);
    }
  }
  if (colour == platform::kInvalidColour) return;  // nothing came back: the last colour stays
  colorValue = colour;
  renderSample();
}

void frmZoomOut::renderSample() {
  const std::int32_t v = whole(colorValue);
  redPart = static_cast<double>(v % 256);
  greenPart = static_cast<double>(v / 256 % 256);
  bluePart = static_cast<double>(v / 256 / 256);
  showColorCode();
  setRGB();
  pic->setBackColor(static_cast<platform::Colour>(v));
}

void frmZoomOut::paintMagnifier() {
  platform::Api& api = platform_.api();
  const platform::Rect square{cursorPos.x - kPointerInset, cursorPos.y - kPointerInset,
                              cursorPos.x - kPointerInset + kSquare, cursorPos.y - kPointerInset + kSquare};
  // What lies outside the desktop shows black; only the rest is read from the screen.
  const platform::Rect onDesktop = platform::intersect(square, platform_.virtualDesktop());
  const platform::Hdc target = Pic2->hdc();
  if (onDesktop != square) {
    api.BitBlt(target, 0, 0, kSquare * kZoom, kSquare * kZoom, platform::kNoDc, 0, 0, platform::kBlackness);
  }
  if (onDesktop.empty()) return;
  const platform::ScreenDc screen = platform::getScreenDc(api);
  api.StretchBlt(target, (onDesktop.left - square.left) * kZoom, (onDesktop.top - square.top) * kZoom,
                 onDesktop.width() * kZoom, onDesktop.height() * kZoom, screen.get(), onDesktop.left, onDesktop.top,
                 onDesktop.width(), onDesktop.height(), platform::kSrcCopy);
}

void frmZoomOut::Timer1_Timer() {
  setColor();
  paintMagnifier();
}

void frmZoomOut::CmdPen_MouseDown(std::int16_t, std::int16_t, double, double) {
  Timer1->setEnabled(true);
  window_->setPointer(imgPen.picture);
  CmdPen->setPicture(platform::Picture::None);  // the pen is in the user's hand now
}

void frmZoomOut::CmdPen_MouseUp(std::int16_t, std::int16_t, double, double) {
  Timer1->setEnabled(false);
  window_->setPointer(platform::Picture::None);
  CmdPen->setPicture(imgPen.picture);
}

void frmZoomOut::Pic2_MouseDown(std::int16_t, std::int16_t, double, double) { setColor(); }

// ---- The code notations

std::string frmZoomOut::HexToHtml(const std::string& s) const {
  std::string html = "#";
  html += text::right(s, 2);
  html += text::mid(s, 3, 2);
  html += text::mid(s, 1, 2);
  return html;
}

std::string frmZoomOut::codeFor(int notation) const {
  const std::int32_t v = whole(colorValue);
  switch (notation) {
    case Html: return HexToHtml(hexText);
    case Vb: return "&h" + hexText;
    case Delphi: return "$00" + hexText;
    case Rgb: return std::to_string(v % 256) + "," + std::to_string(v / 256 % 256) + "," + std::to_string(v / 256 / 256);
    case Cpp: return "0x00" + hexText;
  }
  return {};  // the list holds only the five notations
}

void frmZoomOut::setRGB() {
  setValueIfChanged(*red, partValue(redPart));
  setValueIfChanged(*green, partValue(greenPart));
  setValueIfChanged(*blue, partValue(bluePart));
  setTextIfChanged(*txtR, partText(redPart));
  setTextIfChanged(*txtG, partText(greenPart));
  setTextIfChanged(*txtB, partText(bluePart));
}

void frmZoomOut::showColorCode() {
  hexText = sixDigits(colorValue);
  const int notation = cmbSel->listIndex();
  if (notation < 0) return;
  setTextIfChanged(*txtColor, codeFor(notation));
}

void frmZoomOut::btnCopy_Click() {
  const std::string code = txtColor->text();
  try {
    platform_.clearClipboard();
    platform_.setClipboardText(code);
  } catch (const PlatformError& error) {
    platform_.msgBox(error.description());
  }
}

// ---- Editing

void frmZoomOut::setColor2(std::int16_t& keyCode) {
  if (!isComponentKey(keyCode)) {
    keyCode = 0;
    return;
  }
  try {
    for (platform::TextBox* box : {txtB, txtR, txtG}) clampBox(*box);
    const Part r = txtR->text();
    const Part g = txtG->text();
    const std::string blueText = txtB->text();
    const Part b = blueText.empty() ? Part{std::string{}} : Part{static_cast<double>(boxValue(blueText))};
    const double value = partValue(r) + 256.0 * partValue(g) + 65536.0 * partValue(b);
    // Only a colour read in full replaces the stored one.
    redPart = r;
    greenPart = g;
    bluePart = b;
    colorValue = value;
    showColorCode();
    applyColorCode();
    setRGB();
  } catch (const PlatformError& error) {
    platform_.msgBox(error.description());
  }
}

void frmZoomOut::applyColorCode() {
  try {
    hexText = txtColor->text();
    double value = colorValue;
    switch (cmbSel->listIndex()) {
      case Html: value = Module2::hexToDec(text::right(HexToHtml(text::right(hexText, 6)), 6)); break;
      case Vb:
      case Delphi:
      case Cpp: value = Module2::hexToDec(text::right(hexText, 6)); break;
      case Rgb: {
        const std::vector<std::string> parts = text::split(hexText, ",");
        if (parts.size() < 3) platform::raise(ErrorNumber::SubscriptOutOfRange);
        const int b = rgbComponent(parts[2]);
        const int g = rgbComponent(parts[1]);
        const int r = rgbComponent(parts[0]);
        value = r + 256.0 * g + 65536.0 * b;
        break;
      }
      default: break;
    }
    colorValue = value;
    pic->setBackColor(static_cast<platform::Colour>(whole(colorValue)));
  } catch (const PlatformError& error) {
    const zynmod::OutOfTopmostBand whileTheMessageIsUp(platform_.api(), window_->hwnd());
    platform_.msgBox(error.description());
  }
}

void frmZoomOut::componentScrolled(platform::ScrollBar& bar, platform::TextBox& box) {
  box.setText(std::to_string(bar.value()));
  componentEdited();
}

void frmZoomOut::componentEdited() {
  // The private code of an edit that is no typed character: it always passes the filter.
  std::int16_t code = kBackspace;
  setColor2(code);
}

void frmZoomOut::red_Scroll() { componentScrolled(*red, *txtR); }
void frmZoomOut::green_Scroll() { componentScrolled(*green, *txtG); }
void frmZoomOut::blue_Scroll() { componentScrolled(*blue, *txtB); }

}  // namespace lindrel
