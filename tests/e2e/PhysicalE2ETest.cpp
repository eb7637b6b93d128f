// Real lengths: the physical centimetre scale, its calibration through the dialog (kept over
// a restart, bad lengths refused), and inches at a print resolution.

#include "tests/e2e/RulerProgram.h"

namespace lindrel::e2e {
namespace {

using PhysicalE2E = RulerProgram;

TEST_F(PhysicalE2E, ACalibrationSetsThePhysicalScaleExactlyAndIsKeptAndABadLengthIsRefused) {
  chooseUnitByKey('R');
  const Box r = rectOf(ruler);
  // Not a number, and a length that gives 640 pixels to the inch: the dialog stays, nothing kept.
  for (const wchar_t* bad : {L"abc", L"25.4"}) {
    HWND dialog = calibrateWith(program, ruler, bad);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(::IsWindowVisible(dialog)) << bad;
    clickOn(child(dialog, L"Button", 3));  // 取消
    ASSERT_TRUE(waitFor([&] { return !::IsWindow(dialog); }));
  }
  // The strip, 640 pixels long, measured as 160 mm: 4 pixels to the millimetre.
  ASSERT_EQ(r.width(), 640);
  HWND dialog = calibrateWith(program, ruler, L"160");
  ASSERT_TRUE(waitFor([&] { return !::IsWindow(dialog); }));
  EXPECT_TRUE(waitFor([&] { return longTicks(r) == everyStep(40, 640); }));
  restart();
  EXPECT_EQ(longTicks(rectOf(ruler)), everyStep(40, 640));
}

TEST_F(PhysicalE2E, InchesAt300DpiPutTheInchMarkAtPixel300) {
  chooseUnitByKey('I', 2);
  EXPECT_EQ(longTicks(rectOf(ruler)), everyStep(300, 640));
}

}  // namespace
}  // namespace lindrel::e2e
