// Files that fail: one that cannot be read leaves no frame or document
// behind; a save that fails keeps the document modified under its name.
// Either way the user is told why.
#include <filesystem>
#include <string>

#include "classlib/tests/docview/DocViewTestSupport.h"
#include "classlib/win/CDocTemplate.h"

namespace {

int DocumentCount(const CDocTemplate* pTemplate) {
  int nDocs = 0;
  for (POSITION pos = pTemplate->GetFirstDocPosition(); pos != nullptr; ++nDocs)
    pTemplate->GetNextDoc(pos);
  return nDocs;
}

TEST_F(DocViewTest, AFileThatCannotBeReadLeavesNoFrameOrDocument) {
  // A card's fields are counted strings: this one claims more than the file holds.
  std::string path = m_dir.Write("broken.card", "x");
  Start();
  NewNote();
  MessageBoxAnswerer answerer;
  EXPECT_EQ(m_app->OpenDocumentFile(path.c_str()), nullptr);
  RunIdle();
  ASSERT_FALSE(answerer.Boxes().empty());
  // The message names the file.
  EXPECT_NE(answerer.Boxes().front().texts.find("broken.card"), std::string::npos)
      << answerer.Boxes().front().texts;
  EXPECT_THAT(ChildTitles(), testing::ElementsAre("Note1"));
  EXPECT_EQ(DocumentCount(m_app->m_pCardTemplate), 0);
}

TEST_F(DocViewTest, ASaveThatFailsKeepsTheDocumentModified) {
  std::filesystem::create_directory(m_dir.Path("gone"));
  std::string path = m_dir.Write("gone/a.note", "old text");
  Start("\"" + path + "\"");
  auto* pDoc = static_cast<CNoteDoc*>(ActiveChild()->GetActiveDocument());
  CString strPath = pDoc->GetPathName();
  pDoc->SetText("new text");
  // The folder goes: nothing can be written there.
  std::filesystem::remove_all(m_dir.Path("gone"));
  MessageBoxAnswerer answerer;
  SendCommand(ID_FILE_SAVE);
  ASSERT_FALSE(answerer.Boxes().empty());
  // A message, not the Save As dialog: it names the file and has only OK.
  EXPECT_NE(answerer.Boxes().front().texts.find("a.note"), std::string::npos);
  EXPECT_NE(answerer.Boxes().front().texts.find("|OK|"), std::string::npos)
      << answerer.Boxes().front().texts;
  EXPECT_TRUE(pDoc->IsModified());
  EXPECT_EQ(pDoc->GetPathName(), strPath);
  EXPECT_EQ(pDoc->GetText(), "new text");
}

}  // namespace
