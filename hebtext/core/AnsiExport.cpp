#include "hebtext/core/AnsiExport.h"

#include <algorithm>
#include <string>

#include "hebtext/core/ByteText.h"
#include "hebtext/core/HebChar.h"

namespace {
using namespace HebCode;

// Windows-1255 bytes of the written points. Letters need no names of their
// own: they sit at the same places in both codes.
constexpr int kShva = 0xC0, kHatafSegol = 0xC1, kHatafPatah = 0xC2, kHatafQamats = 0xC3,
              kHiriq = 0xC4, kTsere = 0xC5, kSegol = 0xC6, kPatah = 0xC7, kQamats = 0xC8,
              kHolam = 0xC9, kQubuts = 0xCB, kDagesh = 0xCC, kMeteg = 0xCD, kShinDot = 0xD1,
              kSinDot = 0xD2, kMaqaf = 0xCE, kHolamForVav = 0xCA;

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
// clang-format off
constexpr AnsiForm kCombinedForms[] = {
    // Letters with dagesh: the plain letter and the dagesh.
    Form(BetDagesh, Bet, kDagesh), Form(GimelDagesh, Gimel, kDagesh),
    Form(DaletDagesh, Dalet, kDagesh), Form(HeMappiq, He, kDagesh), Form(VavDagesh, Vav, kDagesh),
    Form(ZayinDagesh, Zayin, kDagesh), Form(TetDagesh, Tet, kDagesh),
    Form(YodDagesh, Yod, kDagesh), Form(FinalKafDagesh, FinalKaf, kDagesh),
    Form(KafDagesh, Kaf, kDagesh), Form(LamedDagesh, Lamed, kDagesh),
    Form(MemDagesh, Mem, kDagesh), Form(NunDagesh, Nun, kDagesh),
    Form(SamekhDagesh, Samekh, kDagesh), Form(PeDagesh, Pe, kDagesh),
    Form(TsadiDagesh, Tsadi, kDagesh), Form(QofDagesh, Qof, kDagesh),
    Form(ShinDagesh, Shin, kDagesh), Form(TavDagesh, Tav, kDagesh),
    // Yod variants are written as plain yod, with or without their dagesh.
    Form(YodDouble, Yod), Form(YodDoubleDagesh, Yod), Form(YodVariantB, Yod),
    Form(YodVariantBDagesh, Yod),
    // Shin with its dot.
    Form(ShinShinDotDagesh, Shin, kDagesh, kShinDot), Form(ShinShinDot, Shin, kShinDot),
    Form(ShinSinDot, Shin, kSinDot), Form(ShinSinDotDagesh, Shin, kDagesh, kSinDot),
    // Final kaf glyphs with their vowel.
    Form(FinalKafShva, FinalKaf, kShva), Form(FinalKafQamats, FinalKaf, kQamats),
    Form(FinalKafDageshShva, FinalKaf, kDagesh, kShva),
    Form(FinalKafDageshQamats, FinalKaf, kDagesh, kQamats),
    // Letters with a tick for foreign sounds: the letter and an apostrophe.
    Form(GimelGereshDagesh, Gimel, kDagesh, Geresh), Form(GimelGeresh, Gimel, Geresh),
    Form(ZayinGeresh, Zayin, Geresh), Form(FinalTsadiGeresh, FinalTsadi, Geresh),
    Form(TsadiGeresh, Tsadi, Geresh),
    // Vowels, their variants and their stressed twins.
    Form(Shva, kShva), Form(VocalShva, kShva), Form(SilentShva, kShva),
    Form(HatafSegol, kHatafSegol), Form(HatafPatah, kHatafPatah), Form(HatafQamats, kHatafQamats),
    Form(Hiriq, kHiriq), Form(HiriqYod, kHiriq),
    Form(StressedHiriq, kHiriq, kMeteg), Form(StressedHiriqYod, kHiriq, kMeteg),
    Form(Tsere, kTsere), Form(TsereYod, kTsere),
    Form(StressedTsere, kTsere, kMeteg), Form(StressedTsereYod, kTsere, kMeteg),
    Form(Segol, kSegol), Form(SegolYod, kSegol),
    Form(StressedSegol, kSegol, kMeteg), Form(StressedSegolYod, kSegol, kMeteg),
    Form(Patah, kPatah), Form(PatahForQamats, kPatah), Form(PatahAlef, kPatah),
    Form(PatahYod, kPatah), Form(StressedPatah, kPatah, kMeteg),
    Form(StressedPatahForQamats, kPatah, kMeteg), Form(StressedPatahAlef, kPatah, kMeteg),
    Form(StressedPatahYod, kPatah, kMeteg),
    Form(Qamats, kQamats), Form(QamatsYod, kQamats), Form(QamatsAlef, kQamats),
    Form(StressedQamats, kQamats, kMeteg), Form(StressedQamatsYod, kQamats, kMeteg),
    Form(StressedQamatsAlef, kQamats, kMeteg),
    Form(QamatsQatan, kQamats), Form(QamatsQatanAlef, kQamats),
    Form(QamatsQatanVariant, kQamats), Form(StressedQamatsQatan, kQamats, kMeteg),
    Form(Holam, kHolam), Form(HolamVariant, kHolam), Form(StressedHolam, kHolam, kMeteg),
    Form(Qubuts, kQubuts), Form(StressedQubuts, kQubuts, kMeteg),
    Form(Shuruk, Vav, kDagesh), Form(StressedShuruk, kMeteg, Vav, kDagesh),
    Form(HolamMale, Vav, kHolam), Form(StressedHolamMale, kMeteg, Vav, kHolam),
    Form(Maqaf, kMaqaf),
};
// clang-format on

class AnsiFormTable {
 public:
  constexpr AnsiFormTable() : forms_{} {
    forms_[CarriageReturn] = Form(CarriageReturn, CarriageReturn);
    for (int c = ' '; c <= '~'; ++c) forms_[c] = Form(c, c);
    for (int c = Alef; c <= Tav; ++c) forms_[c] = Form(c, c);
    for (const AnsiForm& form : kCombinedForms) forms_[form.code] = form;
  }
  constexpr const AnsiForm& operator[](int code) const { return forms_[code & 0xFF]; }

 private:
  AnsiForm forms_[256];
};

constexpr AnsiFormTable kAnsiForms;

void AppendAnsiForm(std::string& out, int code, VavOrder vavOrder) {
  if ((code & 0xFF) == HolamMale && vavOrder == kHolamThenVav) {
    out += static_cast<char>(kHolam);
    out += static_cast<char>(Vav);
    return;
  }
  const AnsiForm& form = kAnsiForms[code];
  out.append(reinterpret_cast<const char*>(form.bytes), form.length);
}

// Writes the holams of bytes from the index on as holams for vav.
void WriteHolamForVav(std::string& bytes, size_t from) {
  std::replace(bytes.begin() + from, bytes.end(), static_cast<char>(kHolam),
               static_cast<char>(kHolamForVav));
}

}  // namespace

bool NeedsHolamForVav(int letterBefore, int letter, int point, VavOrder vavOrder) {
  return vavOrder == kVavThenHolam && IsHebrewLetter(letterBefore) &&
         (letter & 0xFF) == Vav && IsHolamForm(point);
}

void UseHolamForVav(CString& sequence) {
  std::string bytes = BytesString(sequence);
  WriteHolamForVav(bytes, 0);
  AssignBytes(sequence, bytes);
}

void InternalCharToAnsi(int code, CString& result, VavOrder vavOrder) {
  std::string out;
  AppendAnsiForm(out, code, vavOrder);
  AssignBytes(result, out);
}

void ConvertToStandardPoints(CString& text, VavOrder vavOrder) {
  const BYTE* in = BytesOf(text);
  const int length = text.GetLength();
  std::string out;
  out.reserve(length * 2);
  for (int i = 0; i < length; ++i) {
    const size_t start = out.size();
    AppendAnsiForm(out, in[i], vavOrder);
    if (i >= 2 && NeedsHolamForVav(in[i - 2], in[i - 1], in[i], vavOrder)) {
      WriteHolamForVav(out, start);
    }
  }
  AssignBytes(text, out);
}
