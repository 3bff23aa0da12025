// Plain-text files opened as a document: the side the text goes to, the face
// of each run, the encodings a file may be in, and the text a .txt save of
// the opened (and natively saved and reopened) document gives back. The
// Windows-1255 fixtures were written by iconv from the text in the comment
// beside each, a letter's dot and dagesh before its vowel as the save writes
// them; the code pages' characters come from Python's codecs
// (hebtext/tests/core/data).
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "editor/core/CharAttr.h"
#include "editor/core/ZultaFile.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/tests/core/FakeProgressDlg.h"
#include "hebtext/tests/core/FixtureFile.h"

namespace text_import_test {

constexpr char kEnglishFace[] = "Arial";
constexpr char kHebrewFace[] = "Pomlar David 2";

// Opens the bytes as the editor opens a file, with its two sides' faces.
void Open(const std::string& bytes, ZultaDocData& doc) {
  doc.styles.RemoveAll();
  doc.styles.AddDefaultEntries();
  doc.sides[0].face = kEnglishFace;
  doc.sides[1].face = kHebrewFace;
  CZultaFile file;
  ASSERT_TRUE(file.ReadDocument(reinterpret_cast<const BYTE*>(bytes.data()), bytes.size(), doc))
      << file.GetError();
}

int TextSide(const ZultaDocData& doc) { return doc.sides[1].letters.empty() ? 0 : 1; }

// The document saved in the native form, opened again and saved as text.
std::string ThroughNativeToText(const ZultaDocData& doc) {
  CZultaFile writer;
  ByteBuffer native;
  EXPECT_TRUE(writer.WriteDocument(doc, "doc.zlt", native)) << writer.GetError();
  ZultaDocData reopened;
  Open(std::string(native.begin(), native.end()), reopened);
  reopened.currentSide = TextSide(reopened);
  ByteBuffer text;
  EXPECT_TRUE(writer.WriteDocument(reopened, "doc.txt", text)) << writer.GetError();
  return std::string(text.begin(), text.end());
}

std::string OpenedThroughNativeToText(const std::string& bytes) {
  ZultaDocData doc;
  Open(bytes, doc);
  return ThroughNativeToText(doc);
}

// The faces of a side's characters, one letter a character: H for one of the
// program's Hebrew faces, E for the English side's face, ? for another.
std::string Faces(const ZultaDocData& doc, int side) {
  std::string faces;
  for (const DWORD attr : doc.sides[side].attrs) {
    const CString face = doc.FaceOf(side, attr);
    faces += doc.IsHebrewFontAttr(side, attr) ? 'H' : face == kEnglishFace ? 'E' : '?';
  }
  return faces;
}

// "The word שָׁלוֹם means peace."
const char kHebrewWordInEnglish[] = "The word \xF9\xD1\xC8\xEC\xE5\xC9\xED means peace.";

TEST(TextImport, HebrewInEnglishTextKeepsItsPointsInTheHebrewFace) {
  ZultaDocData doc;
  Open(kHebrewWordInEnglish, doc);
  ASSERT_EQ(0, TextSide(doc));
  const ZultaSideData& en = doc.sides[0];
  ASSERT_EQ("The word \xD1\xEC\xED means peace.", en.letters);  // shin with its dot
  EXPECT_EQ("EEEEEEEEEHHHEEEEEEEEEEEEE", Faces(doc, 0));
  EXPECT_EQ((std::vector<BYTE>{HebCode::Qamats, HebCode::HolamMale, 0}),
            std::vector<BYTE>(en.points.begin() + 9, en.points.begin() + 12));
}

TEST(TextImport, EachScriptComesBackFromANativeSaveAsText) {
  const struct {
    const char* name;
    std::string text;
    int side;
    const char* faces;
  } cases[] = {
      {"Hebrew word in English text", kHebrewWordInEnglish, 0, "EEEEEEEEEHHHEEEEEEEEEEEEE"},
      // "שָׁלוֹם hello עוֹלָם": the blanks around the English word go with
      // the Hebrew side.
      {"English word in Hebrew text",
       "\xF9\xD1\xC8\xEC\xE5\xC9\xED hello \xF2\xE5\xC9\xEC\xC8\xED", 1, "HHHHEEEEEHHHH"},
      // "שָׁלוֹם and עוֹלָם" on two lines.
      {"lines", "\xF9\xD1\xC8\xEC\xE5\xC9\xED\r\nand \xF2\xE5\xC9\xEC\xC8\xED", 1,
       "HHHHEEEHHHH"},
  };
  for (const auto& c : cases) {
    ZultaDocData doc;
    Open(c.text, doc);
    ASSERT_EQ(c.side, TextSide(doc)) << c.name;
    EXPECT_EQ(c.faces, Faces(doc, c.side)) << c.name;
    EXPECT_EQ(c.text, ThroughNativeToText(doc)) << c.name;
  }
}

// The program's code writes its geresh and gershayim as the apostrophe and
// the double quote, and its sof pasuq as the colon.
TEST(TextImport, PunctuationInHebrewStaysPunctuation) {
  const struct {
    const char* name;
    std::string text;
    std::string saved;
  } cases[] = {
      // "ד״ר כהן, פרק א׳ – ₪ 5 “כֵּן”": the kaf's dagesh is written before its
      // tsere (canonically the same).
      {"quotes, dash and shekel",
       "\xE3\xD8\xF8 \xEB\xE4\xEF, \xF4\xF8\xF7 \xE0\xD7 \x96 \xA4 5 \x93\xEB\xC5\xCC\xEF\x94",
       "\xE3\"\xF8 \xEB\xE4\xEF, \xF4\xF8\xF7 \xE0' \x96 \xA4 5 \x93\xEB\xCC\xC5\xEF\x94"},
      // "בֵּית־סֵפֶר׃"
      {"maqaf and sof pasuq", "\xE1\xCC\xC5\xE9\xFA\xCE\xF1\xC5\xF4\xC6\xF8\xD3",
       "\xE1\xCC\xC5\xE9\xFA\xCE\xF1\xC5\xF4\xC6\xF8:"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.saved, OpenedThroughNativeToText(c.text)) << c.name;
}

// Every character of code page 1255 that is not Hebrew, between two Hebrew
// letters, is held in the English face as the code page 1252 byte of the
// same character (the shekel sign, which 1252 lacks, as its currency sign),
// and a .txt save gives the byte back.
TEST(TextImport, EveryOtherCharacterOfTheCodePageIsHeldInTheEnglishFace) {
  const std::map<int, UINT> cp1255 = fixture::CodePageUnits("cp1255.txt");
  const std::map<int, UINT> cp1252 = fixture::CodePageUnits("cp1252.txt");
  ASSERT_FALSE(cp1252.empty()) << "data/cp1252.txt is missing";
  const UINT kShekel = 0x20AA, kCurrencySign = 0xA4;
  const UINT kLeftToRightMark = 0x200E, kRightToLeftMark = 0x200F;
  int checked = 0;
  for (const auto& [byte, unit] : cp1255) {
    if (byte < 0x80 || (unit >= 0x0590 && unit <= 0x05FF)) continue;
    ++checked;
    const std::string text = std::string("\xE0") + static_cast<char>(byte) + "\xE1";
    ZultaDocData doc;
    Open(text, doc);
    const ZultaSideData& he = doc.sides[1];
    if (unit == kLeftToRightMark || unit == kRightToLeftMark) {
      // A side sets its own direction.
      EXPECT_EQ("\xE0\xE1", he.letters) << byte;
      continue;
    }
    ASSERT_EQ(3u, he.letters.size()) << byte;
    EXPECT_EQ("HEH", Faces(doc, 1)) << byte;
    const BYTE held = static_cast<BYTE>(he.letters[1]);
    EXPECT_EQ(unit == kShekel ? kCurrencySign : unit, cp1252.at(held)) << byte;
    EXPECT_EQ(text, ThroughNativeToText(doc)) << byte;
  }
  EXPECT_GT(checked, 50);
}

TEST(TextImport, AVavWithHolamAfterAPointedLetterIsAConsonant) {
  // "מִצְוֹת עָוֹן"
  const std::string text = "\xEE\xC4\xF6\xC0\xE5\xC9\xFA \xF2\xC8\xE5\xC9\xEF";
  ZultaDocData doc;
  Open(text, doc);
  const ZultaSideData& he = doc.sides[1];
  ASSERT_EQ("\xEE\xF6\xE5\xFA \xF2\xE5\xEF", he.letters);
  using namespace HebCode;
  EXPECT_EQ((std::vector<BYTE>{Hiriq, Shva, Holam, 0, 0, Qamats, Holam, 0}), he.points);
  EXPECT_EQ(text, ThroughNativeToText(doc));
  // After a letter without a vowel the vav's holam is written as the holam
  // for vav, which reads back as a consonant vav, not as a holam male.
  const std::string unpointed = "\xEC\xE5\xCA\xE3";
  EXPECT_EQ(unpointed, OpenedThroughNativeToText(unpointed));
}

std::string Utf16(const std::u16string& text, bool bigEndian) {
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (const char16_t unit : text) {
    const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return bytes;
}

void ExpectSameDocument(const ZultaDocData& expected, const ZultaDocData& doc, const char* name) {
  for (int side = 0; side < kFileSideCount; ++side) {
    EXPECT_EQ(expected.sides[side].letters, doc.sides[side].letters) << name;
    EXPECT_EQ(expected.sides[side].points, doc.sides[side].points) << name;
    EXPECT_EQ(Faces(expected, side), Faces(doc, side)) << name;
  }
}

TEST(TextImport, UnicodeFilesOpenAsTheirWindows1255Form) {
  ZultaDocData expected;
  Open(kHebrewWordInEnglish, expected);
  const std::u16string utf16 = u"The word שָׁלוֹם means peace.";
  const std::string utf8 = std::string("The word שָׁלוֹם means peace.");
  const struct {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"UTF-8", utf8},
      {"UTF-8 with its byte order mark", "\xEF\xBB\xBF" + utf8},
      {"UTF-16 little-endian", Utf16(utf16, false)},
      {"UTF-16 big-endian", Utf16(utf16, true)},
  };
  for (const auto& c : cases) {
    ZultaDocData doc;
    Open(c.bytes, doc);
    ExpectSameDocument(expected, doc, c.name);
  }
}

TEST(TextImport, UnicodeCharactersTheCodePagesLackAreReadByTheirParts) {
  const struct {
    const char* name;
    std::string utf8;
    std::string windows1255;
  } cases[] = {
      // Presentation forms: shin with dagesh and shin dot; bet with dagesh.
      {"presentation forms", std::string("\uFB2C\u05B8\uFB31\u05B7"),
       "\xF9\xCC\xD1\xC8\xE1\xCC\xC7"},
      // Qamats qatan is held as the qamats; holam haser for vav marks a
      // consonant vav even after a letter without vowel.
      {"qamats qatan", std::string("\u05D7\u05C7\u05E4\u05B0\u05E8\u05B8\u05D4"),
       "\xE7\xC8\xF4\xC0\xF8\xC8\xE4"},
      {"holam haser for vav", std::string("\u05E2\u05D5\u05BA\u05DF"), "\xF2\xE5\xCA\xEF"},
  };
  for (const auto& c : cases) {
    ZultaDocData expected, doc;
    Open(c.windows1255, expected);
    Open(c.utf8, doc);
    ExpectSameDocument(expected, doc, c.name);
    EXPECT_FALSE(doc.sides[1].letters.empty()) << c.name;
  }
  ZultaDocData doc;
  Open(std::string("\u05E2\u05D5\u05BA\u05DF"), doc);
  EXPECT_EQ((std::vector<BYTE>{0, HebCode::Holam, 0}), doc.sides[1].points);
}

TEST(TextImport, LatinLettersOfAUtf8FileAreHeldAsWindows1252Bytes) {
  ZultaDocData doc;
  Open(std::string("café €5 — “ok”"), doc);
  ASSERT_EQ(0, TextSide(doc));
  EXPECT_EQ("caf\xE9 \x80" "5 \x97 \x93ok\x94", doc.sides[0].letters);
  EXPECT_EQ(std::string(doc.sides[0].letters.size(), 'E'), Faces(doc, 0));
}

TEST(TextImport, ANulCharacterCutsNothing) {
  const struct {
    const char* name;
    std::string bytes;
    std::string letters;
  } cases[] = {
      {"Windows-1255", std::string("ab\0cd \xF9\xE5\xE1", 9), "abcd \xF9\xE5\xE1"},
      {"UTF-16", Utf16(std::u16string(u"ab\0cd", 5), false), "abcd"},
  };
  for (const auto& c : cases) {
    ZultaDocData doc;
    Open(c.bytes, doc);
    EXPECT_EQ(c.letters, doc.sides[TextSide(doc)].letters) << c.name;
  }
}

TEST(TextImport, ACancelInTheProgressDialogLoadsNothing) {
  for (const int cancelAtStep : {0, -1}) {
    FakeProgressDlg dlg;
    dlg.cancelAtStep = cancelAtStep;
    dlg.cancelled = cancelAtStep < 0;  // before the import began
    ZultaDocData doc;
    Open(kHebrewWordInEnglish, doc);
    EXPECT_TRUE(doc.sides[0].letters.empty() && doc.sides[1].letters.empty()) << cancelAtStep;
  }
}

}  // namespace text_import_test
