#include "calibrate/CalibrationDialog.h"

#include <string>

#include "text/Numbers.h"
#include "strings/UiText.h"

namespace lindrel {
namespace {

using platform::Rect;
using strings::ui;
using strings::UiText;

// What the length units are called in the list, in LengthUnit's order.
constexpr UiText kUnitNames[] = {UiText::CalibrationMillimetres, UiText::CalibrationCentimetres, UiText::CalibrationInches};
constexpr const char* kBankCard = "85.60";  // a bank card's width in millimetres (ISO/IEC 7810 ID-1)

std::string scaleText(const PhysicalScale& now) {
  if (now.guessed) return ui(UiText::CalibrationGuessed);
  return ui(UiText::CalibrationCurrent, {text::fixedDecimals(now.pixelsPerMm * kMillimetresPerInch, 1)});
}

}  // namespace

CalibrationDialog::CalibrationDialog(platform::Platform& platform) : platform_(platform) {}

CalibrationDialog::~CalibrationDialog() = default;

CalibrationDialog::Outcome CalibrationDialog::calibrate(int stripPixels, const PhysicalScale& now, const Rect& onMonitorOf) {
  if (window_ != nullptr && window_->isOpen()) return {};
  outcome_ = {};
  load(stripPixels, now, onMonitorOf);
  window_->showModal();
  return outcome_;
}

void CalibrationDialog::load(int stripPixels, const PhysicalScale& now, const Rect& onMonitorOf) {
  platform::WindowSpec design;
  design.startNear = onMonitorOf;
  design.className = "LindrelCalibration";
  design.caption = ui(UiText::CalibrationCaption);
  design.border = platform::Border::FixedDialog;
  design.designSize = {370, 186};
  window_ = platform_.createWindow(design);
  platform::Window& w = *window_;
  w.addLabel({Rect::at({12, 14}, {346, 18}), ui(UiText::CalibrationStrip, {std::to_string(stripPixels)})});
  w.addLabel({Rect::at({12, 45}, {80, 18}), ui(UiText::CalibrationMeasured)});
  length_ = &w.addTextBox({Rect::at({92, 41}, {96, 22}), ""});
  unit_ = &w.addComboBox({Rect::at({196, 41}, {72, 20})});
  for (const UiText name : kUnitNames) unit_->add(ui(name));
  unit_->select(0);
  platform::Button& card = w.addButton({Rect::at({12, 72}, {170, 24}), ui(UiText::CalibrationCard)});
  status_ = &w.addLabel({Rect::at({12, 106}, {346, 36}), scaleText(now)});
  platform::Button& ok = w.addButton({Rect::at({110, 152}, {76, 24}), ui(UiText::Ok), platform::Picture::None, true});
  platform::Button& forget = w.addButton({Rect::at({196, 152}, {76, 24}), ui(UiText::CalibrationForget)});
  platform::Button& cancel = w.addButton({Rect::at({282, 152}, {76, 24}), ui(UiText::Cancel), platform::Picture::None, false, true});
  card.onClick = [this] {
    length_->setText(kBankCard);
    unit_->select(0);
  };
  ok.onClick = [this, stripPixels] { confirm(stripPixels); };
  forget.onClick = [this] {
    outcome_ = Forget{};
    window_->close();
  };
  cancel.onClick = [this] { window_->close(); };
}

void CalibrationDialog::confirm(int stripPixels) {
  const auto unit = static_cast<LengthUnit>(std::max(0, unit_->selectedIndex()));
  const auto read = calibrationFrom(stripPixels, length_->text(), unit);
  if (read) {
    outcome_ = *read;
    window_->close();
    return;
  }
  // Said in the dialog, which stays up: nothing is kept.
  if (read.error().problem == CalibrationError::Problem::NotANumber) {
    status_->setCaption(ui(UiText::CalibrationNotALength, {length_->text()}));
  } else {
    status_->setCaption(ui(UiText::CalibrationOutOfRange, {text::fixedDecimals(read.error().pixelsPerInch, 1)}));
  }
}

}  // namespace lindrel
