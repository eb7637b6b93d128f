// The colour codes: writing the stored colour in each notation, and reading typed codes back.

#include "picker/Module2.h"
#include "tests/common/ErrorOf.h"
#include "tests/unit/PickerApp.h"

namespace lindrel::testing {
namespace {

class PickerCodes : public PickerApp {
 protected:
  void choose(int notation) { sim.choose(*picker().cmbSel, notation); }
  // Types a code into the code box in a notation and presses the Set button.
  void apply(int notation, const std::string& code) {
    choose(notation);
    picker().txtColor->setText(code);
    sim.press(*picker().cmdSet);
  }
};

TEST_F(PickerCodes, EveryNotationOfTheStoredColour) {
  struct Case {
    Colour colour;
    std::vector<std::string> codes;  // HTML, VB, Delphi, RGB, C++
  };
  const Case cases[] = {
      {rgb(0, 0, 0), {"#000000", "&h000000", "$00000000", "0,0,0", "0x00000000"}},
      {rgb(255, 255, 255), {"#FFFFFF", "&hFFFFFF", "$00FFFFFF", "255,255,255", "0x00FFFFFF"}},
      {rgb(255, 0, 0), {"#FF0000", "&h0000FF", "$000000FF", "255,0,0", "0x000000FF"}},
      {rgb(255, 255, 0), {"#FFFF00", "&h00FFFF", "$0000FFFF", "255,255,0", "0x0000FFFF"}},
      {rgb(18, 171, 60), {"#12AB3C", "&h3CAB12", "$003CAB12", "18,171,60", "0x003CAB12"}},
  };
  for (const Case& c : cases) {
    picker().colorValue = c.colour;
    for (int notation = 0; notation < 5; ++notation) {
      choose(notation);
      EXPECT_EQ(picker().txtColor->text(), c.codes[static_cast<std::size_t>(notation)]) << "notation " << notation;
    }
  }
  // Choosing a notation changes only the code box.
  EXPECT_EQ(bars(), (std::vector<int>{255, 255, 255}));
  EXPECT_EQ(picker().colorValue, rgb(18, 171, 60));
}

TEST_F(PickerCodes, HexToHtmlSwapsTheOuterPairsBothWays) {
  EXPECT_EQ(picker().HexToHtml("3CAB12"), "#12AB3C");
  EXPECT_EQ(picker().HexToHtml("12AB3C"), "#3CAB12");
  EXPECT_EQ(picker().HexToHtml("ABC"), "#BCCAB");  // each pair as far as the text reaches
}

TEST_F(PickerCodes, TypedCodesAreReadBackInTheirNotation) {
  struct Case {
    int notation;
    const char* code;
    Colour expected;
  };
  const Case cases[] = {
      {0, "#12AB3C", rgb(18, 171, 60)},      {0, "#12ab3c", rgb(18, 171, 60)},
      {0, "#F00", rgb(15, 0, 0)},            {1, "&h3CAB12", rgb(18, 171, 60)},
      {1, "&hFF", rgb(255, 0, 0)},           {1, "3CAB12", rgb(18, 171, 60)},
      {2, "$003CAB12", rgb(18, 171, 60)},    {4, "0x003cab12", rgb(18, 171, 60)},
      {3, " 18 , 171 , 60 ", rgb(18, 171, 60)}, {3, "300,0,0", rgb(255, 0, 0)},
      {3, "18,-4,60,99", rgb(18, 0, 60)},
  };
  for (const Case& c : cases) {
    apply(c.notation, c.code);
    EXPECT_EQ(picker().colorValue, c.expected) << c.code;
    EXPECT_EQ(swatch(), c.expected) << c.code;
    EXPECT_EQ(picker().hexText, c.code);
  }
  EXPECT_TRUE(messages().empty());
  // The components stay as they were until the next sample or edit.
  EXPECT_EQ(texts()[1], "255");
  EXPECT_EQ(bars(), (std::vector<int>{255, 255, 255}));
}

TEST_F(PickerCodes, ABadRgbCodeIsReportedOutOfTheTopmostBandAndChangesNothing) {
  apply(3, "1,2,3");
  const auto hwnd = window().hwnd();
  const std::pair<const char*, const char*> cases[] = {
      {"18,171", "Subscript out of range"}, {"18,,60", "Type mismatch"}, {"18,171,red", "Type mismatch"},
      {"40000,0,0", "Overflow"},
  };
  for (const auto& [code, message] : cases) {
    apply(3, code);
    ASSERT_FALSE(sim.messageBoxes().empty());
    EXPECT_EQ(sim.messageBoxes().back().text, message) << code;
    EXPECT_EQ(sim.messageBoxes().back().caption, "Lindrel");
    EXPECT_FALSE(sim.messageBoxes().back().topmost.at(hwnd));
    EXPECT_TRUE(sim.isTopmost(hwnd));
    EXPECT_EQ(picker().colorValue, rgb(1, 2, 3));
    EXPECT_EQ(swatch(), rgb(1, 2, 3));
    EXPECT_EQ(picker().hexText, code);
  }
  EXPECT_EQ(sim.messageBoxes().size(), 4u);
}

TEST_F(PickerCodes, CopyPutsExactlyTheCodeTextOnTheClipboardOrSaysWhyNot) {
  picker().txtColor->setText("typed, never applied");
  sim.press(*picker().btnCopy);
  EXPECT_EQ(sim.clipboard(), "typed, never applied");
  picker().txtColor->setText("");
  sim.press(*picker().btnCopy);
  EXPECT_EQ(sim.clipboard(), "");
  sim.clipboardBusy = -1;  // another program keeps it
  picker().txtColor->setText("#123456");
  sim.press(*picker().btnCopy);
  EXPECT_EQ(messages(), (std::vector<std::string>{"Can't open Clipboard"}));
  EXPECT_EQ(sim.clipboard(), "");
  EXPECT_TRUE(window().isOpen());
}

TEST(Module2, HexDigitsCountAndAnythingElseIsZero) {
  EXPECT_EQ(Module2::hexToDec(""), 0);
  EXPECT_EQ(Module2::hexToDec("fFfFfF"), 16777215);
  EXPECT_EQ(Module2::hexToDec("é9"), 9);  // one character, however many bytes
  EXPECT_EQ(Module2::hexDigitVal("aa"), 0);  // whole-text comparisons only
  EXPECT_EQ(Module2::hexToDec(std::string(255, '0') + "F"), 15);
}

TEST(Module2, DigitsBeyondWhatADoubleHoldsAreAnOverflowNotNaN) {
  // 257 places: the highest is 16^256, past the largest double.
  EXPECT_EQ(errorOf([] { Module2::hexToDec(std::string(257, '1')); }), platform::ErrorNumber::Overflow);
  EXPECT_EQ(errorOf([] { Module2::hexToDec(std::string(40000, 'F')); }), platform::ErrorNumber::Overflow);
  EXPECT_EQ(errorOf([] { Module2::hexDigitVal("99999"); }), platform::ErrorNumber::Overflow);
}

}  // namespace
}  // namespace lindrel::testing
