// The editor's document: a file of the program, shown in an editor view.
// It owns the portable document (text model, editor, page view, caret
// navigator and the visible-line cache) and does the painting on the DC its
// view hands it; the view forwards its messages and commands here.
#pragma once

#include <memory>

#include "classlib/core/CTime.h"
#include "classlib/win/CDocument.h"
#include "editor/core/DocCaretNavigator.h"
#include "editor/core/DocEditor.h"
#include "editor/core/DocFormatting.h"
#include "editor/core/DocPageView.h"
#include "editor/core/DocPrintState.h"
#include "editor/core/DocTextModel.h"
#include "editor/core/DocVisibleLines.h"
#include "editor/core/FileBytes.h"
#include "editor/win/EditorFonts.h"
#include "editor/win/ScreenDocMetrics.h"

class CArchive;
class CCmdUI;
class CDC;
class CPageLayout;
class CZultaEditView;
struct ZultaDocData;

class CZultaEditDoc : public CDocument {
  DECLARE_DYNCREATE(CZultaEditDoc)
 public:
  CZultaEditDoc();
  ~CZultaEditDoc() override;

  BOOL OnNewDocument() override;
  BOOL OnOpenDocument(LPCSTR lpszPathName) override;
  // Stores through a temporary file: a failed save tells the user why and
  // leaves the old file as it was and the document modified.
  BOOL OnSaveDocument(LPCSTR lpszPathName) override;
  void DeleteContents() override;

  // Re-reads the document from its file, dropping unsaved changes.
  BOOL ReloadFromFile();
  // The modification time of the document's file becomes the document's.
  void TimeStampFile() { TimeStampFile(GetPathName()); }
  // The file's modification time when the document last read or wrote it.
  CTime GetFileTime() const { return m_fileTime; }

  // ---- The portable document.
  DocTextModel& Model() { return m_model; }
  DocEditor& Editor() { return m_editor; }
  DocPageView& Pages() { return m_pages; }
  DocCaretNavigator& Navigator() { return m_nav; }
  ScreenDocMetrics& Metrics() { return m_metrics; }
  int GetActiveSide() const { return m_model.GetCurrentSide(); }

  // The bytes a save stores for the path (native, or the current side as
  // RTF or text by its extension); FALSE with the reason in error.
  BOOL BuildFileBytes(LPCSTR lpszPathName, ByteBuffer& bytes, CString& error);
  // Takes a file's bytes into the loading buffers, from which the first
  // view builds the sides; FALSE with the reason in error.
  BOOL ReadFileBytes(const ByteBuffer& bytes, CString& error);

  // ---- Layout, done when the view is first shown.
  BOOL IsLaidOut() const { return m_bLaidOut; }
  // Sets the gaps around the pages (also the rulers' size), builds both
  // sides from what a load read and lays them out; FALSE when that failed.
  BOOL LayOut(CZultaEditView* pView, CSize deskMargin);
  // Both sides laid out again from their first node (the fonts changed).
  void ReformatAll();

  // ---- Painting (ZultaEditDocPaint.cpp); coordinates are the view's
  // logical ones.
  void PaintRulers(CDC* pDC, const CRect& clip);
  void PaintPages(CDC* pDC, const CRect& clip);
  // The repaint after an edit: the changed lines in place, the rulers when
  // dirty, the caret into view, the visible-line cache again.
  void RedrawLines(CZultaEditView* pView, const DocCharNode* first, const DocCharNode* last);
  // RedrawLines over what the last layout changed, when it changed any.
  void RedrawChanged(CZultaEditView* pView);
  // Repaints the characters whose selection mark changed.
  void RepaintSelectionChange(CZultaEditView* pView);
  void RebuildVisibleLines(CZultaEditView* pView);
  void SetRulersDirty() { m_bRulersDirty = TRUE; }
  // "Pg %d, Ln %d" of the caret's line.
  void GetStatusText(CString& text) const { m_pages.GetStatusText(text); }

  // ---- Caret (ZultaEditDocCaret.cpp).
  void ShowEditCaret(CZultaEditView* pView);
  void HideEditCaret(CZultaEditView* pView);
  void EnsureCaretVisible(CZultaEditView* pView);
  // Scrolls the union of two characters' rectangles into view (a found or
  // spoken word, a selection looked up again).
  void EnsureRangeVisible(CZultaEditView* pView, const DocCharNode* first,
                          const DocCharNode* last);

  // ---- Formatting commands (defined with the formatting work). A first and
  // last node of null mean the selection.
  void ToggleStyle(CZultaEditView* pView, UINT style, DocCharNode* first = nullptr,
                   DocCharNode* last = nullptr);
  void SetJustification(CZultaEditView* pView, UINT justification, DocCharNode* first = nullptr,
                        DocCharNode* last = nullptr);
  void ApplyFont(CZultaEditView* pView, LPCSTR face, WORD size, UINT style,
                 DocCharNode* first = nullptr, DocCharNode* last = nullptr);
  void ApplyTypeface(CZultaEditView* pView, LPCSTR face, DocCharNode* first = nullptr,
                     DocCharNode* last = nullptr);
  void ApplyFontSize(CZultaEditView* pView, WORD size, DocCharNode* first = nullptr,
                     DocCharNode* last = nullptr);
  // back is kKeepBackColor to leave the back colours.
  void ApplyColors(CZultaEditView* pView, COLORREF text, COLORREF back,
                   DocCharNode* first = nullptr, DocCharNode* last = nullptr);
  void SetExtraWordSpacing(CZultaEditView* pView, WORD value);
  void SetExtraLineSpacing(CZultaEditView* pView, WORD value, DocCharNode* first = nullptr,
                           DocCharNode* last = nullptr);
  void SetColumns(CZultaEditView* pView, int count, int gapPixels, double gap, int unit,
                  DocCharNode* first = nullptr, DocCharNode* last = nullptr);
  void GetSelectionFont(CString& face, WORD& size, UINT& style, DocCharNode*& first,
                        DocCharNode*& last);
  void GetSelectionColors(COLORREF& text, COLORREF& back, DocCharNode*& first, DocCharNode*& last);
  void GetCaretLogFont(CZultaEditView* pView, LOGFONT& logFont);
  static constexpr COLORREF kKeepBackColor = ::kKeepBackColor;
  // The commands and their queries (check marks) on the active side.
  DocFormatting Formatting() { return DocFormatting(m_editor, m_sink); }
  // ---- End of the formatting commands.

  // ---- Clipboard, import and file commands (defined with the clipboard
  // work).
  // FALSE when nothing is selected or the clipboard could not take the text.
  BOOL CopySelectionToClipboard(int textForm, int direction, int vavOrder);
  // 1 when something was cut.
  int Cut(CZultaEditView* pView);
  void Paste(CZultaEditView* pView, int formatFlag, int filter, int direction, int vavOrder);
  // The number of characters inserted.
  int ReplaceSelection(CZultaEditView* pView, const CString& text, int formatFlag, int filter,
                       int direction, int vavOrder);
  int ImportText(CZultaEditView* pView, const CString& text, int formatFlag, int filter,
                 int direction, int vavOrder);
  // 1 when there was a selection to delete.
  int DeleteSelection();
  void DeleteNodeRange(DocCharNode* first, DocCharNode* last);
  void SelectAll(CZultaEditView* pView);
  static void CopyPageLayout(CPageLayout* pDestination, const CPageLayout* pSource);
  void CopyPageLayouts(int first, int last, int sourceSide, int destinationSide);
  void GetFolderOfPath(CString& folder) const;
  void OnUpdateFileCommand(CCmdUI* pCmdUI);
  void OnFileOpen();
  void OnFileSave();
  void OnFileSaveAs();
  void FinishSaveAs(BOOL accepted);
  // While a Save As runs (one in the application at a time), New, Open,
  // Save, Save As, closing a document and most edit commands are refused.
  static BOOL IsSaveAsPending();
  const CString& GetHebrewFileName() const { return m_strHebrewFileName; }
  void OnCloseDocument() override;
  // The document's file through an archive: its bytes as the file codecs
  // write and read them.
  void Serialize(CArchive& ar) override;
  // ---- End of the clipboard, import and file commands.

  // ---- Printing (ZultaEditDocPrint.cpp): page index `page` of both sides
  // on a printer of these resolutions whose drawing area has the size
  // drawSize; each side's print state is filled for it first.
  void PrintPage(CDC* pDC, int page, CSize pixelsPerInch, CSize drawSize);
  const DocSidePrintState& GetPrintState(int side) const { return m_printStates[side]; }
  // The fonts made for the printer go once printing ends.
  void ReleasePrinterFonts();

 protected:
  DECLARE_MESSAGE_MAP()

 private:
  // The window services the portable document reaches, through the
  // document's first view.
  class ViewSink : public IDocUISink {
   public:
    explicit ViewSink(CZultaEditDoc& doc) : m_doc(doc) {}
    CSize GetClientSize() override;
    void SetScrollSizes(CSize total, CSize page, CSize line) override;
    void Redraw() override;
    void OnLayoutChanged(int side) override;
    void SetModifiedFlag() override;

   private:
    CZultaEditDoc& m_doc;
  };
  friend class ViewSink;

  CZultaEditView* GetEditView() const;
  // Scrolls the view the least that shows the rectangle, with the rulers
  // beside it near a page's edge.
  void ShowViewRect(CZultaEditView* pView, CRect target);
  // The layout the rulers of a page show: the active side's, else the other's.
  const CPageLayout* RulerLayout(int page) const;
  void PaintRulerStrip(CDC* pDC, int page, DocRulerPart part, const CRect& strip,
                       const CRect& shown);
  void PaintRulerCorner(CDC* pDC, int page, const CRect& square);
  // The program's defaults for both sides: fonts, colours, page settings
  // and tab stops from the preferences.
  void InitContents();
  void TakeFileData(const ZultaDocData& data);
  // Before a new path is the document's, the time is taken from that path;
  // a file whose status cannot be read counts as changed now.
  void TimeStampFile(LPCSTR lpszPathName);

  ScreenDocMetrics m_metrics;
  ViewSink m_sink;
  DocTextModel m_model;
  DocEditor m_editor;
  DocPageView m_pages;
  DocCaretNavigator m_nav;
  DocVisibleLines m_visible;
  BOOL m_bLaidOut = FALSE;
  // The Hebrew title the native file stores (chosen in the Save dialog).
  CString m_strHebrewFileName;
  CSize m_deskMargin;  // the gaps around the pages the view asked for
  BOOL m_bRulersDirty = FALSE;
  int m_paintedPageCount = 0;  // pages whose rulers the last repaint showed
  CRect m_caretRect;           // where the caret shows; empty while hidden
  CTime m_fileTime;
  DocSidePrintState m_printStates[kDocSideCount];
  std::unique_ptr<CEditorFonts> m_pPrinterFonts;  // without a main frame's cache
};
