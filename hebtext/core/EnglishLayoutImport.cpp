#include "hebtext/core/EnglishLayoutImport.h"

#include <string>

#include "hebtext/core/ByteText.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/RuleCodeMap.h"

namespace {

constexpr CodePair kEnglishLayoutCodes[] = {
    {39, 44},   {44, 250},  {46, 245},  {47, 46},   {59, 243},  {65, 185},  {66, 176},
    {67, 161},  {68, 162},  {69, 184},  {70, 171},  {71, 210},  {72, 169},  {73, 206},
    {74, 209},  {75, 172},  {76, 170},  {77, 182},  {78, 174},  {79, 253},  {80, 180},
    {81, 251},  {82, 248},  {83, 163},  {84, 186},  {85, 202},  {86, 164},  {87, 252},
    {88, 177},  {89, 168},  {90, 166},  {96, 59},   {97, 249},  {98, 240},  {99, 225},
    {100, 226}, {101, 247}, {102, 235}, {103, 242}, {104, 233}, {105, 239}, {106, 231},
    {107, 236}, {108, 234}, {109, 246}, {110, 238}, {111, 237}, {112, 244}, {113, 47},
    {114, 248}, {115, 227}, {116, 224}, {117, 229}, {118, 228}, {119, 39},  {120, 241},
    {121, 232}, {122, 230}, {124, 196}, {130, 189}, {131, 193}, {132, 195}, {133, 194},
    {134, 198}, {135, 197}, {136, 196}, {137, 192}, {138, 200}, {139, 199}, {140, 203},
    {145, 96},  {146, 39},  {147, 34},  {148, 34},  {149, 204}, {150, 45},  {151, 45},
    {152, 188}, {153, 200}, {155, 45},  {156, 205}, {161, 193}, {162, 195}, {163, 194},
    {164, 198}, {165, 197}, {166, 196}, {167, 192}, {168, 200}, {169, 199}, {170, 203},
    {171, 201}, {172, 211}, {173, 208}, {174, 198}, {175, 197}, {176, 196}, {177, 192},
    {178, 200}, {179, 199}, {180, 203}, {181, 201}, {187, 201},
};

// White space and printable ASCII stand for themselves; everything else that
// is not tabled has no code.
constexpr RuleCodeMap kEnglishLayout(
    [](int c) { return (c >= 9 && c <= 13) || (c >= 32 && c <= 126) ? c : 0; },
    kEnglishLayoutCodes);

// The combined glyph codes the layout types, as their letter and vowel.
struct GlyphParts {
  BYTE glyph;
  BYTE letter;
  BYTE vowel;
};

constexpr GlyphParts kGlyphParts[] = {
    {188, 170, HebCode::Qamats},  // final kaf with dagesh
    {189, 172, HebCode::Holam},   // lamed with dagesh
    {251, HebCode::FinalKaf, HebCode::Shva},
    {252, HebCode::FinalKaf, HebCode::Qamats},
    {HebCode::LamedHolam, HebCode::Lamed, HebCode::Holam},
};

const GlyphParts* FindGlyphParts(BYTE c) {
  for (const GlyphParts& parts : kGlyphParts) {
    if (parts.glyph == c) return &parts;
  }
  return nullptr;
}

// The one vowel waiting to be written after its letter, and a meteg typed
// before any vowel, which stresses the next vowel to wait.
class VowelQueue {
 public:
  explicit VowelQueue(std::string& out) : out_(out) {}

  void Hold(int vowel) {
    pending_ = static_cast<BYTE>(meteg_ ? AddStressMark(vowel) : vowel);
    meteg_ = false;
  }
  void Meteg() {
    if (pending_ != 0) {
      pending_ = static_cast<BYTE>(AddStressMark(pending_));
    } else {
      meteg_ = true;
    }
  }
  bool HasPending() const { return pending_ != 0; }
  void Flush() {
    if (pending_ != 0) out_ += static_cast<char>(pending_);
    pending_ = 0;
  }

 private:
  std::string& out_;
  BYTE pending_ = 0;
  bool meteg_ = false;
};

}  // namespace

int EnglishLayoutCharToHebChar(int c) { return kEnglishLayout[c]; }

void EnglishLayoutToHebrew(CString& text) {
  std::string out;
  for (char c : BytesString(text)) {
    if (const int code = kEnglishLayout[static_cast<BYTE>(c)]) out += static_cast<char>(code);
  }
  AssignBytes(text, out);
}

void ReorderVowelSequences(CString& text) {
  std::string out;
  VowelQueue vowels(out);
  for (char ch : BytesString(text)) {
    const BYTE c = static_cast<BYTE>(ch);
    if (c == HebCode::Meteg) {
      vowels.Meteg();
    } else if (IsVowelCode(c)) {
      if (!vowels.HasPending()) {
        vowels.Hold(c);
        continue;
      }
      // A second vowel: only a vav vowel survives, as its vav.
      vowels.Flush();
      if (c == HebCode::Shuruk) {
        out += static_cast<char>(HebCode::VavDagesh);
      } else if (c == HebCode::HolamMale) {
        out += static_cast<char>(HebCode::Vav);
        vowels.Hold(HebCode::Holam);
      }
    } else if (const GlyphParts* parts = FindGlyphParts(c)) {
      vowels.Flush();
      out += static_cast<char>(parts->letter);
      vowels.Hold(parts->vowel);
    } else {
      vowels.Flush();
      out += static_cast<char>(c);
    }
  }
  vowels.Flush();
  AssignBytes(text, out);
}
