// The colour codes: every notation written and read back, and the magnifier's code box, Set
// and Copy buttons around them.

#include "picker/ColourCode.h"
#include "tests/common/ErrorOf.h"
#include "tests/unit/PickerApp.h"

namespace lindrel::testing {
namespace {

using platform::ErrorNumber;

TEST(ColourCode, EveryNotationWritesItsByteOrder) {
  struct Case {
    Colour colour;
    std::array<const char*, 5> codes;  // HTML, VB, Delphi, RGB, C++
  };
  const Case cases[] = {
      {rgb(0, 0, 0), {"#000000", "&h000000", "$00000000", "0,0,0", "0x00000000"}},
      {rgb(255, 255, 255), {"#FFFFFF", "&hFFFFFF", "$00FFFFFF", "255,255,255", "0x00FFFFFF"}},
      {rgb(255, 0, 0), {"#FF0000", "&h0000FF", "$000000FF", "255,0,0", "0x000000FF"}},
      {rgb(18, 171, 60), {"#12AB3C", "&h3CAB12", "$003CAB12", "18,171,60", "0x003CAB12"}},
  };
  for (const Case& c : cases) {
    for (const Notation n : colour_code::kNotations) {
      const std::string code = colour_code::format(n, c.colour);
      EXPECT_EQ(code, c.codes[static_cast<std::size_t>(n)]);
      EXPECT_EQ(colour_code::parse(n, code), c.colour) << code;  // and back
    }
  }
}

TEST(ColourCode, TypedCodesAreReadByTheirLastSixDigitsOrTheirFirstThreeParts) {
  struct Case {
    Notation notation;
    const char* code;
    Colour expected;
  };
  const Case cases[] = {
      {Notation::Html, "#12ab3c", rgb(18, 171, 60)},       {Notation::Html, "#F00", rgb(15, 0, 0)},
      {Notation::Html, "#12AB3Q", rgb(18, 171, 48)},       {Notation::Vb, "&hFF", rgb(255, 0, 0)},
      {Notation::Vb, "3CAB12", rgb(18, 171, 60)},          {Notation::Cpp, "0x003cab12", rgb(18, 171, 60)},
      {Notation::Rgb, " 18 , 171 , 60 ", rgb(18, 171, 60)}, {Notation::Rgb, "300,0,0", rgb(255, 0, 0)},
      {Notation::Rgb, "18,-4,60,99", rgb(18, 0, 60)},
  };
  for (const Case& c : cases) EXPECT_EQ(colour_code::parse(c.notation, c.code), c.expected) << c.code;
}

TEST(ColourCode, WhatCannotBeReadRaisesTheMatchingError) {
  const std::pair<const char*, ErrorNumber> cases[] = {
      {"18,171", ErrorNumber::SubscriptOutOfRange}, {"18,,60", ErrorNumber::TypeMismatch},
      {"18,171,red", ErrorNumber::TypeMismatch},    {"40000,0,0", ErrorNumber::Overflow},
  };
  for (const auto& c : cases) EXPECT_EQ(errorOf([&] { colour_code::parse(Notation::Rgb, c.first); }), c.second);
}

TEST(ColourCode, HexDigitsCountAndAnythingElseIsZero) {
  EXPECT_EQ(colour_code::hexValue(""), 0);
  EXPECT_EQ(colour_code::hexValue("fFfFfF"), 16777215);
  EXPECT_EQ(colour_code::hexValue("é9"), 9);  // one character, however many bytes
  EXPECT_EQ(colour_code::hexDigitValue("aa"), 0);  // whole-text comparisons only
  EXPECT_EQ(colour_code::hexValue(std::string(255, '0') + "F"), 15);
  // 257 places: the highest is 16^256, past the largest double: an overflow, not NaN.
  EXPECT_EQ(errorOf([] { colour_code::hexValue(std::string(257, '1')); }), ErrorNumber::Overflow);
  EXPECT_EQ(errorOf([] { colour_code::hexValue(std::string(40000, 'F')); }), ErrorNumber::Overflow);
  EXPECT_EQ(errorOf([] { colour_code::hexDigitValue("99999"); }), ErrorNumber::Overflow);
}

class PickerCodes : public PickerApp {
 protected:
  // Types a code into the code box in a notation and presses the Set button.
  void apply(Notation notation, const std::string& code) {
    choose(notation);
    picker().codeBox().setText(code);
    sim.press(picker().setButton());
  }
};

TEST_F(PickerCodes, SetRecoloursEverythingAndTheNextEditStartsFromIt) {
  apply(Notation::Html, "#FF0000");
  EXPECT_EQ(picker().colour(), rgb(255, 0, 0));
  EXPECT_EQ(swatch(), rgb(255, 0, 0));
  EXPECT_EQ(texts(), (std::vector<std::string>{"#FF0000", "255", "0", "0"}));
  EXPECT_EQ(bars(), (std::vector<int>{255, 0, 0}));
  sim.dragThumb(picker().channelBar(Channel::Green), 1);
  EXPECT_EQ(texts(), (std::vector<std::string>{"#FF0100", "255", "1", "0"}));
  // Choosing a notation rewrites only the code box.
  choose(Notation::Vb);
  EXPECT_EQ(picker().codeBox().text(), "&h0001FF");
  EXPECT_EQ(bars(), (std::vector<int>{255, 1, 0}));
}

TEST_F(PickerCodes, SetReportsWhatItCannotReadOutOfTheTopmostBandAndChangesNothing) {
  apply(Notation::Html, "#12AB3C");
  EXPECT_TRUE(messages().empty());

  const auto hwnd = window().hwnd();
  apply(Notation::Rgb, "18,171");
  ASSERT_EQ(messages(), std::vector<std::string>{"Subscript out of range"});
  EXPECT_EQ(sim.messageBoxes().back().caption, "Lindrel");
  EXPECT_FALSE(sim.messageBoxes().back().topmost.at(hwnd));
  EXPECT_TRUE(sim.isTopmost(hwnd));
  EXPECT_EQ(picker().colour(), rgb(18, 171, 60));
  EXPECT_EQ(swatch(), rgb(18, 171, 60));
}

TEST_F(PickerCodes, CopyPutsExactlyTheCodeTextOnTheClipboardOrSaysWhyNot) {
  for (const char* code : {"typed, never applied", ""}) {
    picker().codeBox().setText(code);
    sim.press(picker().copyButton());
    EXPECT_EQ(sim.clipboard(), code);
  }
  sim.clipboardBusy = -1;  // another program keeps it
  picker().codeBox().setText("#123456");
  sim.press(picker().copyButton());
  EXPECT_EQ(messages(), (std::vector<std::string>{"Can't open Clipboard"}));
  EXPECT_EQ(sim.clipboard(), "");
  EXPECT_TRUE(window().isOpen());
}

}  // namespace
}  // namespace lindrel::testing
