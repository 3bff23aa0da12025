// The view's Hebrew Word Search: the word at the caret goes into the lookup
// bar's Hebrew edit, with its points or unpointed in plene spelling, and the
// bar searches it; opening a result brings the word back into view.
#include "classlib/win/CCmdUI.h"
#include "classlib/win/CWinApp.h"
#include "editor/core/WordSearchText.h"
#include "editor/win/EditorMessages.h"
#include "editor/win/ZultaEditDoc.h"
#include "editor/win/ZultaEditView.h"
#include "hebtext/win/CHebEdit.h"
#include "hebtext/win/CLookupBar.h"
#include "resources/EditorIds.h"
#include "resources/MainFrameIds.h"

namespace {

constexpr int kHebrewSide = 1;

struct CaretWord {
  CString letters;
  CByteArray points;
  CDWordArray attributes;
  DocCharNode* first = nullptr;
  DocCharNode* last = nullptr;
};

// The word at the caret of the Hebrew side; FALSE when the caret is on none
// or, for a search without vowels, when the word has no point to remove.
BOOL GetCaretWord(DocEditor& editor, BOOL noVowels, CaretWord& word) {
  return editor.GetWordAtCaret(kHebrewSide, word.letters, word.points, word.attributes,
                               word.first, word.last) &&
         (!noVowels || HasVowelPoint(word.points));
}

}  // namespace

void CZultaEditView::OnHebrewWordSearch() { SearchWordAtCaret(FALSE); }

void CZultaEditView::OnHebrewWordSearchNoVowels() { SearchWordAtCaret(TRUE); }

void CZultaEditView::SearchWordAtCaret(BOOL noVowels) {
  if (!IsLaidOut()) return;
  CZultaEditDoc* pDoc = GetDocument();
  CaretWord word;
  if (!GetCaretWord(pDoc->Editor(), noVowels, word)) return;

  pDoc->HideEditCaret(this);
  pDoc->Editor().SetSelection(word.first->prev, word.last);
  pDoc->RedrawLines(this, word.first, word.last);
  pDoc->EnsureRangeVisible(this, word.first, word.last);
  pDoc->ShowEditCaret(this);

  if (CWnd* pMain = AfxGetMainWnd()) pMain->SendMessage(WM_COMMAND, ID_LOOKUP_HEBREW_SEARCH);
  CLookupBar* pBar = CLookupBar::GetMainBar();
  CHebEdit* pEdit = pBar != nullptr ? pBar->GetLookupEdit() : nullptr;
  if (pEdit != nullptr && pEdit->m_hWnd != nullptr) {
    pEdit->SetText(WordSearchText(word.letters, word.points, noVowels));
    CLookupBar::SetReturnMessage(m_hWnd, WM_LOOKUP_RETURN);
    pEdit->SendMessage(WM_KEYDOWN, VK_RETURN);
  }
  SetFocus();
}

void CZultaEditView::OnUpdateHebrewWordSearch(CCmdUI* pCmdUI) {
  CaretWord word;
  pCmdUI->Enable(IsLaidOut() && GetDocument()->GetActiveSide() == kHebrewSide &&
                 GetCaretWord(GetDocument()->Editor(), pCmdUI->m_nID == ID_HEBREW_WORD_SEARCH_NO_VOWELS,
                              word));
}
