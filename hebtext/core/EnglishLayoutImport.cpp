#include "hebtext/core/EnglishLayoutImport.h"

#include <string>

#include "hebtext/core/ByteText.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/RuleCodeMap.h"

namespace {
using namespace HebCode;

// clang-format off
constexpr CodePair kEnglishLayoutCodes[] = {
    {'\'', ','}, {',', Tav}, {'.', FinalTsadi}, {'/', '.'}, {';', FinalPe}, {'A', ShinDagesh},
    {'B', NunDagesh}, {'C', BetDagesh}, {'D', GimelDagesh}, {'E', QofDagesh}, {'F', KafDagesh},
    {'G', ShinSinDot}, {'H', YodDagesh}, {'I', HolamMale}, {'J', ShinShinDot}, {'K', LamedDagesh},
    {'L', FinalKafDagesh}, {'M', TsadiDagesh}, {'N', MemDagesh}, {'O', LamedHolam}, {'P', PeDagesh},
    {'Q', FinalKafShva}, {'R', Resh}, {'S', DaletDagesh}, {'T', TavDagesh}, {'U', Shuruk},
    {'V', HeMappiq}, {'W', FinalKafQamats}, {'X', SamekhDagesh}, {'Y', TetDagesh},
    {'Z', ZayinDagesh}, {'`', ';'}, {'a', Shin}, {'b', Nun}, {'c', Bet}, {'d', Gimel}, {'e', Qof},
    {'f', Kaf}, {'g', Ayin}, {'h', Yod}, {'i', FinalNun}, {'j', Het}, {'k', Lamed}, {'l', FinalKaf},
    {'m', Tsadi}, {'n', Mem}, {'o', FinalMem}, {'p', Pe}, {'q', '/'}, {'r', Resh}, {'s', Dalet},
    {'t', Alef}, {'u', Vav}, {'v', He}, {'w', '\''}, {'x', Samekh}, {'y', Tet}, {'z', Zayin},
    {'|', Hiriq}, {130, LamedDageshHolam}, {131, HatafSegol}, {132, HatafQamats}, {133, HatafPatah},
    {134, Segol}, {135, Tsere}, {136, Hiriq}, {137, Shva}, {138, Qamats}, {139, Patah},
    {140, Qubuts}, {145, '`'}, {146, '\''}, {147, '"'}, {148, '"'}, {149, Dagesh}, {150, '-'},
    {151, '-'}, {152, FinalKafDageshQamats}, {153, Qamats}, {155, '-'}, {156, Meteg},
    {161, HatafSegol}, {162, HatafQamats}, {163, HatafPatah}, {164, Segol}, {165, Tsere},
    {166, Hiriq}, {167, Shva}, {168, Qamats}, {169, Patah}, {170, Qubuts}, {171, Holam},
    {172, ShinSinDotDagesh}, {173, ShinShinDotDagesh}, {174, Segol}, {175, Tsere}, {176, Hiriq},
    {177, Shva}, {178, Qamats}, {179, Patah}, {180, Qubuts}, {181, Holam}, {187, Holam},
};
// clang-format on

// White space and printable ASCII stand for themselves; everything else that
// is not tabled has no code.
constexpr RuleCodeMap kEnglishLayout(
    [](int c) { return (c >= '\t' && c <= '\r') || (c >= ' ' && c <= '~') ? c : 0; },
    kEnglishLayoutCodes);

// The combined glyph codes the layout types, as their letter and vowel.
struct GlyphParts {
  BYTE glyph;
  BYTE letter;
  BYTE vowel;
};

constexpr GlyphParts kGlyphParts[] = {
    {FinalKafDageshQamats, FinalKafDagesh, Qamats},
    {LamedDageshHolam, LamedDagesh, Holam},
    {FinalKafShva, FinalKaf, Shva},
    {FinalKafQamats, FinalKaf, Qamats},
    {LamedHolam, Lamed, Holam},
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
