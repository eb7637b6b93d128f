// The colour codes: every notation written and read back, typed codes in every shape the
// reader takes, and what it refuses.

#include <gtest/gtest.h>

#include "picker/ColourCode.h"
#include "picker/HueModels.h"

namespace lindrel::testing {
namespace {

using colour_code::CodeError;
using colour_code::HueModel;
using colour_code::Notation;
using platform::Colour;
using platform::rgb;

#ifdef LINDREL_SANITIZED
constexpr Colour kStride = 257;  // every colour is too slow under the sanitizers
#else
constexpr Colour kStride = 1;
#endif

TEST(ColourCode, EveryNotationWritesItsByteOrderAndReadsItBack) {
  const std::pair<Colour, std::array<const char*, 10>> cases[] = {
      {rgb(0, 0, 0), {"#000000", "&h000000", "$00000000", "0,0,0", "0x00000000", "rgb(0 0 0)", "hsl(0 0% 0%)",
                      "hsv(0, 0%, 0%)", "#000000", "0.000, 0.000, 0.000"}},
      {rgb(255, 255, 255), {"#FFFFFF", "&hFFFFFF", "$00FFFFFF", "255,255,255", "0x00FFFFFF", "rgb(255 255 255)",
                            "hsl(0 0% 100%)", "hsv(0, 0%, 100%)", "#ffffff", "1.000, 1.000, 1.000"}},
      {rgb(18, 171, 60), {"#12AB3C", "&h3CAB12", "$003CAB12", "18,171,60", "0x003CAB12", "rgb(18 171 60)",
                          "hsl(136.5 81% 37.1%)", "hsv(136.5, 89.5%, 67.1%)", "#12ab3c", "0.071, 0.671, 0.235"}},
      // The hue nearest 360 degrees: 360 - 60/255.
      {rgb(255, 0, 1), {"#FF0001", "&h0100FF", "$000100FF", "255,0,1", "0x000100FF", "rgb(255 0 1)",
                        "hsl(359.8 100% 50%)", "hsv(359.8, 100%, 100%)", "#ff0001", "1.000, 0.000, 0.004"}},
  };
  for (const auto& [colour, codes] : cases) {
    for (const Notation n : colour_code::kNotations) {
      const std::string code = colour_code::format(n, colour);
      EXPECT_EQ(code, codes[static_cast<std::size_t>(n)]);
      EXPECT_EQ(*colour_code::parse(n, code), colour) << code;
    }
  }
  // Every 4099th colour (every value of each channel) reads back from its code too.
  for (const Notation n : colour_code::kNotations) {
    for (Colour colour = 0; colour <= 0xFFFFFF; colour += 4099) {
      const std::string code = colour_code::format(n, colour);
      if (*colour_code::parse(n, code) != colour) FAIL() << code;
    }
  }
}

// The hsl() and hsv() parts are rounded to a tenth, so every colour is checked: its written
// tenths read back through the conversion a typed code goes through.
TEST(ColourCode, EveryColourReadsBackFromItsRoundedHslAndHsvParts) {
  for (const HueModel model : {HueModel::Hsl, HueModel::Hsv}) {
    Colour failures = 0;
    for (Colour colour = 0; colour <= 0xFFFFFF; colour += kStride) {
      const auto parts = colour_code::hueTenthsOf(model, colour);
      failures += colour_code::fromHueModel(model, parts.hue / 10.0, parts.saturation / 10.0, parts.level / 10.0) != colour;
    }
    EXPECT_EQ(failures, 0u);
  }
}

TEST(ColourCode, TypedCodesAreReadAsAUserMeansThemInTheNotationTheirStartNamesElseTheSelectedOne) {
  using enum Notation;
  const Colour green = rgb(18, 171, 60);
  const std::tuple<Notation, const char*, Colour> cases[] = {
      // Hexadecimal as CSS reads it: three or six digits, an alpha ignored, the "#" optional.
      {Html, "#12ab3c", green},              {Html, "#F00", rgb(255, 0, 0)},      {Html, "F00", rgb(255, 0, 0)},
      {Html, " #12AB3CFF ", green},          {Html, "#F00A", rgb(255, 0, 0)},     {Vb, "&hFF", rgb(255, 0, 0)},
      {Vb, "3CAB12", green},                 {Cpp, "0x003cab12", green},          {Rgb, "$003CAB12", green},
      // Full-width characters, as a Chinese input method types them.
      {Html, "＃１２ＡＢ３Ｃ", green},        {Rgb, "18，171，60", green},
      // Commas or blanks, with or without "rgb(" and ")"; an alpha or a fourth number is ignored.
      {Rgb, " 18 , 171 , 60 ", green},       {Rgb, "300,0,-4", rgb(255, 0, 0)},   {Rgb, "18,171,60,99", green},
      {Html, " RGB( 18 , 171 , 60 );", green}, {CssRgb, "18 171\t60 / 5", green}, {Html, "rgba(18, 171, 60, 0.5)", green},
      {Html, "rgb(18 171 60 / 50%)", green},  {CssHsl, "hsl(-120,100,50)", rgb(0, 0, 255)},
      {CssHsl, "hsl(480 150% 20%)", rgb(0, 102, 0)}, {Rgb, "hsla(136.5deg, 81%, 37.1%, 1)", green},
      {Rgb, "hsv(136.5 89.5% 67.1%)", green}, {Html, "rgb 18 171 60", green}, {Hsv, "136.5 89.5 67.1", green}, {Float, "1.5 -0.2 .2", rgb(255, 0, 51)},
  };
  for (const auto& [selected, code, colour] : cases) {
    const auto read = colour_code::parseTyped(selected, code);
    ASSERT_TRUE(read.ok()) << code;
    EXPECT_EQ(*read, colour) << code;
  }
}

TEST(ColourCode, WhatCannotBeReadSaysWhatAndWhere) {
  using enum Notation;
  using enum CodeError::Problem;
  const std::tuple<Notation, const char*, CodeError> cases[] = {
      {Html, "#12AB3G", {NotAHexDigit, Html, 7, "G"}},   {Html, "# 12 AB 3C", {NotAHexDigit, Html, 2, " "}},
      {Html, "zzz", {NotAHexDigit, Html, 1, "z"}},       {Html, "", {DigitCount, Html, 0, ""}},
      {Html, "#12AB3", {DigitCount, Html, 5, "#12AB3"}}, {Vb, "&h1000000", {TooLarge, Vb, 1, "&h1000000"}},
      {Html, "#1234567890", {DigitCount, Html, 10, "#1234567890"}}, {Vb, "&h123456789", {DigitCount, Vb, 9, "&h123456789"}},
      {Rgb, "18,171", {MissingParts, Rgb, 2, ""}},       {Rgb, "18,,60", {EmptyPart, Rgb, 2, ""}},
      {Rgb, "18,171,red", {NotANumber, Rgb, 3, "red"}},  {Rgb, "rgb(18 171, 60, 5)", {NotANumber, CssRgb, 1, "18 171"}},
      {CssHsl, "hsl(1e999 0% 0%)", {TooLarge, CssHsl, 1, "1e999"}}, {Float, "1,a,1", {NotANumber, Float, 2, "a"}},
  };
  for (const auto& [selected, code, error] : cases) {
    const auto read = colour_code::parseTyped(selected, code);
    ASSERT_FALSE(read.ok()) << code;
    EXPECT_EQ(read.error(), error) << code;
  }
  EXPECT_EQ(colour_code::nameOf(CssRgb), "CSS rgb()");
}

}  // namespace
}  // namespace lindrel::testing
