// The view's speak commands: the word, the sentence or the selection of the
// Hebrew side is selected, transcribed into the engine's phonetic notation
// and spoken, and while the engine reports its word markers the word being
// spoken is highlighted; the end marker clears the highlight.
#include <vector>

#include "classlib/win/CCmdUI.h"
#include "classlib/win/CWinApp.h"
#include "editor/win/EditorFrame.h"
#include "editor/win/ZultaEditDoc.h"
#include "editor/win/ZultaEditView.h"
#include "resources/EditorIds.h"
#include "resources/MainFrameIds.h"
#include "speech/transcription/core/Transcription.h"
#include "speech/win/TranscribeWord.h"
#include "speech/win/CWordPopupDlg.h"
#include "speech/win/SpeechEngine.h"
#include "speech/win/TranslWin.h"

namespace {

constexpr int kHebrewSide = 1;
constexpr UINT kNoticeMs = 1000;
constexpr const char* kUnrecognizedWordNotice = "Unrecognized Word!  May Need Vowels.";
constexpr const char* kUnrecognizedAcronymNotice = "Unrecognized Acronym!";

bool IsWordSeparator(BYTE ch) {
  return ch == '\t' || ch == '\f' || ch == '\r' || ch == ' ' || ch == '-';
}

// The planes of a flat text, each zero-terminated.
struct PointedPlanes {
  std::vector<BYTE> letters, vowels;
};

PointedPlanes PlanesOf(const CString& letters, const CByteArray& points) {
  const int length = letters.GetLength();
  PointedPlanes planes{std::vector<BYTE>(length + 1, 0), std::vector<BYTE>(length + 1, 0)};
  for (int i = 0; i < length; ++i) {
    planes.letters[i] = static_cast<BYTE>(letters[i]);
    planes.vowels[i] = i < points.GetSize() ? points[i] : 0;
  }
  return planes;
}

}  // namespace

void CZultaEditView::OnSpeakWord() { SpeakAtCaret(kSpeechWord); }

void CZultaEditView::OnSpeakSentence() { SpeakAtCaret(kSpeechSentence); }

void CZultaEditView::OnSpeakSelection() { SpeakAtCaret(kSpeechSelection); }

void CZultaEditView::OnSpeakShow() {
  if (::GetKeyState(VK_CONTROL) < 0) {
    SpeakAtCaret(kSpeechWord);
  } else if (::GetKeyState(VK_SHIFT) < 0) {
    SpeakAtCaret(kSpeechSentence);
  } else {
    SpeakAtCaret(GetDocument()->Editor().HasSelection() ? kSpeechSelection : kSpeechWord);
  }
}

void CZultaEditView::OnUpdateSpeak(CCmdUI* pCmdUI) {
  BOOL enable = FALSE;
  if (IsLaidOut()) {
    DocEditor& editor = GetDocument()->Editor();
    const BOOL hebrew = GetDocument()->GetActiveSide() == kHebrewSide;
    switch (pCmdUI->m_nID) {
      case ID_SPEAK_SENTENCE: enable = hebrew; break;
      case ID_SPEAK_SELECTION: enable = editor.HasSelection(); break;
      default: enable = hebrew && editor.IsCaretInWord(kHebrewSide); break;
    }
  }
  pCmdUI->Enable(enable);
}

BOOL CZultaEditView::TakeSpeechRange(SpeechKind kind, SpeechRange& range) {
  DocEditor& editor = GetDocument()->Editor();
  if (kind == kSpeechSelection) {
    CDWordArray formats;
    return editor.GetSelectionText(kHebrewSide, range.letters, range.points, range.attributes,
                                   formats) &&
           editor.GetSelectionRange(range.first, range.last);
  }
  if (GetDocument()->Model().Side(kHebrewSide).caret == m_pLastSpokenEnd)
    editor.NextLetterWordStart();
  if (kind == kSpeechWord)
    return editor.GetWordAtCaret(kHebrewSide, range.letters, range.points, range.attributes,
                                 range.first, range.last);
  return editor.GetPhraseAtCaret(kHebrewSide, range.letters, range.points, range.attributes,
                                 range.first, range.last);
}

void CZultaEditView::HighlightSpeechRange(DocCharNode* first, DocCharNode* last) {
  CZultaEditDoc* pDoc = GetDocument();
  pDoc->HideEditCaret(this);
  ClearSpeechHighlight();
  while (first != last && IsWordSeparator(first->letter)) first = first->next;
  pDoc->Editor().SetSelection(first->prev, last);
  pDoc->RedrawLines(this, first, last);
  pDoc->EnsureRangeVisible(this, first, last);
  pDoc->ShowEditCaret(this);
  m_bSpeechHighlight = TRUE;
  m_pLastSpokenEnd = last;
}

void CZultaEditView::ClearSpeechHighlight() {
  if (!m_bSpeechHighlight) return;
  m_bSpeechHighlight = FALSE;
  DocEditor& editor = GetDocument()->Editor();
  DocCharNode* first = nullptr;
  DocCharNode* last = nullptr;
  const BOOL selected = editor.GetSelectionRange(first, last);
  editor.ClearSelection();
  if (selected) GetDocument()->RedrawLines(this, first, last);
}

void CZultaEditView::SpeakAtCaret(SpeechKind kind) {
  if (!IsLaidOut()) return;
  DestroyTranslWin();
  SpeechRange range;
  if (!TakeSpeechRange(kind, range) || range.letters.IsEmpty()) return;
  HighlightSpeechRange(range.first, range.last);
  // Sentence speech highlights its words from the sentence's start.
  m_pSpeechWordStart = kind == kSpeechSentence ? range.first->prev : nullptr;
  m_pSpeechSentenceEnd = kind == kSpeechSentence ? range.last : nullptr;
  IEditorFrame* pFrame = GetEditorFrame();
  CSpeechEngine* pEngine = pFrame != nullptr ? pFrame->GetSpeechEngine() : nullptr;
  if (pEngine == nullptr) return;
  CZultaEditDoc* pDoc = GetDocument();
  // The transliteration popup shows beside the range, in the view's pixels.
  CRect rect = pDoc->Pages().GetRangeRect(range.first, range.last);
  rect.OffsetRect(-GetScrollPosition());
  const PointedPlanes planes = PlanesOf(range.letters, range.points);
  CString phonetic, display;
  TranscribeWord(phonetic, display, nullptr, planes.letters.data(), planes.vowels.data(), m_hWnd,
                 nullptr, &rect, kModeFromDictionary, 0, 0, FALSE);
  static constexpr int kModeOfKind[] = {kSpeakWords, kSpeakSentence, kSpeakSelection};
  CWnd* pMain = AfxGetMainWnd();
  pEngine->Speak(pMain != nullptr ? pMain->m_hWnd : m_hWnd, m_hWnd, phonetic, kModeOfKind[kind]);
}

BOOL CZultaEditView::IsHebrewNode(const DocCharNode* node) {
  for (const DocCharNode* n = GetDocument()->Model().GetHead(kHebrewSide); n != nullptr;
       n = n->next)
    if (n == node) return TRUE;
  return FALSE;
}

LRESULT CZultaEditView::OnSpeechIndex(WPARAM, LPARAM lParam) {
  const DWORD marker = static_cast<DWORD>(lParam);
  if (!IsLaidOut()) return 1;
  CZultaEditDoc* pDoc = GetDocument();
  DocSideState& side = pDoc->Model().Side(kHebrewSide);
  if (marker & kMarkerEnd) {
    pDoc->HideEditCaret(this);
    ClearSpeechHighlight();
    // The next sentence command goes on after this sentence.
    if (m_pSpeechSentenceEnd != nullptr && IsHebrewNode(m_pSpeechSentenceEnd)) {
      side.caret = m_pSpeechSentenceEnd;
      m_pLastSpokenEnd = m_pSpeechSentenceEnd;
    }
    m_pSpeechWordStart = m_pSpeechSentenceEnd = nullptr;
    pDoc->ShowEditCaret(this);
    return 1;
  }
  if (marker & kMarkerWordBits) {
    if (m_pSpeechWordStart != nullptr) {
      // Text edited meanwhile may have taken the node away.
      if (IsHebrewNode(m_pSpeechWordStart)) {
        pDoc->Editor().ClearSelection();
        side.caret = m_pSpeechWordStart;
        m_pLastSpokenEnd = nullptr;
      }
      m_pSpeechWordStart = nullptr;
    }
    SpeechRange range;
    if (TakeSpeechRange(kSpeechWord, range)) HighlightSpeechRange(range.first, range.last);
  }
  ShowSpeechNotice(marker & kMarkerNoticeBits);
  return 1;
}

void CZultaEditView::ShowSpeechNotice(DWORD notice) {
  if (notice == 0) return;
  ::MessageBeep(MB_OK);
  LPCSTR text = notice == kMarkerUnrecognizedWord ? kUnrecognizedWordNotice
                : notice == kMarkerAcronym        ? kUnrecognizedAcronymNotice
                                                  : "";
  CWordPopupDlg(kNoticeMs, text, this).DoModal();
}

void CZultaEditView::StopSpeech() {
  IEditorFrame* pFrame = GetEditorFrame();
  CSpeechEngine* pEngine = pFrame != nullptr ? pFrame->GetSpeechEngine() : nullptr;
  if (pEngine == nullptr) return;
  pEngine->Stop();
  pEngine->CloseFace();
}
