// The view's Find, Replace and Find Next: the one Find or Replace dialog of
// the program, the search every view shares, and the report of a search
// that found nothing.
#include "classlib/win/CCmdUI.h"
#include "classlib/win/CWaitCursor.h"
#include "classlib/win/CWinApp.h"
#include "editor/core/DocFind.h"
#include "editor/core/FindHistory.h"
#include "editor/win/CHebFindReplaceDlg.h"
#include "editor/win/ZultaEditDoc.h"
#include "editor/win/ZultaEditView.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/win/AppProfileStore.h"
#include "hebtext/win/UserMessageBoxes.h"
#include "speech/win/CWordPopupDlg.h"

namespace {

constexpr int kHebrewSide = 1;
constexpr UINT kNotFoundMs = 1000;
const char kNotFound[] = "  not Found!";
const char kNothingToSearchFor[] = "Nothing to Search for!";

// The search of every editor view, and the open dialog (null when none).
CurrentSearch g_search;
CHebFindReplaceDlg* g_pFindDialog = nullptr;

struct CharRange {
  DocCharNode* first;
  DocCharNode* last;
};

CharRange SelectionOrCaret(DocEditor& editor) {
  CharRange range;
  if (!editor.GetSelectionRange(range.first, range.last)) {
    range.first = range.last = editor.Model().Side(editor.Model().GetCurrentSide()).caret;
  }
  return range;
}

// Repaints what was selected and what is now, with the caret and the new
// selection in view.
void ShowSelectionChange(CZultaEditView* pView, const CharRange& before) {
  CZultaEditDoc* pDoc = pView->GetDocument();
  pDoc->HideEditCaret(pView);
  pDoc->RedrawLines(pView, before.first, before.last);
  CharRange now = SelectionOrCaret(pDoc->Editor());
  pDoc->RedrawLines(pView, now.first, now.last);
  pDoc->EnsureRangeVisible(pView, now.first, now.last);
  pDoc->ShowEditCaret(pView);
}

void ReportNotFound(CZultaEditView* pView, const SearchText& find) {
  ::MessageBeep(MB_OK);
  if (find.IsEmpty()) {
    CWordPopupDlg(kNotFoundMs, kNothingToSearchFor, pView).DoModal();
    return;
  }
  // The vowel string holds a code for every letter: 0 would end it.
  CString vowels;
  for (int i = 0; i < find.letters.GetLength(); i++) {
    const BYTE point = i < static_cast<int>(find.points.size()) ? find.points[i] : 0;
    vowels += static_cast<char>(IsNoVowel(point) ? HebCode::ExplicitNoVowel : point);
  }
  const BOOL hebrew = pView->GetDocument()->GetActiveSide() == kHebrewSide;
  CWordPopupDlg popup(kNotFoundMs, find.letters, vowels, CByteArray(), hebrew, pView);
  popup.SetMessage(kNotFound);
  popup.DoModal();
}

BOOL Search(CZultaEditView* pView, const FindOptions& options) {
  DocEditor& editor = pView->GetDocument()->Editor();
  CWaitCursor wait;
  const CharRange before = SelectionOrCaret(editor);
  if (!FindInSide(editor, g_search.find, options)) return FALSE;
  ShowSelectionChange(pView, before);
  return TRUE;
}

void SearchOrReport(CZultaEditView* pView, const FindOptions& options) {
  if (!Search(pView, options)) ReportNotFound(pView, g_search.find);
}

// Shows the edit a replacement made and what its search selected.
void ShowReplacement(CZultaEditView* pView, const UserMessageList& messages) {
  CZultaEditDoc* pDoc = pView->GetDocument();
  pDoc->RedrawChanged(pView);
  const CharRange now = SelectionOrCaret(pDoc->Editor());
  pDoc->RedrawLines(pView, now.first, now.last);
  pDoc->EnsureRangeVisible(pView, now.first, now.last);
  ShowUserMessages(pView, messages);
}

// The text the dialog opens with: the selection up to its first line end,
// else the word at the caret, else the last text searched for.
SearchText InitialFindText(DocEditor& editor) {
  const int side = editor.Model().GetCurrentSide();
  CString letters;
  CByteArray points;
  CDWordArray attributes, formats;
  if (!editor.GetSelectionText(side, letters, points, attributes, formats) || letters.IsEmpty()) {
    DocCharNode *first, *last;
    letters.Empty();
    points.RemoveAll();
    editor.GetWordAtCaret(side, letters, points, attributes, first, last);
  }
  if (letters.IsEmpty()) return g_search.find;
  const int lineEnd = letters.Find(static_cast<char>(HebCode::CarriageReturn));
  const int length = lineEnd < 0 ? letters.GetLength() : lineEnd;
  SearchText text;
  text.letters = letters.Left(length);
  for (int i = 0; i < length; i++)
    text.points.push_back(i < points.GetSize() && !IsNoVowel(points[i]) ? points[i] : 0);
  return text;
}

DWORD DialogFlags() {
  const FindOptions& options = g_search.options;
  DWORD flags = 0;
  if (options.down) flags |= FR_DOWN;
  if (options.wholeWord) flags |= FR_WHOLEWORD;
  if (options.matchCase) flags |= FR_MATCHCASE;
  if (options.matchVowels) flags |= CHebFindReplaceDlg::kMatchVowels;
  if (options.matchDagesh) flags |= CHebFindReplaceDlg::kMatchDagesh;
  return flags;
}

// The dialog's texts and options become the current search; its texts go
// into their histories.
void TakeDialogSearch(const CHebFindReplaceDlg& dialog, BOOL withReplace) {
  g_search.find = dialog.GetFindText();
  CAppProfileStore profile(AfxGetApp());
  AddToFindHistory(profile, FindHistoryKind::kFind, dialog.IsHebrew(), g_search.find.Merged());
  if (withReplace) {
    g_search.replace = dialog.GetReplaceText();
    AddToFindHistory(profile, FindHistoryKind::kReplace, dialog.IsHebrew(),
                     g_search.replace.Merged());
  }
  FindOptions& options = g_search.options;
  options.down = dialog.SearchDown();
  options.wholeWord = dialog.MatchWholeWord();
  options.matchCase = dialog.MatchCase();
  options.matchVowels = dialog.MatchVowels();
  options.matchDagesh = dialog.MatchDagesh();
}

}  // namespace

void CZultaEditView::OpenFindDialog(BOOL findOnly) {
  if (g_pFindDialog != nullptr) {
    if (g_pFindDialog->IsReplaceDialog() == !findOnly) {
      g_pFindDialog->SetNotifyWindow(this);
      g_pFindDialog->ShowWindow(SW_SHOW);
      g_pFindDialog->SetActiveWindow();
      return;
    }
    g_pFindDialog->DestroyWindow();
    g_pFindDialog = nullptr;
  }
  CZultaEditDoc* pDoc = GetDocument();
  auto* pDialog = new CHebFindReplaceDlg(!findOnly, pDoc->GetActiveSide() == kHebrewSide);
  pDialog->SetInitialTexts(InitialFindText(pDoc->Editor()), g_search.replace);
  // A dialog that failed to appear deletes itself with its window, if any.
  if (pDialog->CreateModeless(DialogFlags(), this))
    g_pFindDialog = pDialog;
  else if (pDialog->m_hWnd == nullptr)
    delete pDialog;
}

void CZultaEditView::OnEditFind() { OpenFindDialog(TRUE); }

void CZultaEditView::OnEditReplace() { OpenFindDialog(FALSE); }

void CZultaEditView::OnEditRepeat() {
  FindOptions options = g_search.options;
  options.down = ::GetKeyState(VK_SHIFT) >= 0;
  SearchOrReport(this, options);
}

void CZultaEditView::OnUpdateEditRepeat(CCmdUI* pCmdUI) {
  const DocTextModel& model = GetDocument()->Editor().Model();
  const BOOL sideHasText = model.Side(model.GetCurrentSide()).head.next != nullptr;
  pCmdUI->Enable(sideHasText && !g_search.find.IsEmpty());
}

LRESULT CZultaEditView::OnFindReplace(WPARAM, LPARAM lParam) {
  auto* pDialog = static_cast<CHebFindReplaceDlg*>(CFindReplaceDialog::GetNotifier(lParam));
  if (pDialog->IsTerminating()) {
    if (pDialog == g_pFindDialog) g_pFindDialog = nullptr;
    return 0;
  }
  if (pDialog->FindNext()) {
    TakeDialogSearch(*pDialog, FALSE);
    SearchOrReport(this, g_search.options);
    return 0;
  }
  TakeDialogSearch(*pDialog, TRUE);
  UserMessageList messages;
  DocEditor& editor = GetDocument()->Editor();
  const CharRange before = SelectionOrCaret(editor);
  if (pDialog->ReplaceCurrent()) {
    const ReplaceOutcome outcome = ReplaceStep(editor, g_search, messages);
    if (outcome == ReplaceOutcome::kNotFound)
      ReportNotFound(this, g_search.find);
    else if (outcome == ReplaceOutcome::kFound)
      ShowSelectionChange(this, before);
    else
      ShowReplacement(this, messages);
  } else if (pDialog->ReplaceAll()) {
    const ReplaceAllResult result = ReplaceAll(editor, g_search, messages);
    if (result.replaced > 0)
      ShowReplacement(this, messages);
    else if (result.notFound)
      ReportNotFound(this, g_search.find);
  }
  return 0;
}
