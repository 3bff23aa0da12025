// A modified document asks Yes/No/Cancel before its last window closes and
// before the program ends; each answer does what it says.
#include <string>

#include "classlib/tests/docview/DocViewTestSupport.h"

namespace {

using ::testing::ElementsAre;

struct SaveAnswerCase {
  int nAnswer;
  bool bStaysOpen;
  const char* fileAfter;
};

// clang-format off
const SaveAnswerCase kSaveAnswers[] = {
  {IDYES,    false, "new text"},
  {IDNO,     false, "old text"},
  {IDCANCEL, true,  "old text"},
};
// clang-format on

class SaveOnCloseTest : public DocViewTest {
 protected:
  // Starts with a.note open from the command line and changed.
  CNoteDoc* StartWithChangedNote() {
    m_path = m_dir.Write("a.note", "old text");
    Start("\"" + m_path + "\"");
    auto* pDoc = static_cast<CNoteDoc*>(ActiveChild()->GetActiveDocument());
    pDoc->SetText("new text");
    return pDoc;
  }

  // The one prompt asked: it names the document and offers the three answers.
  static void ExpectOnePrompt(const MessageBoxAnswerer& answerer) {
    ASSERT_FALSE(answerer.Boxes().empty());
    EXPECT_NE(answerer.Boxes().front().texts.find("a.note"), std::string::npos);
    EXPECT_NE(answerer.Boxes().front().texts.find("&Yes|&No|Cancel|"), std::string::npos)
        << answerer.Boxes().front().texts;
  }

  std::string m_path;
};

TEST_F(SaveOnCloseTest, ClosingTheLastWindowAsksFirst) {
  for (const SaveAnswerCase& c : kSaveAnswers) {
    SCOPED_TRACE(c.nAnswer);
    CNoteDoc* pDoc = StartWithChangedNote();
    {
      MessageBoxAnswerer answerer(c.nAnswer);
      ActiveChild()->SendMessage(WM_CLOSE);
      RunIdle();
      ExpectOnePrompt(answerer);
    }
    EXPECT_EQ(ActiveChild() != nullptr, c.bStaysOpen);
    if (c.bStaysOpen) EXPECT_TRUE(pDoc->IsModified());
    EXPECT_EQ(m_dir.Read("a.note"), c.fileAfter);
    Stop();
  }
}

TEST_F(SaveOnCloseTest, ExitAsksFirst) {
  for (const SaveAnswerCase& c : kSaveAnswers) {
    SCOPED_TRACE(c.nAnswer);
    StartWithChangedNote();
    {
      MessageBoxAnswerer answerer(c.nAnswer);
      SendCommand(ID_APP_EXIT);
      ExpectOnePrompt(answerer);
    }
    // The program ends unless the answer was Cancel.
    EXPECT_EQ(m_app->m_pMainWnd != nullptr, c.bStaysOpen);
    EXPECT_EQ(m_dir.Read("a.note"), c.fileAfter);
    Stop();
  }
}

TEST_F(SaveOnCloseTest, AnUnchangedDocumentClosesUnasked) {
  m_path = m_dir.Write("a.note", "old text");
  Start("\"" + m_path + "\"");
  MessageBoxAnswerer answerer(IDCANCEL);
  ActiveChild()->SendMessage(WM_CLOSE);
  RunIdle();
  EXPECT_TRUE(answerer.Boxes().empty());
  EXPECT_EQ(ActiveChild(), nullptr);
}

}  // namespace
