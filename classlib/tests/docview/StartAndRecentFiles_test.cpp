// The command line opens a file; the recent-file list is kept in the
// registry and read again by the next run of the program.
#include <string>

#include "classlib/tests/docview/DocViewTestSupport.h"
#include "classlib/win/CMenu.h"

namespace {

using ::testing::ElementsAre;

class StartTest : public DocViewTest {
 protected:
  // The File menu's text of command nID once the menu was opened.
  std::string FileMenuText(UINT nID) {
    HMENU hFileMenu = ::GetSubMenu(::GetMenu(MainFrame()->m_hWnd), 0);
    MainFrame()->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hFileMenu), 0);
    char text[MAX_PATH] = {};
    ::GetMenuStringA(hFileMenu, nID, text, sizeof text, MF_BYCOMMAND);
    return text;
  }
};

TEST_F(StartTest, ACommandLineWithAFileOpensIt) {
  std::string path = m_dir.Write("letter.note", "first line\nsecond line");
  Start("\"" + path + "\"");
  ASSERT_NE(ActiveChild(), nullptr);
  auto* pDoc = static_cast<CNoteDoc*>(ActiveChild()->GetActiveDocument());
  EXPECT_EQ(pDoc->GetTitle(), "letter.note");
  EXPECT_TRUE(pDoc->GetPathName().CompareNoCase(path.c_str()) == 0) << pDoc->GetPathName();
  EXPECT_EQ(pDoc->GetText(), "first line\nsecond line");
  EXPECT_FALSE(pDoc->IsModified());
  EXPECT_THAT(ChildTitles(), ElementsAre("letter.note"));
}

TEST_F(StartTest, TheRecentFileListSurvivesARestart) {
  std::string path = m_dir.Write("kept.note", "text");
  Start("\"" + path + "\"");
  Stop();

  // The next run: the file on the File menu.
  Start();
  EXPECT_TRUE(m_app->GetProfileString("Recent File List", "File1").CompareNoCase(path.c_str()) ==
              0);
  std::string entry = FileMenuText(ID_FILE_MRU_FILE1);
  EXPECT_EQ(entry.rfind("&1 ", 0), 0u) << entry;
  EXPECT_NE(entry.find("kept.note"), std::string::npos) << entry;

  SendCommand(ID_FILE_MRU_FILE1);
  EXPECT_EQ(ActiveChild()->GetActiveDocument()->GetTitle(), "kept.note");
}

TEST_F(StartTest, ARecentFileThatIsGoneIsReportedAndDropped) {
  std::string path = m_dir.Write("gone.note", "text");
  Start("\"" + path + "\"");
  Stop();
  ::DeleteFileA(path.c_str());

  Start();
  {
    MessageBoxAnswerer answerer;
    SendCommand(ID_FILE_MRU_FILE1);
    EXPECT_FALSE(answerer.Boxes().empty());
  }
  EXPECT_TRUE(ChildTitles().empty());
  EXPECT_EQ(FileMenuText(ID_FILE_MRU_FILE1).find("gone.note"), std::string::npos);
}

}  // namespace
