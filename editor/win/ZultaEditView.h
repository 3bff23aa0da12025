// The editor's view of a document: a scroll view over the document's pages.
// It owns almost no logic: painting, keys, typed characters, the mouse and
// commands go to its document.
#pragma once

#include "classlib/win/CMenu.h"
#include "classlib/win/CScrollView.h"
#include "editor/core/AutoScroll.h"
#include "editor/core/DocCaretNavigator.h"

class CMyPreviewView;
class CZultaEditDoc;

class CZultaEditView : public CScrollView {
  DECLARE_DYNCREATE(CZultaEditView)
 public:
  CZultaEditView();
  ~CZultaEditView() override;

  CZultaEditDoc* GetDocument() const;
  void OnDraw(CDC* pDC) override;
  void OnInitialUpdate() override;
  BOOL OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll = TRUE) override;
  BOOL OnScrollBy(CSize sizeScroll, BOOL bDoScroll = TRUE) override;

  // The client area in the view's logical coordinates.
  CRect GetLogicalClientRect();
  // The view that last gained the focus or finished its layout; null when
  // there is none.
  static CZultaEditView* GetActiveEditView() { return s_pActiveEditView; }

  // Input mode: the active side, 0 English or 1 Hebrew.
  void SetInputMode(int side);

  // Printing and print preview (ZultaEditViewPrint.cpp).
  BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
  void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;
  void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
  void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;
  // The preview of a document with mixed page settings, while it shows.
  void SetPreviewView(CMyPreviewView* pView) { m_pMyPreview = pView; }
  // A printer DC for page nPage's own settings in the print info; FALSE
  // when no side has that page or the DC could not be made.
  BOOL MakePagePrinterDC(CPrintInfo* pInfo, UINT nPage);

 protected:
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg void OnDestroy();
  afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
  afx_msg void OnInitMenu(CMenu* pMenu);
  afx_msg void OnFontChange();
  afx_msg LRESULT OnLookupReturn(WPARAM wParam, LPARAM lParam);
  // The Save dialog has ended: the view takes input again and the document
  // finishes or abandons the save.
  afx_msg LRESULT OnSaveDlgDone(WPARAM wParam, LPARAM lParam);

  afx_msg void OnInputEnglish();
  afx_msg void OnInputHebrew();
  afx_msg void OnToggleInputMode();
  afx_msg void OnUpdateInputEnglish(CCmdUI* pCmdUI);
  afx_msg void OnUpdateInputHebrew(CCmdUI* pCmdUI);
  afx_msg void OnUpdateToggleInputMode(CCmdUI* pCmdUI);
  afx_msg void OnInsertPageBreak();
  afx_msg void OnUpdateInsertPageBreak(CCmdUI* pCmdUI);
  afx_msg void OnUpdateSelectAll(CCmdUI* pCmdUI);
  afx_msg void OnRefreshText();
  afx_msg void OnEditUndo();
  afx_msg void OnEditRedo();
  afx_msg void OnUpdateEditUndo(CCmdUI* pCmdUI);
  afx_msg void OnUpdateEditRedo(CCmdUI* pCmdUI);
  afx_msg void OnUpdateSaveAsRule(CCmdUI* pCmdUI);
  // Clipboard commands (ZultaEditViewClipboard.cpp).
  afx_msg void OnEditCut();
  afx_msg void OnEditCopy();
  afx_msg void OnEditCopySpecial();
  afx_msg void OnEditPaste();
  afx_msg void OnEditPasteSpecial();
  afx_msg void OnEditReverseText();
  afx_msg void OnEditSelectAll();
  afx_msg void OnUpdateCutOrCopy(CCmdUI* pCmdUI);
  afx_msg void OnUpdatePaste(CCmdUI* pCmdUI);
  // Formatting (ZultaEditViewFormat.cpp).
  afx_msg void OnFormatStyle(UINT nID);
  afx_msg void OnUpdateFormatStyle(CCmdUI* pCmdUI);
  afx_msg void OnJustify(UINT nID);
  afx_msg void OnUpdateJustify(CCmdUI* pCmdUI);
  afx_msg void OnTypefaceBoxChosen();
  afx_msg void OnSizeBoxChosen();
  afx_msg void OnSizeTyped();
  afx_msg void OnColorBoxChosen();
  afx_msg void OnUpdateTypefaceBox(CCmdUI* pCmdUI);
  afx_msg void OnUpdateSizeBox(CCmdUI* pCmdUI);
  afx_msg void OnUpdateColorBox(CCmdUI* pCmdUI);
  // Page Setup (ZultaEditViewPageSetup.cpp).
  afx_msg void OnPageSetup();
  // Printing (ZultaEditViewPrint.cpp).
  afx_msg void OnEditorPrint();
  afx_msg void OnEditorPrintPreview();

  // ---- Find and Replace (ZultaEditViewFind.cpp).
  afx_msg void OnEditFind();
  afx_msg void OnEditReplace();
  afx_msg void OnEditRepeat();
  afx_msg void OnUpdateEditRepeat(CCmdUI* pCmdUI);
  afx_msg LRESULT OnFindReplace(WPARAM wParam, LPARAM lParam);
  // ---- End of Find and Replace.
  // Font dialogs (ZultaEditViewFont.cpp).
  afx_msg void OnFormatFont();
  afx_msg void OnFormatTypeface();
  afx_msg void OnFormatFontSize();
  afx_msg void OnFormatSwitchFont();
  afx_msg void OnUpdateFormatSwitchFont(CCmdUI* pCmdUI);
  // Colour, column and spacing dialogs (ZultaEditViewColorsAndSpacing.cpp).
  afx_msg void OnFormatColors();
  afx_msg void OnFormatColumns();
  afx_msg void OnFormatLineSpacing();
  afx_msg void OnFormatWordSpacing();
  afx_msg void OnUpdateFormatWordSpacing(CCmdUI* pCmdUI);
  // Hebrew Word Search, with or without the vowels
  // (ZultaEditViewWordSearch.cpp).
  afx_msg void OnHebrewWordSearch();
  afx_msg void OnHebrewWordSearchNoVowels();
  afx_msg void OnUpdateHebrewWordSearch(CCmdUI* pCmdUI);

  // Speak and transliterate (ZultaEditViewSpeech.cpp).
  afx_msg void OnSpeakWord();
  afx_msg void OnSpeakSentence();
  afx_msg void OnSpeakSelection();
  // The Editor toolbar's Speak/Show: with Ctrl the word, with Shift the
  // sentence, else the selection or the word.
  afx_msg void OnSpeakShow();
  afx_msg void OnUpdateSpeak(CCmdUI* pCmdUI);
  // The engine reached a marker: the next word of a sentence is
  // highlighted, the end clears the highlight.
  afx_msg LRESULT OnSpeechIndex(WPARAM wParam, LPARAM lParam);

  DECLARE_MESSAGE_MAP()

 private:
  // The navigator's scrolling, through the view's own scroll messages.
  class Scroller : public IDocViewScroll {
   public:
    explicit Scroller(CZultaEditView& view) : m_view(view) {}
    void ScrollView(UINT code) override;
    CRect GetClientRect() override { return m_view.GetLogicalClientRect(); }

   private:
    CZultaEditView& m_view;
  };

  BOOL IsLaidOut() const;
  BOOL HasFocus() const { return ::GetFocus() == m_hWnd; }
  // The enable rules of the clipboard commands.
  BOOL CanCutOrCopy() const;
  BOOL CanPaste() const;
  // The auto-scroll check while a selection is dragged, at the mouse's
  // logical y.
  void CheckAutoScroll(int y);
  // Selects the Hebrew word at the caret and has the lookup bar search it.
  void SearchWordAtCaret(BOOL noVowels);
  void StopAutoScroll();
  // After a typed key, a key-down or a command changed the text (laid out
  // and recorded for undo already): repaints what the layout changed.
  void AfterEdit();
  // In a Hebrew font, Ctrl on a punctuation key types the punctuation itself;
  // FALSE when the key is no such key.
  BOOL TypePunctuation(UINT nChar);
  void RunUndo(BOOL redo);
  // The Save-As rule for a formatting command; FALSE while the document is
  // not laid out.
  BOOL CanFormat(CCmdUI* pCmdUI);
  HWND BoxToRefresh(CCmdUI* pCmdUI);
  // Shows the program's one Find or Replace dialog, made anew when the one
  // open is of the other kind.
  void OpenFindDialog(BOOL findOnly);
  // The colour dialog over the selection: a given text colour stands for
  // the selection's; after OK the colours are set and chosenText is the
  // dialog's text colour. 1 after OK, 0 after Cancel.
  int RunColorsDialog(const COLORREF* pGivenText, BOOL bBackDisabled, COLORREF& chosenText);

  enum SpeechKind { kSpeechWord = 0, kSpeechSentence = 1, kSpeechSelection = 2 };
  struct SpeechRange {
    CString letters;
    CByteArray points;
    CDWordArray attributes;
    DocCharNode* first = nullptr;
    DocCharNode* last = nullptr;
  };
  // Selects the Hebrew word, sentence or selection at the caret and speaks it.
  void SpeakAtCaret(SpeechKind kind);
  // The text to speak, after stepping past the word or sentence spoken last;
  // FALSE when there is none.
  BOOL TakeSpeechRange(SpeechKind kind, SpeechRange& range);
  // Selects the range without its leading blanks as the spoken word.
  void HighlightSpeechRange(DocCharNode* first, DocCharNode* last);
  void ClearSpeechHighlight();
  // The timed pop-up of an unrecognised word or acronym.
  void ShowSpeechNotice(DWORD notice);
  void StopSpeech();
  // Whether the node is still one of the Hebrew side's.
  BOOL IsHebrewNode(const DocCharNode* node);

  static CZultaEditView* s_pActiveEditView;

  Scroller m_scroller;
  BOOL m_bMouseCaptured = FALSE;
  UINT_PTR m_nAutoScrollTimer = 0;
  AutoScrollState m_autoScroll;
  CMenu m_contextMenu;
  BOOL m_bContextMenuOpen = FALSE;
  int m_nColorBoxEntry = 0;  // the colour box's entry last applied
  // Printing: the document's pages do not all share one page setting (each
  // page then prints as a job of its own, and previews in its own size).
  BOOL m_bMixedPages = FALSE;
  BOOL m_bRestartPrinter = FALSE;
  CMyPreviewView* m_pMyPreview = nullptr;
  // Speech: whether the selection is the spoken word's highlight; where the
  // word spoken last ends (only compared with the caret, never read); and
  // while a sentence is spoken, the node its words are stepped from and its
  // end.
  BOOL m_bSpeechHighlight = FALSE;
  const DocCharNode* m_pLastSpokenEnd = nullptr;
  DocCharNode* m_pSpeechWordStart = nullptr;
  DocCharNode* m_pSpeechSentenceEnd = nullptr;
  // Ends the running job and starts the page's own on a new printer DC.
  void RestartPrintJob(CDC* pDC, CPrintInfo* pInfo);
  void DrawTextFrames(CDC* pDC);
};
