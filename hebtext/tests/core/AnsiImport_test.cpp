// Windows-1255 import: the mark order each cluster is put in, the byte-by-
// byte folding into HebChar codes, and the whole import under a progress
// dialog.
#include "hebtext/core/AnsiImport.h"

#include <gtest/gtest.h>

#include "hebtext/core/AnsiExport.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/tests/core/ByteStrings.h"
#include "hebtext/tests/core/FakeProgressDlg.h"
#include "hebtext/tests/core/FixtureFile.h"
#include "hebtext/tests/core/WrittenOut.h"

namespace ansi_import_test {

using bytes::Codes;
using bytes::CodesOf;
using bytes::Text;

// The vav orders, short for the tables.
constexpr VavOrder VH = kVavThenHolam;
constexpr VavOrder HV = kHolamThenVav;

// Windows-1255 bytes, as other programs write them.
// clang-format off
enum : int {
  kShva = 0xC0, kHatafPatah = 0xC2, kHiriq = 0xC4, kPatah = 0xC7, kQamats = 0xC8,
  kHolam = 0xC9, kHolamForVav = 0xCA, kQubuts = 0xCB, kDagesh = 0xCC, kMeteg = 0xCD, kMaqaf = 0xCE,
  kShinDot = 0xD1, kSinDot = 0xD2, kSofPasuq = 0xD3,
  kAlef = 0xE0, kBet = 0xE1, kGimel = 0xE2, kDalet = 0xE3, kVav = 0xE5, kLamed = 0xEC,
  kMem = 0xEE, kFinalNun = 0xEF, kAyin = 0xF2, kTsadi = 0xF6, kShin = 0xF9, kTav = 0xFA,
};
// clang-format on

// Unicode's name of each Windows-1255 byte, by Python's codec (data/cp1255.txt).
std::map<int, std::string> Cp1255Names() {
  std::map<int, std::string> names;
  for (const std::string& line : fixture::DataLines("cp1255.txt")) {
    const auto fields = fixture::Split(line, ' ');
    if (fields.at(1) == "-") continue;
    const auto it =
        written::HebrewBlock().find(static_cast<WCHAR>(std::stoi(fields.at(1), nullptr, 16)));
    if (it != written::HebrewBlock().end()) {
      names[std::stoi(fields.at(0), nullptr, 16)] = it->second.name;
    }
  }
  return names;
}

TEST(AnsiImportClasses, AcceptTheBytesOfTheirUnicodeCharacters) {
  const std::map<int, std::string> names = Cp1255Names();
  ASSERT_FALSE(names.empty()) << "data/cp1255.txt is missing";
  for (int b = 0; b < 256; ++b) {
    const std::string name = names.count(b) ? names.at(b) : "";
    const bool letter = !written::WithoutPrefix(name, "HEBREW LETTER ").empty();
    // Holam for vav, which the codec does not know, is read as holam; the
    // program has no rafe.
    const bool point =
        (!written::WithoutPrefix(name, "HEBREW POINT ").empty() && name != "HEBREW POINT RAFE") ||
        b == kHolamForVav;
    const bool maqafOrSofPasuq =
        name == "HEBREW PUNCTUATION MAQAF" || name == "HEBREW PUNCTUATION SOF PASUQ";
    EXPECT_EQ(letter, IsAnsiHebrewLetter(b) == 1) << b;
    EXPECT_EQ(point, IsAnsiHebrewPoint(b) == 1) << b;
    EXPECT_EQ(maqafOrSofPasuq, IsAnsiMaqafOrSofPasuq(b) == 1) << b;
  }
}

TEST(AnsiImportClasses, ClassifyAnsiMarkSortsTheBytesOfACluster) {
  struct Case {
    int c, next, want;
  } cases[] = {
      {kMeteg, 0, kAnsiMeteg},       {kQamats, kBet, kAnsiPoint},
      {kDagesh, 0, kAnsiPoint},      {kShinDot, 0, kAnsiPoint},
      {kSinDot, kMeteg, kAnsiPoint}, {kHolamForVav, 0, kAnsiPoint},
      // Holam for vav marks a consonant vav.
      {kVav, kHolam, kVavVowel},     {kVav, kHolamForVav, kNotAMark},
      {kVav, kDagesh, kVavVowel},    {kVav, kQamats, kNotAMark},
      {kVav, 0, kNotAMark},          {kBet, kDagesh, kNotAMark},
      {kMaqaf, 0, kNotAMark},        {kSofPasuq, 0, kNotAMark},
      {' ', 0, kNotAMark},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.want, ClassifyAnsiMark(c.c, c.next)) << c.c << " before " << c.next;
  }
}

struct OrderCase {
  const char* name;
  Codes in;
  Codes out;
};

TEST(NormalizeMarkOrder, PutsDageshAndDotBeforeTheVowelAndMetegLast) {
  const OrderCase cases[] = {
      {"meteg before the vowel", {kBet, kMeteg, kQamats}, {kBet, kQamats, kMeteg}},
      {"meteg before holam male", {kBet, kMeteg, kVav, kHolam}, {kBet, kVav, kHolam, kMeteg}},
      {"dagesh after the vowel (canonical order)",
       {kBet, kQamats, kDagesh},
       {kBet, kDagesh, kQamats}},
      {"shin dot after the vowel (canonical order)",
       {kShin, kQamats, kShinDot},
       {kShin, kShinDot, kQamats}},
      {"canonical vowel, dagesh, meteg, dot",
       {kShin, kQamats, kDagesh, kMeteg, kShinDot},
       {kShin, kDagesh, kShinDot, kQamats, kMeteg}},
      {"dot and dagesh keep their own order",
       {kShin, kShinDot, kDagesh, kQamats},
       {kShin, kShinDot, kDagesh, kQamats}},
      {"already in import order",
       {kBet, kDagesh, kQamats, kGimel, kPatah},
       {kBet, kDagesh, kQamats, kGimel, kPatah}},
      {"a vav vowel's own marks", {kBet, kVav, kHolam, kDagesh}, {kBet, kVav, kDagesh, kHolam}},
      {"the letter's marks stay before its vav vowel",
       {kBet, kQamats, kDagesh, kVav, kHolam},
       {kBet, kDagesh, kQamats, kVav, kHolam}},
      {"each cluster on its own",
       {kBet, kMeteg, kQamats, kGimel, kMeteg, kPatah, kDagesh},
       {kBet, kQamats, kMeteg, kGimel, kDagesh, kPatah, kMeteg}},
      {"several metegs become one", {kBet, kMeteg, kQamats, kMeteg}, {kBet, kQamats, kMeteg}},
      {"a blank ends the cluster", {kBet, kQamats, ' ', kDagesh}, {kBet, kQamats, ' ', kDagesh}},
      {"marks with no letter stay", {kQamats, kDagesh, kMeteg}, {kQamats, kDagesh, kMeteg}},
      {"vav at the end is a letter", {kBet, kVav}, {kBet, kVav}},
      {"maqaf ends the cluster", {kBet, kMeteg, kMaqaf, kQamats}, {kBet, kMeteg, kMaqaf, kQamats}},
      {"a vav after the letter's vowel is a letter of its own",
       {kBet, kMeteg, kQamats, kVav, kHolam},
       {kBet, kQamats, kMeteg, kVav, kHolam}},
      {"empty", {}, {}},
  };
  for (const OrderCase& c : cases) {
    CString text = Text(c.in);
    NormalizeMarkOrder(text);
    EXPECT_EQ(c.out, CodesOf(text)) << c.name;
  }
}

TEST(ConvertImportedChar, FoldsEachByteByWhatWasWrittenBefore) {
  using namespace HebCode;
  const ImportAction A = ImportAction::Append, R = ImportAction::ReplaceLast,
                     D = ImportAction::Drop;
  struct Case {
    const char* name;
    int c;
    ImportNeighbours neighbours;  // {prev2, prev, next}
    VavOrder vavOrder;
    ImportAction action;
    int code;  // when not dropped
  } cases[] = {
      {"line feed", '\n', {0, Bet, 0}, VH, D, 0},
      {"shva", kShva, {0, Bet, 0}, VH, A, Shva},
      {"qamats", kQamats, {0, Bet, 0}, VH, A, Qamats},
      {"qubuts", kQubuts, {0, Bet, 0}, VH, A, Qubuts},
      {"holam after vav", kHolam, {Bet, Vav, 0}, VH, R, HolamMale},
      {"holam after vav after a dagesh letter", kHolam, {BetDagesh, Vav, 0}, VH, R, HolamMale},
      // The letter before has its vowel: the vav is a consonant with holam.
      {"holam after vav after qamats", kHolam, {Qamats, Vav, 0}, VH, A, Holam},
      {"holam after vav after shva", kHolam, {Shva, Vav, 0}, VH, A, Holam},
      {"holam after vav at a word's start", kHolam, {' ', Vav, 0}, VH, A, Holam},
      {"holam for vav after vav", kHolamForVav, {Bet, Vav, 0}, VH, A, Holam},
      {"holam after vav, holam then vav", kHolam, {Bet, Vav, 0}, HV, A, Holam},
      {"holam after bet", kHolam, {0, Bet, 0}, VH, A, Holam},
      {"holam for vav after bet", kHolamForVav, {0, Bet, 0}, VH, A, Holam},
      {"dagesh on vav before a vowel", kDagesh, {Bet, Vav, kQamats}, VH, R, VavDagesh},
      {"dagesh on vav after a vowel", kDagesh, {Qamats, Vav, 0}, VH, R, VavDagesh},
      {"dagesh on vav: shuruk", kDagesh, {Bet, Vav, ' '}, VH, R, Shuruk},
      {"dagesh on bet", kDagesh, {0, Bet, 0}, VH, R, BetDagesh},
      {"dagesh on shin with shin dot", kDagesh, {0, ShinShinDot, 0}, VH, R, ShinShinDotDagesh},
      {"dagesh on shin with sin dot", kDagesh, {0, ShinSinDot, 0}, VH, R, ShinSinDotDagesh},
      {"dagesh after a vowel", kDagesh, {Bet, Qamats, 0}, VH, D, 0},
      {"dagesh on alef", kDagesh, {0, Alef, 0}, VH, D, 0},
      {"dagesh at the start", kDagesh, {0, 0, 0}, VH, D, 0},
      {"meteg after qamats", kMeteg, {Bet, Qamats, 0}, VH, R, StressedQamats},
      {"meteg after shuruk", kMeteg, {Bet, Shuruk, 0}, VH, R, StressedShuruk},
      {"meteg after holam male", kMeteg, {Bet, HolamMale, 0}, VH, R, StressedHolamMale},
      {"meteg after hataf", kMeteg, {Bet, HatafPatah, 0}, VH, D, 0},
      {"meteg after a bare letter", kMeteg, {0, Bet, 0}, VH, D, 0},
      {"maqaf", kMaqaf, {0, Bet, 0}, VH, A, Maqaf},
      {"sof pasuq", kSofPasuq, {0, Bet, 0}, VH, A, ':'},
      {"geresh", 0xD7, {0, Alef, 0}, VH, A, Geresh},
      {"gershayim", 0xD8, {0, Dalet, 0}, VH, A, Gershayim},
      // Punctuation the program's code holds as its ASCII look-alike.
      {"left double quote", 0x93, {0, Bet, 0}, VH, A, '"'},
      {"right single quote", 0x92, {0, Bet, 0}, VH, A, '\''},
      {"en dash", 0x96, {0, ' ', 0}, VH, A, '-'},
      {"no-break space", 0xA0, {0, Bet, 0}, VH, A, ' '},
      // Characters it has no place for.
      {"new shekel sign", 0xA4, {0, ' ', 0}, VH, D, 0},
      {"euro sign", 0x80, {0, ' ', 0}, VH, D, 0},
      {"right-to-left mark", 0xFE, {0, Bet, 0}, VH, D, 0},
      {"rafe", 0xCF, {0, Bet, 0}, VH, D, 0},
      {"shin dot on shin", kShinDot, {0, Shin, 0}, VH, R, ShinShinDot},
      {"shin dot on shin with dagesh", kShinDot, {0, ShinDagesh, 0}, VH, R, ShinShinDotDagesh},
      {"shin dot on bet", kShinDot, {0, Bet, 0}, VH, D, 0},
      {"sin dot on shin", kSinDot, {0, Shin, 0}, VH, R, ShinSinDot},
      {"sin dot on shin with dagesh", kSinDot, {0, ShinDagesh, 0}, VH, R, ShinSinDotDagesh},
      {"sin dot on shin with shin dot", kSinDot, {0, ShinShinDot, 0}, VH, D, 0},
      {"alef", kAlef, {0, 0, 0}, VH, A, Alef},
      {"tav", kTav, {0, Bet, 0}, VH, A, Tav},
      {"vav", kVav, {0, Bet, 0}, VH, A, Vav},
      {"vav after holam, vav then holam", kVav, {Bet, Holam, 0}, VH, A, Vav},
      {"vav after holam, holam then vav", kVav, {Bet, Holam, 0}, HV, R, HolamMale},
      {"vav after holam variant", kVav, {Bet, HolamVariant, 0}, HV, R, HolamMale},
      {"vav after stressed holam", kVav, {Bet, StressedHolam, 0}, HV, R, StressedHolamMale},
      {"vav after holam that follows a vowel", kVav, {Qamats, Holam, 0}, HV, A, Vav},
      {"vowel, stressed holam, vav", kVav, {Qamats, StressedHolam, 0}, HV, R, StressedHolamMale},
      {"ASCII", 'A', {0, Bet, 0}, VH, A, 'A'},
      {"zero byte", 0, {0, 0, 0}, VH, A, 0},
      {"unassigned 0xFF", 0xFF, {0, Bet, 0}, VH, D, 0},
      // ConvertImportedText writes its two letters.
      {"yiddish ligature 0xD4", 0xD4, {0, Bet, 0}, VH, D, 0},
  };
  for (const Case& c : cases) {
    BYTE code = 0;
    EXPECT_EQ(c.action, ConvertImportedChar(c.c, c.neighbours, c.vavOrder, code)) << c.name;
    if (c.action != ImportAction::Drop) {
      EXPECT_EQ(c.code, code) << c.name;
    }
  }
}

struct ImportCase {
  const char* name;
  Codes in;
  VavOrder vavOrder;
  Codes out;
};

void ExpectImports(const ImportCase* cases, size_t count, bool normalizeFirst) {
  for (size_t i = 0; i < count; ++i) {
    CString text = Text(cases[i].in);
    if (normalizeFirst) NormalizeMarkOrder(text);
    ConvertImportedText(text, cases[i].vavOrder);
    EXPECT_EQ(cases[i].out, CodesOf(text)) << cases[i].name;
  }
}

TEST(ConvertImportedText, FoldsLettersAndMarksIntoSingleCodes) {
  using namespace HebCode;
  const ImportCase cases[] = {
      {"bet, dagesh, qamats", {kBet, kDagesh, kQamats}, VH, {BetDagesh, Qamats}},
      {"vav, dagesh after a bare letter", {kBet, kVav, kDagesh}, VH, {Bet, Shuruk}},
      {"vav, dagesh, qamats", {kVav, kDagesh, kQamats}, VH, {VavDagesh, Qamats}},
      {"shin, shin dot, dagesh", {kShin, kShinDot, kDagesh}, VH, {ShinShinDotDagesh}},
      {"shin, dagesh, shin dot", {kShin, kDagesh, kShinDot}, VH, {ShinShinDotDagesh}},
      {"bet, holam, vav; holam then vav", {kBet, kHolam, kVav}, HV, {Bet, HolamMale}},
      {"bet, vav, holam; vav then holam", {kBet, kVav, kHolam}, VH, {Bet, HolamMale}},
      {"maqaf and sof pasuq", {kBet, kMaqaf, kGimel, kSofPasuq}, VH, {Bet, Maqaf, Gimel, ':'}},
      // Without the mark order put right first, these lose their marks.
      {"letter, qamats, dagesh", {kBet, kQamats, kDagesh}, VH, {Bet, Qamats}},
      {"meteg after hataf", {kBet, kHatafPatah, kMeteg}, VH, {Bet, HatafPatah}},
      {"meteg after a bare letter", {kBet, kMeteg}, VH, {Bet}},
      // A line feed is dropped and leaves prev as it was: at the start prev
      // stays 0, so a dagesh after it has no letter to go on.
      {"line feed at the start", {'\n', kDagesh, kBet}, VH, {Bet}},
      // Between holam and vav it makes prev2 the holam, a vowel code, so with
      // holam then vav the vav stays a letter.
      {"line feed between holam and vav", {kBet, kHolam, '\n', kVav}, HV, {Bet, Holam, Vav}},
      {"CR and LF", {kBet, '\r', '\n', kGimel}, VH, {Bet, '\r', Gimel}},
      {"Yiddish ligatures", {0xD4, 0xD5, 0xD6, kPatah}, VH, {Vav, Vav, Vav, Yod, Yod, Yod, Patah}},
      {"ellipsis", {kBet, 0x85}, VH, {Bet, '.', '.', '.'}},
      {"holam for vav after a bare letter", {kLamed, kVav, kHolamForVav}, VH, {Lamed, Vav, Holam}},
      {"empty", {}, VH, {}},
  };
  ExpectImports(cases, std::size(cases), false);
}

TEST(ConvertImportedText, AfterNormalizeMarkOrderNoMarkIsLostWhateverItsOrder) {
  using namespace HebCode;
  const ImportCase cases[] = {
      {"letter, meteg, qamats", {kBet, kMeteg, kQamats}, VH, {Bet, StressedQamats}},
      {"bet, meteg, vav, holam; vav then holam",
       {kBet, kMeteg, kVav, kHolam},
       VH,
       {Bet, StressedHolamMale}},
      {"bet, meteg, vav, holam; holam then vav",
       {kBet, kMeteg, kVav, kHolam},
       HV,
       {Bet, Vav, StressedHolam}},
      {"letter, qamats, dagesh", {kBet, kQamats, kDagesh}, VH, {BetDagesh, Qamats}},
      {"shin, qamats, shin dot", {kShin, kQamats, kShinDot}, VH, {ShinShinDot, Qamats}},
      {"shin, hiriq, dagesh, meteg, sin dot",
       {kShin, kHiriq, kDagesh, kMeteg, kSinDot},
       VH,
       {ShinSinDotDagesh, StressedHiriq}},
      {"vav, qamats, dagesh: a consonant",
       {kDalet, kVav, kQamats, kDagesh},
       VH,
       {Dalet, VavDagesh, Qamats}},
      {"vav, holam, dagesh: a consonant",
       {kLamed, kVav, kHolam, kDagesh},
       VH,
       {Lamed, VavDagesh, Holam}},
      {"vav, holam: holam male", {kLamed, kVav, kHolam}, VH, {Lamed, HolamMale}},
      // mitsvot: the tsadi has its shva, so the vav is a consonant with holam.
      {"mem, hiriq, tsadi, shva, vav, holam, tav",
       {kMem, kHiriq, kTsadi, kShva, kVav, kHolam, kTav},
       VH,
       {Mem, Hiriq, Tsadi, Shva, Vav, Holam, Tav}},
      // avon: the ayin has its qamats.
      {"ayin, qamats, vav, holam, final nun",
       {kAyin, kQamats, kVav, kHolam, kFinalNun},
       VH,
       {Ayin, Qamats, Vav, Holam, FinalNun}},
      {"vav, dagesh, meteg: stressed shuruk",
       {kBet, kVav, kDagesh, kMeteg},
       VH,
       {Bet, StressedShuruk}},
  };
  ExpectImports(cases, std::size(cases), true);
}

// What the export writes for a consonant vav with holam, and for a holam
// male, reads back as it was.
TEST(ConvertImportedText, ReadsBackTheVavsItsExportWrites) {
  using namespace HebCode;
  const Codes words[] = {
      {Mem, Hiriq, Tsadi, Shva, Vav, Holam, Tav},  // mitsvot
      {Ayin, Qamats, Vav, Holam, FinalNun},        // avon
      {Lamed, HolamMale, ' ', Vav, Holam, Tav},    // lo, and a word-initial vav
      {ShinShinDot, HolamMale, Mem, Qamats, Resh}, // shomar
      {Bet, Vav, Holam, Tav},                      // a consonant vav after a bare letter
      {Bet, Vav, StressedHolam},
  };
  for (const Codes& word : words) {
    CString text = Text(word);
    ConvertToStandardPoints(text, VH);
    NormalizeMarkOrder(text);
    ConvertImportedText(text, VH);
    EXPECT_EQ(word, CodesOf(text));
  }
}

TEST(ConvertImportedText, ReportsEvery250BytesUnderTheProgressDialog) {
  FakeProgressDlg dlg;
  CString text = Text(Codes(600, kBet));
  ConvertImportedText(text, kVavThenHolam);
  EXPECT_EQ(std::vector<std::string>{"Converting Imported Text / 600"}, dlg.begun);
  EXPECT_EQ((std::vector<int>{0, 250, 500}), dlg.steps);
  EXPECT_EQ(600, text.GetLength());
}

TEST(ConvertImportedText, ACancelEmptiesTheText) {
  FakeProgressDlg dlg;
  dlg.cancelAtStep = 250;
  CString text = Text(Codes(600, kBet));
  ConvertImportedText(text, kVavThenHolam);
  EXPECT_TRUE(text.IsEmpty());
  EXPECT_EQ((std::vector<int>{0, 250}), dlg.steps);
}

TEST(ConvertImportedText, ADialogAlreadyCancelledLeavesTheTextUnchanged) {
  FakeProgressDlg dlg;
  dlg.cancelled = TRUE;
  CString text = Text({kBet, kDagesh});
  ConvertImportedText(text, kVavThenHolam);
  EXPECT_EQ((Codes{kBet, kDagesh}), CodesOf(text));
  EXPECT_TRUE(dlg.begun.empty());
}

}  // namespace ansi_import_test
