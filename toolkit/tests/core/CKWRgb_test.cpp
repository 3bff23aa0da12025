#include "toolkit/core/CKWRgb.h"

#include <gtest/gtest.h>

namespace {

TEST(CKWRgb, ChannelsAndLuminance) {
  CKWRgb color(RGB(10, 20, 30));
  EXPECT_EQ(color.Red(), 10);
  EXPECT_EQ(color.Green(), 20);
  EXPECT_EQ(color.Blue(), 30);
  EXPECT_DOUBLE_EQ(color.Luminance(), (299 * 10 + 587 * 20 + 114 * 30) / 1000.0);
  color.SetRGB(256 + 7, -1, 300);  // each value masked to its low byte
  EXPECT_EQ(color.Get(), RGB(7, 255, 44));
  EXPECT_EQ(CKWRgb::MakeRGB(-5, 128, 999), RGB(0, 128, 255));
}

TEST(CKWRgb, BlendTruncatesAndClamps) {
  struct {
    COLORREF from, to;
    int percent;
    COLORREF expected;
  } const cases[] = {
      {RGB(0, 0, 0), RGB(255, 255, 255), 50, RGB(127, 127, 127)},
      {RGB(0, 0, 0), RGB(255, 255, 255), 100, RGB(255, 255, 255)},
      {RGB(0, 0, 0), RGB(255, 255, 255), 0, RGB(0, 0, 0)},
      {RGB(200, 100, 0), RGB(0, 100, 200), 25, RGB(150, 100, 50)},
      // Beyond 100 percent the result overshoots and is clamped.
      {RGB(100, 100, 100), RGB(200, 0, 200), 200, RGB(255, 0, 255)},
  };
  for (const auto& c : cases) {
    CKWRgb color(c.from);
    EXPECT_EQ(&color.Blend(c.to, c.percent), &color);
    EXPECT_EQ(color.Get(), c.expected) << c.percent;
  }
}

TEST(CKWRgb, ArithmeticWithColoursAndGreys) {
  const CKWRgb a(RGB(100, 200, 30)), b(RGB(50, 100, 10));
  struct {
    CKWRgb result;
    COLORREF expected;
  } const cases[] = {
      {a + b, RGB(150, 255, 40)},
      {a - b, RGB(50, 100, 20)},
      {b - a, RGB(0, 0, 0)},
      {a * b, RGB(255, 255, 255)},
      {a / b, RGB(2, 2, 3)},
      {a + 300, RGB(255, 255, 255)},
      {a + 20, RGB(120, 220, 50)},
      {a - (-40), RGB(100, 200, 30)},
      {a * 2, RGB(200, 255, 60)},
      {a / 3, RGB(33, 66, 10)},
      // A zero divisor channel gives the full channel instead of faulting.
      {a / CKWRgb(RGB(0, 1, 0)), RGB(255, 200, 255)},
      {a / 0, RGB(255, 255, 255)},
  };
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
    EXPECT_EQ(cases[i].result.Get(), cases[i].expected) << "case " << i;
  }
  CKWRgb c = a;
  c.Add(b).Subtract(CKWRgb(RGB(0, 0, 40)));
  EXPECT_EQ(c.Get(), RGB(150, 255, 0));
  EXPECT_EQ(a.Get(), RGB(100, 200, 30)) << "the binary operators leave their operand";
}

TEST(CKWRgb, ColorRefAddsSignedAmountsAndBlendsInPlace) {
  EXPECT_EQ(CKWColorRef::Add(RGB(250, 10, 128), 18).Get(), RGB(255, 28, 146));
  EXPECT_EQ(CKWColorRef::Add(RGB(250, 10, 128), -20).Get(), RGB(230, 0, 108));
  CKWRgb a(RGB(200, 200, 200));
  EXPECT_EQ(&CKWColorRef::Blend(a, CKWColorRef::black, 20), &a);
  EXPECT_EQ(a.Get(), RGB(160, 160, 160));
}

TEST(CKWRgb, StaticColours) {
  EXPECT_EQ(CKWRgb::black.Get(), RGB(0, 0, 0));
  EXPECT_EQ(CKWRgb::white.Get(), RGB(255, 255, 255));
  EXPECT_EQ(CKWRgb::darkGrey.Get(), RGB(64, 64, 64));
  EXPECT_EQ(CKWRgb::grey.Get(), RGB(128, 128, 128));
  EXPECT_EQ(CKWRgb::lightGrey.Get(), RGB(192, 192, 192));
  EXPECT_EQ(&CKWColorRef::black, &CKWRgb::black);
}

struct HueCase {
  COLORREF color;
  double hue, saturation, lightnessOrValue;
};

TEST(CKWRgb, GetHSL) {
  const HueCase cases[] = {
      {RGB(255, 0, 0), 0, 1, 0.5},
      {RGB(128, 128, 128), 0, 0, 128 / 255.0},
      {RGB(0, 255, 0), 1 / 3.0, 1, 0.5},
      {RGB(255, 0, 255), 5 / 6.0, 1, 0.5},  // a negative sector hue wraps
      {RGB(64, 32, 32), 0, 1 / 3.0, 48 / 255.0},
      {RGB(255, 255, 191), 1 / 6.0, 1, 223 / 255.0},
  };
  for (const HueCase& c : cases) {
    double h, s, l;
    CKWRgb(c.color).GetHSL(h, s, l);
    EXPECT_NEAR(h, c.hue, 1e-9) << std::hex << c.color;
    EXPECT_NEAR(s, c.saturation, 1e-9) << std::hex << c.color;
    EXPECT_NEAR(l, c.lightnessOrValue, 1e-9) << std::hex << c.color;
  }
}

TEST(CKWRgb, GetHSV) {
  const HueCase cases[] = {
      {RGB(0, 0, 255), 4 / 6.0, 1, 1},
      {RGB(0, 0, 0), 0, 0, 0},
      {RGB(255, 0, 128), 1 - 128 / 255.0 / 6, 1, 1},
      {RGB(100, 200, 100), 1 / 3.0, 0.5, 200 / 255.0},
  };
  for (const HueCase& c : cases) {
    double h, s, v;
    CKWRgb(c.color).GetHSV(h, s, v);
    EXPECT_NEAR(h, c.hue, 1e-9) << std::hex << c.color;
    EXPECT_NEAR(s, c.saturation, 1e-9) << std::hex << c.color;
    EXPECT_NEAR(v, c.lightnessOrValue, 1e-9) << std::hex << c.color;
  }
}

TEST(CKWRgb, SetHSLAndHSV) {
  struct {
    CKWRgb result;
    COLORREF expected;
  } const cases[] = {
      {CKWRgb::FromHSL(0.3, 0.7, 1), RGB(255, 255, 255)},
      {CKWRgb::FromHSL(0, 1, 0.5), RGB(255, 0, 0)},
      {CKWRgb::FromHSL(2 / 3.0, 1, 0.25), RGB(0, 0, 127)},
      {CKWRgb::FromHSL(0.5, 0, 0.5), RGB(127, 127, 127)},
      {CKWRgb::FromHSV(0.7, 0.4, 0), RGB(0, 0, 0)},
      {CKWRgb::FromHSV(0.5, 0, 0.5), RGB(128, 128, 128)},
      {CKWRgb::FromHSV(1 / 3.0, 1, 1), RGB(0, 255, 0)},
      {CKWRgb::FromHSV(5 / 6.0, 1, 1), RGB(255, 0, 255)},
      {CKWRgb::FromHSV(1.5, 1, 1), RGB(0, 255, 255)},  // whole turns are dropped
  };
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
    EXPECT_EQ(cases[i].result.Get(), cases[i].expected) << "case " << i;
  }
}

}  // namespace
