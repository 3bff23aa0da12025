// The 32-bit attribute word of a character: indices into the document's style
// tables plus the style bits. Index 0 of every table is the side's default.
#pragma once

#include "classlib/core/WinTypes.h"

typedef DWORD CharAttr;

namespace CharAttrBits {
constexpr int kTextColorShift = 0;
constexpr DWORD kTextColorMask = 0x3F;
constexpr int kBackColorShift = 6;
constexpr DWORD kBackColorMask = 0x1F;
constexpr int kFontShift = 11;
constexpr DWORD kFontMask = 0x3F;
constexpr int kSizeShift = 17;
constexpr DWORD kSizeMask = 0x3F;
constexpr DWORD kTransientMark = 1u << 23;
constexpr int kStyleShift = 24;  // bold 1, italic 2, underline 4
constexpr DWORD kStyleMask = 0x7;
constexpr int kWordSpaceShift = 27;
constexpr DWORD kWordSpaceMask = 0xF;
}  // namespace CharAttrBits

inline UINT GetAttrField(CharAttr attr, int shift, DWORD mask) { return (attr >> shift) & mask; }
inline CharAttr SetAttrField(CharAttr attr, int shift, DWORD mask, UINT value) {
  return (attr & ~(mask << shift)) | ((value & mask) << shift);
}

inline UINT AttrTextColor(CharAttr a) {
  return GetAttrField(a, CharAttrBits::kTextColorShift, CharAttrBits::kTextColorMask);
}
inline UINT AttrBackColor(CharAttr a) {
  return GetAttrField(a, CharAttrBits::kBackColorShift, CharAttrBits::kBackColorMask);
}
inline UINT AttrFont(CharAttr a) {
  return GetAttrField(a, CharAttrBits::kFontShift, CharAttrBits::kFontMask);
}
inline UINT AttrSize(CharAttr a) {
  return GetAttrField(a, CharAttrBits::kSizeShift, CharAttrBits::kSizeMask);
}
inline UINT AttrStyle(CharAttr a) {
  return GetAttrField(a, CharAttrBits::kStyleShift, CharAttrBits::kStyleMask);
}
inline UINT AttrWordSpace(CharAttr a) {
  return GetAttrField(a, CharAttrBits::kWordSpaceShift, CharAttrBits::kWordSpaceMask);
}

// The paragraph format word of a line: alignment and extra-line-space index.
namespace LineFormatBits {
constexpr DWORD kAlignMask = 0x3;  // 0 left, 1 right, 2 centre
constexpr int kLineSpaceShift = 2;
constexpr DWORD kLineSpaceMask = 0xF;
}  // namespace LineFormatBits

inline UINT FormatAlign(DWORD format) { return format & LineFormatBits::kAlignMask; }
inline UINT FormatLineSpace(DWORD format) {
  return GetAttrField(format, LineFormatBits::kLineSpaceShift, LineFormatBits::kLineSpaceMask);
}
