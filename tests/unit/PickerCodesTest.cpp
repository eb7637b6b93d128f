// The colour codes: every notation written and read back, and the magnifier's code box, Set
// and Copy buttons around them.

#include "picker/ColourCode.h"
#include "picker/HueModels.h"
#include "tests/common/ErrorOf.h"
#include "tests/unit/PickerApp.h"

namespace lindrel::testing {
namespace {

using colour_code::HueModel;
using colour_code::HueTenths;
using platform::ErrorNumber;

#ifdef LINDREL_SANITIZED
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

TEST(ColourCode, EveryNotationWritesItsByteOrderAndReadsItBack) {
  struct Case {
    Colour colour;
    std::array<const char*, 10> codes;  // in the list's order
  };
  const Case cases[] = {
      {rgb(0, 0, 0), {"#000000", "&h000000", "$00000000", "0,0,0", "0x00000000", "rgb(0 0 0)", "hsl(0 0% 0%)",
                      "hsv(0, 0%, 0%)", "#000000", "0.000, 0.000, 0.000"}},
      {rgb(255, 255, 255), {"#FFFFFF", "&hFFFFFF", "$00FFFFFF", "255,255,255", "0x00FFFFFF", "rgb(255 255 255)",
                            "hsl(0 0% 100%)", "hsv(0, 0%, 100%)", "#ffffff", "1.000, 1.000, 1.000"}},
      {rgb(255, 0, 0), {"#FF0000", "&h0000FF", "$000000FF", "255,0,0", "0x000000FF", "rgb(255 0 0)",
                        "hsl(0 100% 50%)", "hsv(0, 100%, 100%)", "#ff0000", "1.000, 0.000, 0.000"}},
      {rgb(18, 171, 60), {"#12AB3C", "&h3CAB12", "$003CAB12", "18,171,60", "0x003CAB12", "rgb(18 171 60)",
                          "hsl(136.5 81% 37.1%)", "hsv(136.5, 89.5%, 67.1%)", "#12ab3c", "0.071, 0.671, 0.235"}},
      // The hue nearest 360 degrees: 360 - 60/255.
      {rgb(255, 0, 1), {"#FF0001", "&h0100FF", "$000100FF", "255,0,1", "0x000100FF", "rgb(255 0 1)",
                        "hsl(359.8 100% 50%)", "hsv(359.8, 100%, 100%)", "#ff0001", "1.000, 0.000, 0.004"}},
  };
  for (const Case& c : cases) {
    for (const Notation n : colour_code::kNotations) {
      const std::string code = colour_code::format(n, c.colour);
      EXPECT_EQ(code, c.codes[static_cast<std::size_t>(n)]);
      EXPECT_EQ(colour_code::parse(n, code), c.colour) << code;  // and back
    }
  }
  // Every 4099th colour (every value of each channel) reads back from its code too.
  for (const Notation n : colour_code::kNotations) {
    for (Colour colour = 0; colour <= 0xFFFFFF; colour += 4099) {
      const std::string code = colour_code::format(n, colour);
      if (colour_code::parse(n, code) != colour) FAIL() << code;
    }
  }
}

// The hsl() and hsv() parts are rounded to a tenth, so every colour is checked: its written
// tenths read back through the conversion a typed code goes through (a typed "136.5" is the
// double 1365 / 10.0 exactly). The texts themselves are checked on samples below.
TEST(ColourCode, EveryColourReadsBackFromItsRoundedHslAndHsvParts) {
  for (const HueModel model : {HueModel::Hsl, HueModel::Hsv}) {
    Colour failures = 0, firstFailure = 0;
    for (Colour colour = 0; colour <= 0xFFFFFF; colour += kSanitized ? 257 : 1) {
      const HueTenths parts = colour_code::hueTenthsOf(model, colour);
      const Colour read = colour_code::fromHueModel(model, parts.hue / 10.0, parts.saturation / 10.0, parts.level / 10.0);
      if (read != colour && failures++ == 0) firstFailure = colour;
    }
    EXPECT_EQ(failures, 0u) << "first: " << std::hex << firstFailure;
  }
}

TEST(ColourCode, TypedCodesAreReadByTheirLastSixDigitsOrTheirFirstThreeParts) {
  using enum Notation;
  struct Case { Notation notation; const char* code; Colour expected; };
  const Case cases[] = {
      {Html, "#12ab3c", rgb(18, 171, 60)},       {Html, "#F00", rgb(15, 0, 0)},
      {Html, "#12AB3Q", rgb(18, 171, 48)},       {Vb, "&hFF", rgb(255, 0, 0)},
      {Vb, "3CAB12", rgb(18, 171, 60)},          {Cpp, "0x003cab12", rgb(18, 171, 60)},
      {Rgb, " 18 , 171 , 60 ", rgb(18, 171, 60)}, {Rgb, "300,0,0", rgb(255, 0, 0)},
      {Rgb, "18,-4,60,99", rgb(18, 0, 60)},
      // Commas or blanks, with or without the form; anything after ")" or a third part is ignored.
      {CssRgb, " RGB( 18 , 171 , 60 );", rgb(18, 171, 60)}, {CssRgb, "18 171\t60 / 5", rgb(18, 171, 60)},
      {CssRgb, "rgb(300 -5 60", rgb(255, 0, 60)},           {CssHsl, "hsl(-120,100,50)", rgb(0, 0, 255)},
      {CssHsl, "hsl(480 150% 20%)", rgb(0, 102, 0)},  // 120 degrees, 100%: 0.4 of 255 green
      {Hsv, "hsv(136.5 89.5% 67.1%)", rgb(18, 171, 60)},    {Float, "1.5 -0.2 .2", rgb(255, 0, 51)},
  };
  for (const Case& c : cases) EXPECT_EQ(colour_code::parse(c.notation, c.code), c.expected) << c.code;
}

TEST(ColourCode, WhatCannotBeReadRaisesTheMatchingError) {
  using enum Notation;
  using enum ErrorNumber;
  const struct { Notation notation; const char* code; ErrorNumber error; } cases[] = {
      {Rgb, "18,171", SubscriptOutOfRange},         {Rgb, "18,,60", TypeMismatch},
      {Rgb, "18,171,red", TypeMismatch},            {Rgb, "40000,0,0", Overflow},
      {CssRgb, "rgb(18 171)", SubscriptOutOfRange}, {CssRgb, "rgb(18 171, 60, 5)", TypeMismatch},  // mixed
      {CssRgb, "rgb(0 0 40000)", Overflow},         {CssHsl, "hsl(0deg 81% 37%)", TypeMismatch},
      {CssHsl, "hsl(1e999 0% 0%)", Overflow},       {Hsv, "hsv()", SubscriptOutOfRange},
      {Hsv, "0 0% 1e400%", Overflow},               {Float, "0.5, 0.5", SubscriptOutOfRange},
      {Float, "1,a,1", TypeMismatch},               {Float, "0.5 0.5 -1e309", Overflow},
  };
  for (const auto& c : cases) EXPECT_EQ(errorOf([&] { colour_code::parse(c.notation, c.code); }), c.error) << c.code;
}

TEST(ColourCode, ACodeNamingItsNotationIsReadInItWhateverIsSelected) {
  using enum Notation;
  const std::pair<Notation, const char*> cases[] = {
      {Rgb, "#12AB3C"},   {Float, "  #12ab3c"}, {Html, "&H3CAB12"},     {Rgb, "$003CAB12"},
      {Html, "0X003CAB12"}, {Html, "RGB(18 171 60)"}, {Hsv, "hsl(136.5 81% 37.1%)"}, {CssHsl, "\tHsv(136.5 89.5 67.1)"},
      {Hsv, "136.5 89.5 67.1"}, {Float, "0.071 0.671 0.235"},  // no prefix: the selected notation reads it
  };
  for (const auto& [selected, code] : cases) {
    EXPECT_EQ(colour_code::parseTyped(selected, code), rgb(18, 171, 60)) << code;
  }
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
  apply(Notation::Rgb, "#FF0000");  // read as HTML, as its "#" says
  expectShows(rgb(255, 0, 0), {"#FF0000", "255", "0", "0"});
  sim.dragThumb(picker().channelBar(Channel::Green), 1);
  expectShows(rgb(255, 1, 0), {"255,1,0", "255", "1", "0"});
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
  EXPECT_FALSE(sim.messageBoxes().back().topmost.at(hwnd));
  EXPECT_TRUE(sim.isTopmost(hwnd));
  expectShows(rgb(18, 171, 60), {"18,171", "18", "171", "60"});
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
