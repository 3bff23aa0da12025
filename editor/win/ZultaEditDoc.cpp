#include "editor/win/ZultaEditDoc.h"

#include "classlib/core/CFile.h"
#include "classlib/win/CWinApp.h"
#include "editor/win/ZultaEditView.h"
#include "editor/core/DocumentFileStore.h"
#include "hebtext/core/PageSettingsRec.h"
#include "hebtext/core/Preferences.h"
#include "hebtext/core/ProgressDlgInterface.h"
#include "hebtext/win/CProgressDlg.h"
#include "hebtext/win/SystemPreferences.h"

IMPLEMENT_DYNCREATE(CZultaEditDoc, CDocument)

namespace {

constexpr int kGrammarSettings = 0;  // the document's page settings, not the tables'

// The building of the sides after a load, on the application's progress
// dialog when one is open.
class SharedProgress : public IDocBuildProgress {
 public:
  void Begin(LPCSTR caption, int range) override {
    if (g_pProgressDlg != nullptr) g_pProgressDlg->Begin(caption, range);
  }
  BOOL Step(int position) override {
    if (g_pProgressDlg == nullptr) return TRUE;
    g_pProgressDlg->Step(position);
    g_pProgressDlg->PumpMessages();
    return !g_pProgressDlg->IsCancelled();
  }
};

}  // namespace

CZultaEditDoc::CZultaEditDoc()
    : m_sink(*this),
      m_model(m_metrics, m_sink),
      m_editor(m_model, m_sink),
      m_pages(m_model),
      m_nav(m_editor, m_pages) {
  InitContents();
}

CZultaEditDoc::~CZultaEditDoc() = default;

void CZultaEditDoc::InitContents() {
  DocSideDefaults defaults[kDocSideCount];
  for (int side = 0; side < kDocSideCount; ++side) {
    DocSideDefaults& d = defaults[side];
    const int hebrew = side == kRightToLeftSide;
    LoadEditorColors(d.colors[0], d.colors[1], d.colors[2], d.colors[3], hebrew);
    BYTE style = 0;
    LoadEditorFonts(d.face, d.pointSize, style, hebrew);
    d.style = style;
    InitPageSettings(&d.pageSettings, kGrammarSettings, hebrew);
    int interval = 0;
    LoadTabStops(interval, d.tabStops, hebrew);
    d.tabInterval = static_cast<DWORD>(interval);
  }
  m_model.InitContents(defaults);
}

void CZultaEditDoc::DeleteContents() {
  m_editor.ClearUndo();
  for (int side = 0; side < kDocSideCount; ++side) m_editor.LoadBuffers(side).Empty();
  m_model.ClearContents();
  InitContents();
  m_strHebrewFileName.Empty();
  m_bLaidOut = FALSE;
  CDocument::DeleteContents();
}

BOOL CZultaEditDoc::OnNewDocument() { return CDocument::OnNewDocument(); }

BOOL CZultaEditDoc::LayOut(CZultaEditView* pView, CSize deskMargin) {
  m_deskMargin = deskMargin;
  m_model.SetPageSpacing(deskMargin.cx, deskMargin.cy);
  m_pages.SetRulerSize(deskMargin.cx, deskMargin.cy);
  m_bLaidOut = TRUE;
  m_model.CreateEmptySides();
  BOOL built =
      m_editor.BuildSidesFromBuffers(nullptr, LoadHaShemFilter(), m_metrics.GetPixelsPerInchX());
  for (int side = 0; side < kDocSideCount; ++side) m_editor.LoadBuffers(side).Empty();
  if (!built) return FALSE;
  m_model.UpdatePageUnion();
  m_model.UpdateScrollSizes();
  RebuildVisibleLines(pView);
  return TRUE;
}

void CZultaEditDoc::ReformatAll() {
  for (int side = 0; side < kDocSideCount; ++side) {
    for (DocCharNode* c = m_model.GetHead(side); c != nullptr; c = c->next)
      m_model.MeasureCharNode(c, side);
    m_model.ReformatSide(side);
  }
  m_model.UpdatePageUnion();
  m_model.UpdateScrollSizes();
}

// ---- Files.

BOOL CZultaEditDoc::OnOpenDocument(LPCSTR lpszPathName) {
  ByteBuffer bytes;
  CString error;
  if (!LoadWholeFile(lpszPathName, bytes, error) || !ReadFileBytes(bytes, error)) {
    AfxMessageBox(error, MB_OK | MB_ICONEXCLAMATION);
    return FALSE;
  }
  SetModifiedFlag(FALSE);
  TimeStampFile(lpszPathName);
  return TRUE;
}

BOOL CZultaEditDoc::OnSaveDocument(LPCSTR lpszPathName) {
  ByteBuffer bytes;
  CString error;
  if (!BuildFileBytes(lpszPathName, bytes, error) ||
      !StoreFileReplacing(lpszPathName, bytes, error)) {
    AfxMessageBox(error, MB_OK | MB_ICONEXCLAMATION);
    return FALSE;
  }
  SetModifiedFlag(FALSE);
  TimeStampFile(lpszPathName);
  return TRUE;
}

BOOL CZultaEditDoc::ReloadFromFile() {
  CString path = GetPathName();
  SetModifiedFlag(FALSE);
  DeleteContents();
  BOOL loaded = OnOpenDocument(path);
  SetModifiedFlag(FALSE);
  // The view laid the old text out: the new one is laid out for it again.
  CZultaEditView* pView = GetEditView();
  if (pView != nullptr && pView->m_hWnd != nullptr) loaded = LayOut(pView, m_deskMargin) && loaded;
  CloseSharedProgressDialog();
  UpdateAllViews(nullptr);
  return loaded;
}

void CZultaEditDoc::TimeStampFile(LPCSTR lpszPathName) {
  CFileStatus status;
  m_fileTime = CFile::GetStatus(lpszPathName, status) ? status.m_mtime : CTime::GetCurrentTime();
}

// ---- The view's services.

CZultaEditView* CZultaEditDoc::GetEditView() const {
  POSITION pos = GetFirstViewPosition();
  return pos != nullptr ? dynamic_cast<CZultaEditView*>(GetNextView(pos)) : nullptr;
}

CSize CZultaEditDoc::ViewSink::GetClientSize() {
  CZultaEditView* pView = m_doc.GetEditView();
  if (pView == nullptr || pView->m_hWnd == nullptr) return CSize(0, 0);
  CRect client;
  pView->GetClientRect(&client);
  return client.Size();
}

void CZultaEditDoc::ViewSink::SetScrollSizes(CSize total, CSize page, CSize line) {
  CZultaEditView* pView = m_doc.GetEditView();
  if (pView != nullptr && pView->m_hWnd != nullptr)
    pView->SetScrollSizes(MM_TEXT, total, page, line);
}

void CZultaEditDoc::ViewSink::Redraw() {
  CZultaEditView* pView = m_doc.GetEditView();
  if (pView != nullptr && pView->m_hWnd != nullptr) pView->Invalidate(TRUE);
}

// The caret and selection are nodes: they stay with their characters, and
// the next repaint places them.
void CZultaEditDoc::ViewSink::OnLayoutChanged(int) {}

void CZultaEditDoc::ViewSink::SetModifiedFlag() { m_doc.SetModifiedFlag(TRUE); }
