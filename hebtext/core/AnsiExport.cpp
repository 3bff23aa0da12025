#include "hebtext/core/AnsiExport.h"

#include <string>

#include "hebtext/core/ByteText.h"
#include "hebtext/core/HebChar.h"

namespace {

// Windows-1255 bytes of the written forms.
constexpr int kShva = 0xC0, kHatafSegol = 0xC1, kHatafPatah = 0xC2, kHatafQamats = 0xC3,
              kHiriq = 0xC4, kTsere = 0xC5, kSegol = 0xC6, kPatah = 0xC7, kQamats = 0xC8,
              kHolam = 0xC9, kQubuts = 0xCB, kDagesh = 0xCC, kMeteg = 0xCD, kShinDot = 0xD1,
              kSinDot = 0xD2;
constexpr int kGimel = 0xE2, kZayin = 0xE6, kYod = 0xE9, kFinalKaf = 0xEA,
              kFinalTsadi = 0xF5, kTsadi = 0xF6, kShin = 0xF9, kVav = 0xE5;

struct AnsiForm {
  BYTE code;
  BYTE length;
  BYTE bytes[3];
};

constexpr AnsiForm Form(int code, int b0) { return {BYTE(code), 1, {BYTE(b0), 0, 0}}; }
constexpr AnsiForm Form(int code, int b0, int b1) {
  return {BYTE(code), 2, {BYTE(b0), BYTE(b1), 0}};
}
constexpr AnsiForm Form(int code, int b0, int b1, int b2) {
  return {BYTE(code), 3, {BYTE(b0), BYTE(b1), BYTE(b2)}};
}

// Every code that is not written as itself. Holam male is given in vav
// order 0. A stressed vowel is its point followed by meteg, except the two
// vav vowels, whose meteg goes before the vav, on the letter they belong to.
constexpr AnsiForm kCombinedForms[] = {
    // Letters with dagesh: the plain letter and the dagesh.
    Form(161, 0xE1, kDagesh), Form(162, 0xE2, kDagesh), Form(163, 0xE3, kDagesh),
    Form(164, 0xE4, kDagesh), Form(165, 0xE5, kDagesh), Form(166, 0xE6, kDagesh),
    Form(168, 0xE8, kDagesh), Form(169, 0xE9, kDagesh), Form(170, 0xEA, kDagesh),
    Form(171, 0xEB, kDagesh), Form(172, 0xEC, kDagesh), Form(174, 0xEE, kDagesh),
    Form(176, 0xF0, kDagesh), Form(177, 0xF1, kDagesh), Form(180, 0xF4, kDagesh),
    Form(182, 0xF6, kDagesh), Form(184, 0xF7, kDagesh), Form(185, kShin, kDagesh),
    Form(186, 0xFA, kDagesh),
    // Yod variants are written as plain yod, with or without their dagesh.
    Form(132, kYod), Form(133, kYod), Form(146, kYod), Form(147, kYod),
    // Shin with its dot.
    Form(208, kShin, kDagesh, kShinDot), Form(209, kShin, kShinDot),
    Form(210, kShin, kSinDot), Form(211, kShin, kDagesh, kSinDot),
    // Final kaf glyphs with their vowel.
    Form(251, kFinalKaf, kShva), Form(252, kFinalKaf, kQamats),
    Form(187, kFinalKaf, kDagesh, kShva), Form(188, kFinalKaf, kDagesh, kQamats),
    // Letters with a tick for foreign sounds: the letter and an apostrophe.
    Form(218, kGimel, kDagesh, '\''), Form(220, kGimel, '\''), Form(221, kZayin, '\''),
    Form(222, kFinalTsadi, '\''), Form(223, kTsadi, '\''),
    // Vowels, their variants and their stressed twins.
    Form(192, kShva), Form(156, kShva), Form(157, kShva),
    Form(193, kHatafSegol), Form(194, kHatafPatah), Form(195, kHatafQamats),
    Form(196, kHiriq), Form(141, kHiriq), Form(212, kHiriq, kMeteg), Form(142, kHiriq, kMeteg),
    Form(197, kTsere), Form(143, kTsere), Form(213, kTsere, kMeteg), Form(144, kTsere, kMeteg),
    Form(198, kSegol), Form(138, kSegol), Form(214, kSegol, kMeteg), Form(140, kSegol, kMeteg),
    Form(199, kPatah), Form(134, kPatah), Form(152, kPatah), Form(154, kPatah),
    Form(215, kPatah, kMeteg), Form(135, kPatah, kMeteg), Form(153, kPatah, kMeteg),
    Form(155, kPatah, kMeteg),
    Form(200, kQamats), Form(148, kQamats), Form(150, kQamats),
    Form(216, kQamats, kMeteg), Form(149, kQamats, kMeteg), Form(151, kQamats, kMeteg),
    Form(128, kQamats), Form(136, kQamats), Form(159, kQamats), Form(129, kQamats, kMeteg),
    Form(201, kHolam), Form(145, kHolam), Form(131, kHolam, kMeteg),
    Form(203, kQubuts), Form(219, kQubuts, kMeteg),
    Form(202, kVav, kDagesh), Form(137, kMeteg, kVav, kDagesh),
    Form(206, kVav, kHolam), Form(130, kMeteg, kVav, kHolam),
    Form(158, '-'),
};

class AnsiFormTable {
 public:
  constexpr AnsiFormTable() : forms_{} {
    forms_['\r'] = Form('\r', '\r');
    for (int c = ' '; c <= '~'; ++c) forms_[c] = Form(c, c);
    for (int c = 0xE0; c <= 0xFA; ++c) forms_[c] = Form(c, c);
    for (const AnsiForm& form : kCombinedForms) forms_[form.code] = form;
  }
  constexpr const AnsiForm& operator[](int code) const { return forms_[code & 0xFF]; }

 private:
  AnsiForm forms_[256];
};

constexpr AnsiFormTable kAnsiForms;

void AppendAnsiForm(std::string& out, int code, int vavOrder) {
  if ((code & 0xFF) == HebCode::HolamMale && vavOrder == 1) {
    out += static_cast<char>(kHolam);
    out += static_cast<char>(kVav);
    return;
  }
  const AnsiForm& form = kAnsiForms[code];
  out.append(reinterpret_cast<const char*>(form.bytes), form.length);
}

}  // namespace

void InternalCharToAnsi(int code, CString& result, int vavOrder) {
  std::string out;
  AppendAnsiForm(out, code, vavOrder);
  AssignBytes(result, out);
}

void ConvertToStandardPoints(CString& text, int vavOrder) {
  const BYTE* in = BytesOf(text);
  const int length = text.GetLength();
  std::string out;
  out.reserve(length * 2);
  for (int i = 0; i < length; ++i) AppendAnsiForm(out, in[i], vavOrder);
  AssignBytes(text, out);
}
