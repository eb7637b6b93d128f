#include "picker/ColourNames.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace lindrel::colour_names {
namespace {

// A CSS hex code (0xRRGGBB) as a colour reference, so the table reads as the keywords are defined.
constexpr platform::Colour css(std::uint32_t rrggbb) {
  return platform::rgb(static_cast<int>(rrggbb >> 16), static_cast<int>(rrggbb >> 8 & 0xFF),
                       static_cast<int>(rrggbb & 0xFF));
}

// In keyword order: of two names for one colour the search keeps the first, so the order
// decides which of them is shown (gray before grey, aqua before cyan, fuchsia before magenta).
constexpr std::array<NamedColour, 148> kNamedColours{{
    {css(0xF0F8FF), "aliceblue", strings::UiText::ColourAliceblue},
    {css(0xFAEBD7), "antiquewhite", strings::UiText::ColourAntiquewhite},
    {css(0x00FFFF), "aqua", strings::UiText::ColourAqua},
    {css(0x7FFFD4), "aquamarine", strings::UiText::ColourAquamarine},
    {css(0xF0FFFF), "azure", strings::UiText::ColourAzure},
    {css(0xF5F5DC), "beige", strings::UiText::ColourBeige},
    {css(0xFFE4C4), "bisque", strings::UiText::ColourBisque},
    {css(0x000000), "black", strings::UiText::ColourBlack},
    {css(0xFFEBCD), "blanchedalmond", strings::UiText::ColourBlanchedalmond},
    {css(0x0000FF), "blue", strings::UiText::ColourBlue},
    {css(0x8A2BE2), "blueviolet", strings::UiText::ColourBlueviolet},
    {css(0xA52A2A), "brown", strings::UiText::ColourBrown},
    {css(0xDEB887), "burlywood", strings::UiText::ColourBurlywood},
    {css(0x5F9EA0), "cadetblue", strings::UiText::ColourCadetblue},
    {css(0x7FFF00), "chartreuse", strings::UiText::ColourChartreuse},
    {css(0xD2691E), "chocolate", strings::UiText::ColourChocolate},
    {css(0xFF7F50), "coral", strings::UiText::ColourCoral},
    {css(0x6495ED), "cornflowerblue", strings::UiText::ColourCornflowerblue},
    {css(0xFFF8DC), "cornsilk", strings::UiText::ColourCornsilk},
    {css(0xDC143C), "crimson", strings::UiText::ColourCrimson},
    {css(0x00FFFF), "cyan", strings::UiText::ColourCyan},
    {css(0x00008B), "darkblue", strings::UiText::ColourDarkblue},
    {css(0x008B8B), "darkcyan", strings::UiText::ColourDarkcyan},
    {css(0xB8860B), "darkgoldenrod", strings::UiText::ColourDarkgoldenrod},
    {css(0xA9A9A9), "darkgray", strings::UiText::ColourDarkgray},
    {css(0x006400), "darkgreen", strings::UiText::ColourDarkgreen},
    {css(0xA9A9A9), "darkgrey", strings::UiText::ColourDarkgrey},
    {css(0xBDB76B), "darkkhaki", strings::UiText::ColourDarkkhaki},
    {css(0x8B008B), "darkmagenta", strings::UiText::ColourDarkmagenta},
    {css(0x556B2F), "darkolivegreen", strings::UiText::ColourDarkolivegreen},
    {css(0xFF8C00), "darkorange", strings::UiText::ColourDarkorange},
    {css(0x9932CC), "darkorchid", strings::UiText::ColourDarkorchid},
    {css(0x8B0000), "darkred", strings::UiText::ColourDarkred},
    {css(0xE9967A), "darksalmon", strings::UiText::ColourDarksalmon},
    {css(0x8FBC8F), "darkseagreen", strings::UiText::ColourDarkseagreen},
    {css(0x483D8B), "darkslateblue", strings::UiText::ColourDarkslateblue},
    {css(0x2F4F4F), "darkslategray", strings::UiText::ColourDarkslategray},
    {css(0x2F4F4F), "darkslategrey", strings::UiText::ColourDarkslategrey},
    {css(0x00CED1), "darkturquoise", strings::UiText::ColourDarkturquoise},
    {css(0x9400D3), "darkviolet", strings::UiText::ColourDarkviolet},
    {css(0xFF1493), "deeppink", strings::UiText::ColourDeeppink},
    {css(0x00BFFF), "deepskyblue", strings::UiText::ColourDeepskyblue},
    {css(0x696969), "dimgray", strings::UiText::ColourDimgray},
    {css(0x696969), "dimgrey", strings::UiText::ColourDimgrey},
    {css(0x1E90FF), "dodgerblue", strings::UiText::ColourDodgerblue},
    {css(0xB22222), "firebrick", strings::UiText::ColourFirebrick},
    {css(0xFFFAF0), "floralwhite", strings::UiText::ColourFloralwhite},
    {css(0x228B22), "forestgreen", strings::UiText::ColourForestgreen},
    {css(0xFF00FF), "fuchsia", strings::UiText::ColourFuchsia},
    {css(0xDCDCDC), "gainsboro", strings::UiText::ColourGainsboro},
    {css(0xF8F8FF), "ghostwhite", strings::UiText::ColourGhostwhite},
    {css(0xFFD700), "gold", strings::UiText::ColourGold},
    {css(0xDAA520), "goldenrod", strings::UiText::ColourGoldenrod},
    {css(0x808080), "gray", strings::UiText::ColourGray},
    {css(0x008000), "green", strings::UiText::ColourGreen},
    {css(0xADFF2F), "greenyellow", strings::UiText::ColourGreenyellow},
    {css(0x808080), "grey", strings::UiText::ColourGrey},
    {css(0xF0FFF0), "honeydew", strings::UiText::ColourHoneydew},
    {css(0xFF69B4), "hotpink", strings::UiText::ColourHotpink},
    {css(0xCD5C5C), "indianred", strings::UiText::ColourIndianred},
    {css(0x4B0082), "indigo", strings::UiText::ColourIndigo},
    {css(0xFFFFF0), "ivory", strings::UiText::ColourIvory},
    {css(0xF0E68C), "khaki", strings::UiText::ColourKhaki},
    {css(0xE6E6FA), "lavender", strings::UiText::ColourLavender},
    {css(0xFFF0F5), "lavenderblush", strings::UiText::ColourLavenderblush},
    {css(0x7CFC00), "lawngreen", strings::UiText::ColourLawngreen},
    {css(0xFFFACD), "lemonchiffon", strings::UiText::ColourLemonchiffon},
    {css(0xADD8E6), "lightblue", strings::UiText::ColourLightblue},
    {css(0xF08080), "lightcoral", strings::UiText::ColourLightcoral},
    {css(0xE0FFFF), "lightcyan", strings::UiText::ColourLightcyan},
    {css(0xFAFAD2), "lightgoldenrodyellow", strings::UiText::ColourLightgoldenrodyellow},
    {css(0xD3D3D3), "lightgray", strings::UiText::ColourLightgray},
    {css(0x90EE90), "lightgreen", strings::UiText::ColourLightgreen},
    {css(0xD3D3D3), "lightgrey", strings::UiText::ColourLightgrey},
    {css(0xFFB6C1), "lightpink", strings::UiText::ColourLightpink},
    {css(0xFFA07A), "lightsalmon", strings::UiText::ColourLightsalmon},
    {css(0x20B2AA), "lightseagreen", strings::UiText::ColourLightseagreen},
    {css(0x87CEFA), "lightskyblue", strings::UiText::ColourLightskyblue},
    {css(0x778899), "lightslategray", strings::UiText::ColourLightslategray},
    {css(0x778899), "lightslategrey", strings::UiText::ColourLightslategrey},
    {css(0xB0C4DE), "lightsteelblue", strings::UiText::ColourLightsteelblue},
    {css(0xFFFFE0), "lightyellow", strings::UiText::ColourLightyellow},
    {css(0x00FF00), "lime", strings::UiText::ColourLime},
    {css(0x32CD32), "limegreen", strings::UiText::ColourLimegreen},
    {css(0xFAF0E6), "linen", strings::UiText::ColourLinen},
    {css(0xFF00FF), "magenta", strings::UiText::ColourMagenta},
    {css(0x800000), "maroon", strings::UiText::ColourMaroon},
    {css(0x66CDAA), "mediumaquamarine", strings::UiText::ColourMediumaquamarine},
    {css(0x0000CD), "mediumblue", strings::UiText::ColourMediumblue},
    {css(0xBA55D3), "mediumorchid", strings::UiText::ColourMediumorchid},
    {css(0x9370DB), "mediumpurple", strings::UiText::ColourMediumpurple},
    {css(0x3CB371), "mediumseagreen", strings::UiText::ColourMediumseagreen},
    {css(0x7B68EE), "mediumslateblue", strings::UiText::ColourMediumslateblue},
    {css(0x00FA9A), "mediumspringgreen", strings::UiText::ColourMediumspringgreen},
    {css(0x48D1CC), "mediumturquoise", strings::UiText::ColourMediumturquoise},
    {css(0xC71585), "mediumvioletred", strings::UiText::ColourMediumvioletred},
    {css(0x191970), "midnightblue", strings::UiText::ColourMidnightblue},
    {css(0xF5FFFA), "mintcream", strings::UiText::ColourMintcream},
    {css(0xFFE4E1), "mistyrose", strings::UiText::ColourMistyrose},
    {css(0xFFE4B5), "moccasin", strings::UiText::ColourMoccasin},
    {css(0xFFDEAD), "navajowhite", strings::UiText::ColourNavajowhite},
    {css(0x000080), "navy", strings::UiText::ColourNavy},
    {css(0xFDF5E6), "oldlace", strings::UiText::ColourOldlace},
    {css(0x808000), "olive", strings::UiText::ColourOlive},
    {css(0x6B8E23), "olivedrab", strings::UiText::ColourOlivedrab},
    {css(0xFFA500), "orange", strings::UiText::ColourOrange},
    {css(0xFF4500), "orangered", strings::UiText::ColourOrangered},
    {css(0xDA70D6), "orchid", strings::UiText::ColourOrchid},
    {css(0xEEE8AA), "palegoldenrod", strings::UiText::ColourPalegoldenrod},
    {css(0x98FB98), "palegreen", strings::UiText::ColourPalegreen},
    {css(0xAFEEEE), "paleturquoise", strings::UiText::ColourPaleturquoise},
    {css(0xDB7093), "palevioletred", strings::UiText::ColourPalevioletred},
    {css(0xFFEFD5), "papayawhip", strings::UiText::ColourPapayawhip},
    {css(0xFFDAB9), "peachpuff", strings::UiText::ColourPeachpuff},
    {css(0xCD853F), "peru", strings::UiText::ColourPeru},
    {css(0xFFC0CB), "pink", strings::UiText::ColourPink},
    {css(0xDDA0DD), "plum", strings::UiText::ColourPlum},
    {css(0xB0E0E6), "powderblue", strings::UiText::ColourPowderblue},
    {css(0x800080), "purple", strings::UiText::ColourPurple},
    {css(0x663399), "rebeccapurple", strings::UiText::ColourRebeccapurple},
    {css(0xFF0000), "red", strings::UiText::ColourRed},
    {css(0xBC8F8F), "rosybrown", strings::UiText::ColourRosybrown},
    {css(0x4169E1), "royalblue", strings::UiText::ColourRoyalblue},
    {css(0x8B4513), "saddlebrown", strings::UiText::ColourSaddlebrown},
    {css(0xFA8072), "salmon", strings::UiText::ColourSalmon},
    {css(0xF4A460), "sandybrown", strings::UiText::ColourSandybrown},
    {css(0x2E8B57), "seagreen", strings::UiText::ColourSeagreen},
    {css(0xFFF5EE), "seashell", strings::UiText::ColourSeashell},
    {css(0xA0522D), "sienna", strings::UiText::ColourSienna},
    {css(0xC0C0C0), "silver", strings::UiText::ColourSilver},
    {css(0x87CEEB), "skyblue", strings::UiText::ColourSkyblue},
    {css(0x6A5ACD), "slateblue", strings::UiText::ColourSlateblue},
    {css(0x708090), "slategray", strings::UiText::ColourSlategray},
    {css(0x708090), "slategrey", strings::UiText::ColourSlategrey},
    {css(0xFFFAFA), "snow", strings::UiText::ColourSnow},
    {css(0x00FF7F), "springgreen", strings::UiText::ColourSpringgreen},
    {css(0x4682B4), "steelblue", strings::UiText::ColourSteelblue},
    {css(0xD2B48C), "tan", strings::UiText::ColourTan},
    {css(0x008080), "teal", strings::UiText::ColourTeal},
    {css(0xD8BFD8), "thistle", strings::UiText::ColourThistle},
    {css(0xFF6347), "tomato", strings::UiText::ColourTomato},
    {css(0x40E0D0), "turquoise", strings::UiText::ColourTurquoise},
    {css(0xEE82EE), "violet", strings::UiText::ColourViolet},
    {css(0xF5DEB3), "wheat", strings::UiText::ColourWheat},
    {css(0xFFFFFF), "white", strings::UiText::ColourWhite},
    {css(0xF5F5F5), "whitesmoke", strings::UiText::ColourWhitesmoke},
    {css(0xFFFF00), "yellow", strings::UiText::ColourYellow},
    {css(0x9ACD32), "yellowgreen", strings::UiText::ColourYellowgreen},
}};

// An 8-bit sRGB channel to linear light, by the sRGB transfer function.
double linear(unsigned channel) {
  const double encoded = channel / 255.0;
  return encoded <= 0.04045 ? encoded / 12.92 : std::pow((encoded + 0.055) / 1.055, 2.4);
}

// The sRGB to XYZ matrix of IEC 61966-2-1. The white is its image of RGB white (the D65 white
// to the same four decimals), so that every grey comes out with a = b = 0 exactly.
constexpr double kM[3][3] = {{0.4124, 0.3576, 0.1805}, {0.2126, 0.7152, 0.0722}, {0.0193, 0.1192, 0.9505}};
constexpr double kWhite[3] = {kM[0][0] + kM[0][1] + kM[0][2], kM[1][0] + kM[1][1] + kM[1][2],
                              kM[2][0] + kM[2][1] + kM[2][2]};

// CIELAB's companding: a cube root, with a straight line near black where the root is too steep.
double f(double t) {
  constexpr double kEpsilon = 216.0 / 24389.0, kKappa = 24389.0 / 27.0;
  return t > kEpsilon ? std::cbrt(t) : (kKappa * t + 16) / 116;
}

constexpr double kDegree = std::numbers::pi / 180;

// A hue angle in degrees in [0, 360); 0 for a neutral colour, where atan2(0, 0) means nothing.
double hueOf(double b, double a) {
  if (a == 0 && b == 0) return 0;
  const double h = std::atan2(b, a) / kDegree;
  return h < 0 ? h + 360 : h;
}

// C^7 / (C^7 + 25^7), under the root in G and in R_C.
double chromaWeight(double c) {
  const double c7 = std::pow(c, 7);
  return c7 / (c7 + 6103515625.0);
}

}  // namespace

Lab labOf(platform::Colour colour) {
  const double rgb[3] = {linear(colour & 0xFF), linear(colour >> 8 & 0xFF), linear(colour >> 16 & 0xFF)};
  double fxyz[3];
  for (int i = 0; i < 3; ++i) fxyz[i] = f((kM[i][0] * rgb[0] + kM[i][1] * rgb[1] + kM[i][2] * rgb[2]) / kWhite[i]);
  return {116 * fxyz[1] - 16, 500 * (fxyz[0] - fxyz[1]), 200 * (fxyz[1] - fxyz[2])};
}

double ciede2000(const Lab& first, const Lab& second) {
  // a* is stretched near the neutral axis, where CIELAB under-rates differences of hue.
  const double meanChroma = (std::hypot(first.a, first.b) + std::hypot(second.a, second.b)) / 2;
  const double g = 0.5 * (1 - std::sqrt(chromaWeight(meanChroma)));
  const double a1 = (1 + g) * first.a, a2 = (1 + g) * second.a;
  const double c1 = std::hypot(a1, first.b), c2 = std::hypot(a2, second.b);
  const double h1 = hueOf(first.b, a1), h2 = hueOf(second.b, a2);

  // The hue difference the short way round the circle; none when either colour has no hue.
  const bool neutral = c1 * c2 == 0;
  double dh = neutral ? 0 : h2 - h1;
  if (dh > 180) dh -= 360;
  if (dh < -180) dh += 360;
  const double dL = second.l - first.l, dC = c2 - c1;
  const double dH = 2 * std::sqrt(c1 * c2) * std::sin(dh / 2 * kDegree);

  // The mean hue on the short arc too: with a neutral colour the other's hue (the sum).
  double h = h1 + h2;
  if (!neutral) h = std::abs(h1 - h2) <= 180 ? h / 2 : (h < 360 ? h + 360 : h - 360) / 2;

  const double l = (first.l + second.l) / 2, c = (c1 + c2) / 2;
  const double t = 1 - 0.17 * std::cos((h - 30) * kDegree) + 0.24 * std::cos(2 * h * kDegree) +
                   0.32 * std::cos((3 * h + 6) * kDegree) - 0.20 * std::cos((4 * h - 63) * kDegree);
  const double l50 = (l - 50) * (l - 50);
  const double sl = 1 + 0.015 * l50 / std::sqrt(20 + l50);
  const double sc = 1 + 0.045 * c;
  const double sh = 1 + 0.015 * c * t;
  // Chroma and hue differences interact in the blue region, centred on a hue of 275 degrees.
  const double dTheta = 30 * std::exp(-std::pow((h - 275) / 25, 2));
  const double rt = -2 * std::sqrt(chromaWeight(c)) * std::sin(2 * dTheta * kDegree);

  const double lightness = dL / sl, chroma = dC / sc, hue = dH / sh;
  return std::sqrt(lightness * lightness + chroma * chroma + hue * hue + rt * chroma * hue);
}

std::span<const NamedColour> namedColours() { return kNamedColours; }

const NamedColour& nearestNamedColour(platform::Colour colour) {
  static const auto labs = [] {
    std::array<Lab, kNamedColours.size()> result;
    for (std::size_t i = 0; i < result.size(); ++i) result[i] = labOf(kNamedColours[i].colour);
    return result;
  }();
  const Lab lab = labOf(colour);
  std::size_t best = 0;
  double bestDifference = ciede2000(lab, labs[0]);
  // Strictly less: of equal differences (synonyms) the first in the table stays.
  for (std::size_t i = 1; i < labs.size(); ++i) {
    const double difference = ciede2000(lab, labs[i]);
    if (difference < bestDifference) {
      best = i;
      bestDifference = difference;
    }
  }
  return kNamedColours[best];
}

std::string describe(const NamedColour& named) {
  // In English the name is the keyword, said once.
  const std::string name = strings::ui(named.name);
  return name == named.keyword ? name : name + " (" + std::string(named.keyword) + ")";
}

}  // namespace lindrel::colour_names
