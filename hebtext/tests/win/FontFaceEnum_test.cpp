// The installed TrueType faces of the font choosers, with the program's
// Hebrew faces grouped.
#include "hebtext/win/FontFaceEnum.h"

#include <gtest/gtest.h>

#include "hebtext/core/HebrewFontFamily.h"
#include "hebtext/core/SortedStrings.h"
#include "hebtext/tests/win/HebrewTestFonts.h"

namespace {

class FontFaceEnumTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_EQ(kHebrewFontFaceCount, RegisterHebrewFonts()); }
  void SetUp() override { m_hDC = ::GetDC(nullptr); }
  void TearDown() override { ::ReleaseDC(nullptr, m_hDC); }
  HDC m_hDC = nullptr;
};

TEST_F(FontFaceEnumTest, HebrewFirstListsTheProgramsFacesBeforeTheOthers) {
  CStringArray faces;
  EnumerateFontFaces(m_hDC, faces, kFontListHebrewFirst);
  ASSERT_GT(faces.GetSize(), kHebrewFontFaceCount);
  for (int i = 0; i < kHebrewFontFaceCount; ++i)
    EXPECT_TRUE(IsProgramHebrewFont(faces[i])) << faces[i];
  EXPECT_STREQ(faces[0], "Pomlar Cursiva 2");
  EXPECT_STREQ(faces[1], "Pomlar David 2");
  for (int i = kHebrewFontFaceCount; i < faces.GetSize(); ++i)
    EXPECT_FALSE(IsProgramHebrewFont(faces[i])) << faces[i];
  for (int i = kHebrewFontFaceCount + 1; i < faces.GetSize(); ++i)
    EXPECT_LE(faces[i - 1].CompareNoCase(faces[i]), 0);
}

TEST_F(FontFaceEnumTest, TheCallbackTakesTrueTypeFacesOfItsMode) {
  CStringArray faces;
  FontFaceEnumContext hebrewOnly{kFontListHebrewFirst, &faces};
  ::EnumFontFamiliesA(m_hDC, nullptr, reinterpret_cast<FONTENUMPROCA>(AddFontFaceProc),
                      reinterpret_cast<LPARAM>(&hebrewOnly));
  EXPECT_EQ(faces.GetSize(), kHebrewFontFaceCount);
  faces.RemoveAll();
  FontFaceEnumContext othersOnly{kFontListOthersFirst, &faces};
  ::EnumFontFamiliesA(m_hDC, nullptr, reinterpret_cast<FONTENUMPROCA>(AddFontFaceProc),
                      reinterpret_cast<LPARAM>(&othersOnly));
  for (int i = 0; i < faces.GetSize(); ++i) EXPECT_FALSE(IsProgramHebrewFont(faces[i]));
  // Bitmap faces are left out.
  LOGFONTA logFont = {};
  strcpy(logFont.lfFaceName, "Raster Face");
  faces.RemoveAll();
  FontFaceEnumContext all{kFontListSorted, &faces};
  EXPECT_EQ(AddFontFaceProc(&logFont, nullptr, RASTER_FONTTYPE, reinterpret_cast<LPARAM>(&all)), 1);
  EXPECT_EQ(faces.GetSize(), 0);
}

}  // namespace
