// The toolkit's colour value: one COLORREF with channel arithmetic, blending
// and conversions to and from hue/saturation/lightness and hue/saturation/value.
// Every result channel is clamped to 0..255.
#pragma once

#include "classlib/core/WinTypes.h"

class CKWRgb {
 public:
  static constexpr int kMaxChannel = 255;

  constexpr CKWRgb() : m_color(0) {}
  constexpr CKWRgb(COLORREF color) : m_color(color) {}  // NOLINT: a colour is a COLORREF
  constexpr CKWRgb(int red, int green, int blue) : m_color(MakeRGB(red, green, blue)) {}

  void Set(COLORREF color) { m_color = color; }
  COLORREF Get() const { return m_color; }
  operator COLORREF() const { return m_color; }

  int Red() const { return m_color & 0xFF; }
  int Green() const { return (m_color >> 8) & 0xFF; }
  int Blue() const { return (m_color >> 16) & 0xFF; }
  // Perceived brightness, 0..255.
  double Luminance() const;

  void SetRGB(int red, int green, int blue);
  static constexpr COLORREF MakeRGB(int red, int green, int blue) {
    return RGB(Clamp(red), Clamp(green), Clamp(blue));
  }
  static constexpr int Clamp(int channel) {
    return channel < 0 ? 0 : channel > kMaxChannel ? kMaxChannel : channel;
  }

  // Each channel moves percent of the way towards other's.
  CKWRgb& Blend(const CKWRgb& other, int percent);
  CKWRgb& Add(const CKWRgb& other);
  CKWRgb& Subtract(const CKWRgb& other);

  CKWRgb& operator+=(const CKWRgb& other);
  CKWRgb& operator-=(const CKWRgb& other);
  CKWRgb& operator*=(const CKWRgb& other);
  // A zero channel of the divisor gives the full channel rather than a fault.
  CKWRgb& operator/=(const CKWRgb& other);
  // An integer is clamped to 0..255 and taken as a grey.
  CKWRgb& operator+=(int grey) { return *this += Grey(grey); }
  CKWRgb& operator-=(int grey) { return *this -= Grey(grey); }
  CKWRgb& operator*=(int grey) { return *this *= Grey(grey); }
  CKWRgb& operator/=(int grey) { return *this /= Grey(grey); }

  CKWRgb operator+(const CKWRgb& other) const { return CKWRgb(*this) += other; }
  CKWRgb operator-(const CKWRgb& other) const { return CKWRgb(*this) -= other; }
  CKWRgb operator*(const CKWRgb& other) const { return CKWRgb(*this) *= other; }
  CKWRgb operator/(const CKWRgb& other) const { return CKWRgb(*this) /= other; }
  CKWRgb operator+(int grey) const { return CKWRgb(*this) += grey; }
  CKWRgb operator-(int grey) const { return CKWRgb(*this) -= grey; }
  CKWRgb operator*(int grey) const { return CKWRgb(*this) *= grey; }
  CKWRgb operator/(int grey) const { return CKWRgb(*this) /= grey; }

  // Hue, saturation, lightness and value are fractions 0..1.
  void GetHSL(double& hue, double& saturation, double& lightness) const;
  void GetHSV(double& hue, double& saturation, double& value) const;
  void SetHSL(double hue, double saturation, double lightness);
  void SetHSV(double hue, double saturation, double value);
  static CKWRgb FromHSL(double hue, double saturation, double lightness);
  static CKWRgb FromHSV(double hue, double saturation, double value);

  static const CKWRgb black;
  static const CKWRgb white;
  static const CKWRgb darkGrey;
  static const CKWRgb grey;
  static const CKWRgb lightGrey;

 private:
  static CKWRgb Grey(int level) { return CKWRgb(Clamp(level), Clamp(level), Clamp(level)); }
  template <typename Op>
  CKWRgb& Combine(const CKWRgb& other, Op op);

  COLORREF m_color;
};

// The blend and lightening the global data derives its colours with.
struct CKWColorRef {
  // Sets a's channels percent of the way towards b's and returns a.
  static CKWRgb& Blend(CKWRgb& a, const CKWRgb& b, int percent) { return a.Blend(b, percent); }
  // A new colour with n added to each channel.
  static CKWRgb Add(const CKWRgb& color, int n) {
    return CKWRgb(color.Red() + n, color.Green() + n, color.Blue() + n);
  }

  static const CKWRgb& black;
  static const CKWRgb& white;
  static const CKWRgb& darkGrey;
  static const CKWRgb& grey;
};
