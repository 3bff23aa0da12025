#include "tables/tests/win/GrammarViewFixture.h"

namespace tabletest {

CRecordingApp* GrammarViewTest::s_pApp = nullptr;
CMyNavButton* GrammarViewTest::s_pNear = nullptr;
CMyNavButton* GrammarViewTest::s_pFar = nullptr;
CTestGrammarFrame* GrammarViewTest::s_pFrame = nullptr;
CTestGrammarView* GrammarViewTest::s_pView = nullptr;
CHebEdit* GrammarViewTest::s_pEdit = nullptr;
CHebListBox* GrammarViewTest::s_pList = nullptr;

}  // namespace tabletest
