#include "toolkit/core/CKWRgb.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kChannelScale = 255.0;
constexpr int kPercent = 100;
constexpr int kHueSectors = 6;
// Luminance weights per thousand (ITU-R BT.601).
constexpr double kRedWeight = 299, kGreenWeight = 587, kBlueWeight = 114, kWeightSum = 1000;

int ToChannel(double fraction) { return static_cast<int>(fraction * kChannelScale); }
int ToChannelRounded(double fraction) { return static_cast<int>(fraction * kChannelScale + 0.5); }

// Wraps a hue into 0..1 and finishes a sector-based hue.
double FinishHue(double sectorHue) {
  double hue = sectorHue / kHueSectors;
  return hue < 0 ? hue + 1 : hue;
}

double HueToRgb(double m1, double m2, double h) {
  if (h < 0) h += 1;
  if (h > 1) h -= 1;
  if (6 * h < 1) return m1 + (m2 - m1) * 6 * h;
  if (2 * h < 1) return m2;
  if (3 * h < 2) return m1 + (m2 - m1) * (2.0 / 3 - h) * 6;
  return m1;
}

}  // namespace

const CKWRgb CKWRgb::black(0, 0, 0);
const CKWRgb CKWRgb::white(255, 255, 255);
const CKWRgb CKWRgb::darkGrey(64, 64, 64);
const CKWRgb CKWRgb::grey(128, 128, 128);
const CKWRgb CKWRgb::lightGrey(192, 192, 192);

const CKWRgb& CKWColorRef::black = CKWRgb::black;
const CKWRgb& CKWColorRef::white = CKWRgb::white;
const CKWRgb& CKWColorRef::darkGrey = CKWRgb::darkGrey;
const CKWRgb& CKWColorRef::grey = CKWRgb::grey;

double CKWRgb::Luminance() const {
  return (kRedWeight * Red() + kGreenWeight * Green() + kBlueWeight * Blue()) / kWeightSum;
}

void CKWRgb::SetRGB(int red, int green, int blue) {
  m_color = RGB(red & kMaxChannel, green & kMaxChannel, blue & kMaxChannel);
}

template <typename Op>
CKWRgb& CKWRgb::Combine(const CKWRgb& other, Op op) {
  m_color = MakeRGB(op(Red(), other.Red()), op(Green(), other.Green()), op(Blue(), other.Blue()));
  return *this;
}

CKWRgb& CKWRgb::Blend(const CKWRgb& other, int percent) {
  return Combine(other, [percent](int own, int theirs) {
    return (theirs * percent + own * (kPercent - percent)) / kPercent;
  });
}

CKWRgb& CKWRgb::Add(const CKWRgb& other) { return *this += other; }
CKWRgb& CKWRgb::Subtract(const CKWRgb& other) { return *this -= other; }

CKWRgb& CKWRgb::operator+=(const CKWRgb& other) {
  return Combine(other, [](int a, int b) { return a + b; });
}

CKWRgb& CKWRgb::operator-=(const CKWRgb& other) {
  return Combine(other, [](int a, int b) { return a - b; });
}

CKWRgb& CKWRgb::operator*=(const CKWRgb& other) {
  return Combine(other, [](int a, int b) { return a * b; });
}

CKWRgb& CKWRgb::operator/=(const CKWRgb& other) {
  return Combine(other, [](int a, int b) { return b == 0 ? kMaxChannel : a / b; });
}

void CKWRgb::GetHSL(double& hue, double& saturation, double& lightness) const {
  double r = Red() / kChannelScale, g = Green() / kChannelScale, b = Blue() / kChannelScale;
  double max = std::max({r, g, b}), min = std::min({r, g, b});
  lightness = (max + min) / 2;
  if (max == min) {
    hue = saturation = 0;
    return;
  }
  double delta = max - min;
  saturation = lightness < 0.5 ? delta / (max + min) : delta / (2 - max - min);
  double sectorHue = r == max   ? (g - b) / delta
                     : g == max ? 2 + (b - r) / delta
                                : 4 + (r - g) / delta;
  hue = FinishHue(sectorHue);
}

void CKWRgb::GetHSV(double& hue, double& saturation, double& value) const {
  int max = std::max({Red(), Green(), Blue()}), min = std::min({Red(), Green(), Blue()});
  value = max / kChannelScale;
  saturation = max == 0 ? 0 : double(max - min) / max;
  if (saturation == 0) {
    hue = 0;
    return;
  }
  double d = max - min;
  double rc = (max - Red()) / d, gc = (max - Green()) / d, bc = (max - Blue()) / d;
  double sectorHue = Red() == max ? bc - gc : Green() == max ? 2 + rc - bc : 4 + gc - rc;
  hue = FinishHue(sectorHue);
}

void CKWRgb::SetHSL(double hue, double saturation, double lightness) {
  if (saturation == 0) {
    int level = ToChannel(lightness);
    m_color = MakeRGB(level, level, level);
    return;
  }
  double m2 = lightness < 0.5 ? lightness * (1 + saturation)
                              : lightness + saturation - lightness * saturation;
  double m1 = 2 * lightness - m2;
  m_color = MakeRGB(ToChannel(HueToRgb(m1, m2, hue + 1.0 / 3)), ToChannel(HueToRgb(m1, m2, hue)),
                    ToChannel(HueToRgb(m1, m2, hue - 1.0 / 3)));
}

void CKWRgb::SetHSV(double hue, double saturation, double value) {
  if (saturation == 0) {
    int level = ToChannelRounded(value);
    m_color = MakeRGB(level, level, level);
    return;
  }
  double h6 = (hue - std::floor(hue)) * kHueSectors;
  int sector = static_cast<int>(std::floor(h6));
  double f = h6 - sector;
  double p = (1 - saturation) * value;
  double q = (1 - saturation * f) * value;
  double t = (1 - saturation * (1 - f)) * value;
  // clang-format off
  const double channels[kHueSectors][3] = {
      {value, t, p}, {q, value, p}, {p, value, t},
      {p, q, value}, {t, p, value}, {value, p, q}};
  // clang-format on
  const double* rgb = channels[sector % kHueSectors];
  m_color = MakeRGB(ToChannelRounded(rgb[0]), ToChannelRounded(rgb[1]), ToChannelRounded(rgb[2]));
}

CKWRgb CKWRgb::FromHSL(double hue, double saturation, double lightness) {
  CKWRgb color = black;
  color.SetHSL(hue, saturation, lightness);
  return color;
}

CKWRgb CKWRgb::FromHSV(double hue, double saturation, double value) {
  CKWRgb color = black;
  color.SetHSV(hue, saturation, value);
  return color;
}
