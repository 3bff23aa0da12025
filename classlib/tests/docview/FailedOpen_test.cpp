// A file that cannot be read leaves nothing behind: no frame, no document,
// and the user is told why.
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

}  // namespace
