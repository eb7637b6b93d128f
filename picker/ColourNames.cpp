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
    {css(0xF0F8FF), "aliceblue", "爱丽丝蓝"},
    {css(0xFAEBD7), "antiquewhite", "古董白"},
    {css(0x00FFFF), "aqua", "青色"},
    {css(0x7FFFD4), "aquamarine", "碧绿色"},
    {css(0xF0FFFF), "azure", "蔚蓝色"},
    {css(0xF5F5DC), "beige", "米色"},
    {css(0xFFE4C4), "bisque", "陶坯黄"},
    {css(0x000000), "black", "黑色"},
    {css(0xFFEBCD), "blanchedalmond", "杏仁白"},
    {css(0x0000FF), "blue", "蓝色"},
    {css(0x8A2BE2), "blueviolet", "蓝紫色"},
    {css(0xA52A2A), "brown", "棕色"},
    {css(0xDEB887), "burlywood", "原木色"},
    {css(0x5F9EA0), "cadetblue", "军服蓝"},
    {css(0x7FFF00), "chartreuse", "查特酒绿"},
    {css(0xD2691E), "chocolate", "巧克力色"},
    {css(0xFF7F50), "coral", "珊瑚色"},
    {css(0x6495ED), "cornflowerblue", "矢车菊蓝"},
    {css(0xFFF8DC), "cornsilk", "玉米丝色"},
    {css(0xDC143C), "crimson", "猩红色"},
    {css(0x00FFFF), "cyan", "青色"},
    {css(0x00008B), "darkblue", "深蓝色"},
    {css(0x008B8B), "darkcyan", "深青色"},
    {css(0xB8860B), "darkgoldenrod", "深金菊色"},
    {css(0xA9A9A9), "darkgray", "深灰色"},
    {css(0x006400), "darkgreen", "深绿色"},
    {css(0xA9A9A9), "darkgrey", "深灰色"},
    {css(0xBDB76B), "darkkhaki", "深卡其色"},
    {css(0x8B008B), "darkmagenta", "深洋红色"},
    {css(0x556B2F), "darkolivegreen", "深橄榄绿"},
    {css(0xFF8C00), "darkorange", "深橙色"},
    {css(0x9932CC), "darkorchid", "深兰花紫"},
    {css(0x8B0000), "darkred", "深红色"},
    {css(0xE9967A), "darksalmon", "深鲑鱼红"},
    {css(0x8FBC8F), "darkseagreen", "深海绿色"},
    {css(0x483D8B), "darkslateblue", "深岩蓝"},
    {css(0x2F4F4F), "darkslategray", "深岩灰"},
    {css(0x2F4F4F), "darkslategrey", "深岩灰"},
    {css(0x00CED1), "darkturquoise", "深绿松石色"},
    {css(0x9400D3), "darkviolet", "深紫罗兰色"},
    {css(0xFF1493), "deeppink", "深粉色"},
    {css(0x00BFFF), "deepskyblue", "深天蓝"},
    {css(0x696969), "dimgray", "暗灰色"},
    {css(0x696969), "dimgrey", "暗灰色"},
    {css(0x1E90FF), "dodgerblue", "道奇蓝"},
    {css(0xB22222), "firebrick", "耐火砖红"},
    {css(0xFFFAF0), "floralwhite", "花白色"},
    {css(0x228B22), "forestgreen", "森林绿"},
    {css(0xFF00FF), "fuchsia", "品红色"},
    {css(0xDCDCDC), "gainsboro", "亮灰色"},
    {css(0xF8F8FF), "ghostwhite", "幽灵白"},
    {css(0xFFD700), "gold", "金色"},
    {css(0xDAA520), "goldenrod", "金菊色"},
    {css(0x808080), "gray", "灰色"},
    {css(0x008000), "green", "绿色"},
    {css(0xADFF2F), "greenyellow", "绿黄色"},
    {css(0x808080), "grey", "灰色"},
    {css(0xF0FFF0), "honeydew", "蜜瓜绿"},
    {css(0xFF69B4), "hotpink", "艳粉色"},
    {css(0xCD5C5C), "indianred", "印度红"},
    {css(0x4B0082), "indigo", "靛青色"},
    {css(0xFFFFF0), "ivory", "象牙白"},
    {css(0xF0E68C), "khaki", "卡其色"},
    {css(0xE6E6FA), "lavender", "薰衣草紫"},
    {css(0xFFF0F5), "lavenderblush", "淡紫红色"},
    {css(0x7CFC00), "lawngreen", "草坪绿"},
    {css(0xFFFACD), "lemonchiffon", "柠檬绸色"},
    {css(0xADD8E6), "lightblue", "浅蓝色"},
    {css(0xF08080), "lightcoral", "浅珊瑚色"},
    {css(0xE0FFFF), "lightcyan", "浅青色"},
    {css(0xFAFAD2), "lightgoldenrodyellow", "浅金菊黄"},
    {css(0xD3D3D3), "lightgray", "浅灰色"},
    {css(0x90EE90), "lightgreen", "浅绿色"},
    {css(0xD3D3D3), "lightgrey", "浅灰色"},
    {css(0xFFB6C1), "lightpink", "浅粉色"},
    {css(0xFFA07A), "lightsalmon", "浅鲑鱼红"},
    {css(0x20B2AA), "lightseagreen", "浅海绿色"},
    {css(0x87CEFA), "lightskyblue", "浅天蓝"},
    {css(0x778899), "lightslategray", "浅岩灰"},
    {css(0x778899), "lightslategrey", "浅岩灰"},
    {css(0xB0C4DE), "lightsteelblue", "浅钢蓝"},
    {css(0xFFFFE0), "lightyellow", "浅黄色"},
    {css(0x00FF00), "lime", "亮绿色"},
    {css(0x32CD32), "limegreen", "青柠绿"},
    {css(0xFAF0E6), "linen", "亚麻色"},
    {css(0xFF00FF), "magenta", "洋红色"},
    {css(0x800000), "maroon", "栗色"},
    {css(0x66CDAA), "mediumaquamarine", "中碧绿色"},
    {css(0x0000CD), "mediumblue", "中蓝色"},
    {css(0xBA55D3), "mediumorchid", "中兰花紫"},
    {css(0x9370DB), "mediumpurple", "中紫色"},
    {css(0x3CB371), "mediumseagreen", "中海绿色"},
    {css(0x7B68EE), "mediumslateblue", "中岩蓝"},
    {css(0x00FA9A), "mediumspringgreen", "中春绿色"},
    {css(0x48D1CC), "mediumturquoise", "中绿松石色"},
    {css(0xC71585), "mediumvioletred", "中紫罗兰红"},
    {css(0x191970), "midnightblue", "午夜蓝"},
    {css(0xF5FFFA), "mintcream", "薄荷奶油色"},
    {css(0xFFE4E1), "mistyrose", "雾玫瑰色"},
    {css(0xFFE4B5), "moccasin", "鹿皮色"},
    {css(0xFFDEAD), "navajowhite", "纳瓦霍白"},
    {css(0x000080), "navy", "藏青色"},
    {css(0xFDF5E6), "oldlace", "旧蕾丝色"},
    {css(0x808000), "olive", "橄榄色"},
    {css(0x6B8E23), "olivedrab", "橄榄军绿"},
    {css(0xFFA500), "orange", "橙色"},
    {css(0xFF4500), "orangered", "橙红色"},
    {css(0xDA70D6), "orchid", "兰花紫"},
    {css(0xEEE8AA), "palegoldenrod", "淡金菊色"},
    {css(0x98FB98), "palegreen", "淡绿色"},
    {css(0xAFEEEE), "paleturquoise", "淡绿松石色"},
    {css(0xDB7093), "palevioletred", "淡紫罗兰红"},
    {css(0xFFEFD5), "papayawhip", "番木瓜色"},
    {css(0xFFDAB9), "peachpuff", "桃色"},
    {css(0xCD853F), "peru", "秘鲁色"},
    {css(0xFFC0CB), "pink", "粉红色"},
    {css(0xDDA0DD), "plum", "梅红色"},
    {css(0xB0E0E6), "powderblue", "粉蓝色"},
    {css(0x800080), "purple", "紫色"},
    {css(0x663399), "rebeccapurple", "丽贝卡紫"},
    {css(0xFF0000), "red", "红色"},
    {css(0xBC8F8F), "rosybrown", "玫瑰褐"},
    {css(0x4169E1), "royalblue", "宝蓝色"},
    {css(0x8B4513), "saddlebrown", "马鞍棕"},
    {css(0xFA8072), "salmon", "鲑鱼红"},
    {css(0xF4A460), "sandybrown", "沙棕色"},
    {css(0x2E8B57), "seagreen", "海绿色"},
    {css(0xFFF5EE), "seashell", "贝壳白"},
    {css(0xA0522D), "sienna", "赭石色"},
    {css(0xC0C0C0), "silver", "银色"},
    {css(0x87CEEB), "skyblue", "天蓝色"},
    {css(0x6A5ACD), "slateblue", "岩蓝色"},
    {css(0x708090), "slategray", "岩灰色"},
    {css(0x708090), "slategrey", "岩灰色"},
    {css(0xFFFAFA), "snow", "雪白色"},
    {css(0x00FF7F), "springgreen", "春绿色"},
    {css(0x4682B4), "steelblue", "钢蓝色"},
    {css(0xD2B48C), "tan", "茶色"},
    {css(0x008080), "teal", "蓝绿色"},
    {css(0xD8BFD8), "thistle", "蓟色"},
    {css(0xFF6347), "tomato", "番茄红"},
    {css(0x40E0D0), "turquoise", "绿松石色"},
    {css(0xEE82EE), "violet", "紫罗兰色"},
    {css(0xF5DEB3), "wheat", "小麦色"},
    {css(0xFFFFFF), "white", "白色"},
    {css(0xF5F5F5), "whitesmoke", "烟白色"},
    {css(0xFFFF00), "yellow", "黄色"},
    {css(0x9ACD32), "yellowgreen", "黄绿色"},
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
  std::string text{named.chinese};
  text += " (";
  text += named.keyword;
  text += ')';
  return text;
}

}  // namespace lindrel::colour_names
