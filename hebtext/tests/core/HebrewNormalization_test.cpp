// Pointed Hebrew from other programs comes in any mark order, most often in
// Unicode's canonical order (NFC and NFD are the same for Hebrew points).
// Checked against data no one here wrote: Python's NFD of every cluster of
// data/hebrew-clusters.txt, and Unicode's own NormalizationTest.txt lines
// with Hebrew points (data/NormalizationTest-hebrew.txt): the import must
// fold every order of the same marks into the same HebChar text, and the
// export must give text canonically equivalent to what came in.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

#include "hebtext/core/AnsiExport.h"
#include "hebtext/core/AnsiImport.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/UnicodeHebrew.h"
#include "hebtext/tests/core/ByteStrings.h"
#include "hebtext/tests/core/FixtureFile.h"

namespace {

using bytes::Codes;
using bytes::CodesOf;

// The import of the Unicode paste: UTF-16 to Windows-1255, marks put in
// order, folded into HebChar codes.
Codes Fold(const WideString& text) {
  CString ansi;
  UnicodeToAnsiHebrew(ansi, text.c_str());
  NormalizeMarkOrder(ansi);
  ConvertImportedText(ansi, kVavThenHolam);
  return CodesOf(ansi);
}

WideString Export(const Codes& hebChars) {
  CString text = bytes::Text(hebChars);
  ConvertToStandardPoints(text, kVavThenHolam);
  return AnsiHebrewToUnicode(text);
}

std::string Hex(const WideString& text) {
  std::ostringstream out;
  for (WCHAR unit : text) out << std::hex << static_cast<int>(unit) << ' ';
  return out.str();
}

class HebrewClusters : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const std::string& line : fixture::DataLines("hebrew-clusters.txt")) {
      const auto fields = fixture::Split(line, line.rfind("ccc ", 0) == 0 ? ' ' : ';');
      if (line.rfind("ccc ", 0) == 0) {
        ccc_[std::stoi(fields.at(1), nullptr, 16)] = std::stoi(fields.at(2));
      } else {
        clusters_.push_back({fixture::HexUnits(fields.at(0)), fixture::HexUnits(fields.at(1))});
      }
    }
    ASSERT_GT(clusters_.size(), 4000u) << "data/hebrew-clusters.txt is missing or short";
  }

  // Canonical ordering: within each run of combining marks, stable by class.
  // Enough for NFD here, as the export writes no precomposed characters.
  WideString CanonicalOrder(WideString text) const {
    const auto cccOf = [&](WCHAR u) { return ccc_.count(u) ? ccc_.at(u) : 0; };
    for (auto start = text.begin(); start != text.end();) {
      auto end = std::find_if(start, text.end(), [&](WCHAR u) { return cccOf(u) == 0; });
      std::stable_sort(start, end, [&](WCHAR a, WCHAR b) { return cccOf(a) < cccOf(b); });
      start = end == text.end() ? end : end + 1;
    }
    return text;
  }

  struct Cluster {
    WideString text;
    WideString nfd;
  };
  std::map<WCHAR, int> ccc_;
  std::vector<Cluster> clusters_;
};

TEST_F(HebrewClusters, EveryMarkOrderFoldsLikeItsCanonicalForm) {
  std::string mismatches;
  for (const Cluster& c : clusters_) {
    if (Fold(c.text) != Fold(c.nfd)) mismatches += "\n  " + Hex(c.text);
  }
  EXPECT_EQ("", mismatches.substr(0, 2000));
}

// A stressed vav vowel (holam male or shuruk with meteg) is written with the
// meteg before the vav, on the letter whose vowel it is; the marks are all
// there, only the meteg sits one letter earlier.
bool HasStressedVavVowel(const Codes& hebChars) {
  return std::count(hebChars.begin(), hebChars.end(), HebCode::StressedHolamMale) ||
         std::count(hebChars.begin(), hebChars.end(), HebCode::StressedShuruk);
}

TEST_F(HebrewClusters, ExportIsCanonicallyEquivalentToTheInput) {
  std::string mismatches;
  int checked = 0;
  for (const Cluster& c : clusters_) {
    const Codes folded = Fold(c.text);
    if (HasStressedVavVowel(folded)) continue;
    ++checked;
    const WideString exported = Export(folded);
    if (CanonicalOrder(exported) != c.nfd) {
      mismatches += "\n  " + Hex(c.text) + "-> " + Hex(exported);
    }
  }
  EXPECT_EQ("", mismatches.substr(0, 2000));
  EXPECT_GT(checked, 4000);
}

struct NormalizationLine {
  std::vector<WideString> columns;  // c1..c5
};

std::vector<NormalizationLine> NormalizationTestLines() {
  std::vector<NormalizationLine> lines;
  for (const std::string& line : fixture::DataLines("NormalizationTest-hebrew.txt")) {
    const auto fields = fixture::Split(line, ';');
    NormalizationLine parsed;
    for (size_t i = 0; i < 5; ++i) parsed.columns.push_back(fixture::HexUnits(fields.at(i)));
    lines.push_back(parsed);
  }
  return lines;
}

// Every presentation form reads as its compatibility decomposition (NFKD,
// which for all but the wide letters, the alternative plus sign and the
// alef-lamed ligature is the canonical one), and gives some text unless it
// is a mark the program has no place for.
TEST(NormalizationTest, EveryPresentationFormFoldsLikeItsDecomposition) {
  const WCHAR kVarika = 0xFB1E;
  int forms = 0;
  for (const NormalizationLine& line : NormalizationTestLines()) {
    const WideString& source = line.columns[0];
    if (source.size() != 1 || source[0] < 0xFB1D || source[0] > 0xFB4F) continue;
    ++forms;
    EXPECT_EQ(Fold(line.columns[4]), Fold(source)) << std::hex << source[0];
    EXPECT_EQ(source[0] == kVarika, Fold(source).empty()) << std::hex << source[0];
  }
  EXPECT_GT(forms, 40) << "data/NormalizationTest-hebrew.txt is missing or short";
}

// Unicode's mark-reordering lines put marks between 'a' and 'b'. With 'a'
// made a shin (which takes every mark) and 'b' a bet, those that hold at
// most one vowel and one dot, as a real letter can, fold alike in source,
// NFD and NFKD order.
TEST(NormalizationTest, MarkOrdersOnOneLetterFoldAlike) {
  const auto isVowel = [](WCHAR u) { return (u >= 0x05B0 && u <= 0x05B9) || u == 0x05BB; };
  const auto isDot = [](WCHAR u) { return u == 0x05C1 || u == 0x05C2; };
  int used = 0;
  for (NormalizationLine line : NormalizationTestLines()) {
    WideString& source = line.columns[0];
    if (source.size() < 3 || source.front() != 'a' || source.back() != 'b') continue;
    if (std::count_if(source.begin(), source.end(), isVowel) > 1 ||
        std::count_if(source.begin(), source.end(), isDot) > 1) {
      continue;
    }
    ++used;
    for (WideString& column : line.columns) {
      std::replace(column.begin(), column.end(), WCHAR('a'), WCHAR(0x05E9));
      std::replace(column.begin(), column.end(), WCHAR('b'), WCHAR(0x05D1));
    }
    EXPECT_EQ(Fold(line.columns[2]), Fold(source)) << Hex(source);
    EXPECT_EQ(Fold(line.columns[4]), Fold(source)) << Hex(source);
  }
  EXPECT_GT(used, 20);
}

}  // namespace
