// The document's clipboard commands over the portable copy and paste: the
// texts of a copy go on the clipboard in their order, a paste reads the
// format it was told to take, and every change is repainted where it
// happened.
#include "editor/core/DocClipboard.h"
#include "editor/core/DocumentPath.h"
#include "editor/core/PageLayoutCopy.h"
#include "editor/win/ScreenRtfFontInfo.h"
#include "editor/win/ZultaEditDoc.h"
#include "editor/win/ZultaEditView.h"
#include "hebtext/win/ClipboardText.h"
#include "hebtext/win/UserMessageBoxes.h"

namespace {

DocPasteText MakePaste(const CString& text, int formatFlag, int filter, int direction,
                       int vavOrder) {
  DocPasteText paste;
  paste.text = text;
  paste.rtf = formatFlag != 0;
  paste.options.filter = static_cast<ClipboardFilter>(filter);
  paste.options.direction = static_cast<ClipboardDirection>(direction);
  paste.options.vavOrder = static_cast<VavOrder>(vavOrder);
  return paste;
}

}  // namespace

BOOL CZultaEditDoc::CopySelectionToClipboard(int textForm, int direction, int vavOrder) {
  ClipboardTextOptions options;
  options.filter = static_cast<ClipboardFilter>(textForm);
  options.direction = static_cast<ClipboardDirection>(direction);
  options.vavOrder = static_cast<VavOrder>(vavOrder);
  ScreenRtfFontInfo fonts;
  DocClipboardCopy copy;
  if (!BuildSelectionCopy(m_editor, options, &fonts, copy)) return FALSE;
  if (!CopyTextToClipboard(copy.text, CF_TEXT, TRUE)) return FALSE;
  if (!CopyTextToClipboard(copy.unicode.c_str(), FALSE)) return FALSE;
  return !copy.hasRtf || CopyTextToClipboard(copy.rtf, GetRtfClipboardFormat(), FALSE);
}

int CZultaEditDoc::Cut(CZultaEditView* pView) {
  // Text that did not reach the clipboard stays in the document.
  if (!m_editor.HasSelection() || !CopySelectionToClipboard(kFilterNone, kForward, kVavThenHolam))
    return 0;
  if (!m_editor.CutSelection()) return 0;
  RedrawChanged(pView);
  return 1;
}

void CZultaEditDoc::Paste(CZultaEditView* pView, int formatFlag, int filter, int direction,
                          int vavOrder) {
  UINT format = formatFlag != 0             ? GetRtfClipboardFormat()
                : filter == kFilterWideChar ? CF_UNICODETEXT
                                            : CF_TEXT;
  CString text;
  if (!ReadClipboardText(pView->GetSafeHwnd(), format, text)) return;
  ReplaceSelection(pView, text, formatFlag, filter, direction, vavOrder);
}

int CZultaEditDoc::ReplaceSelection(CZultaEditView* pView, const CString& text, int formatFlag,
                                    int filter, int direction, int vavOrder) {
  UserMessageList messages;
  int inserted =
      m_editor.ReplaceSelection(MakePaste(text, formatFlag, filter, direction, vavOrder), messages);
  RedrawChanged(pView);
  UserMessageList tableMessages = m_model.TakeMessages();
  messages.insert(messages.end(), tableMessages.begin(), tableMessages.end());
  ShowUserMessages(pView, messages);
  return inserted;
}

int CZultaEditDoc::ImportText(CZultaEditView* pView, const CString& text, int formatFlag,
                              int filter, int direction, int vavOrder) {
  UserMessageList messages;
  int inserted =
      ImportDocText(m_editor, MakePaste(text, formatFlag, filter, direction, vavOrder), messages);
  ShowUserMessages(pView, messages);
  return inserted;
}

int CZultaEditDoc::DeleteSelection() { return m_editor.DeleteSelection() ? 1 : 0; }

void CZultaEditDoc::DeleteNodeRange(DocCharNode* first, DocCharNode* last) {
  m_editor.DeleteRange(first->prev, last);
}

void CZultaEditDoc::SelectAll(CZultaEditView* pView) {
  m_editor.SelectAll();
  const DocSideState& side = m_model.Side(m_model.GetCurrentSide());
  RedrawLines(pView, &side.head, side.caret);
}

void CZultaEditDoc::CopyPageLayout(CPageLayout* pDestination, const CPageLayout* pSource) {
  ::CopyPageLayout(pDestination, pSource);
}

void CZultaEditDoc::CopyPageLayouts(int first, int last, int sourceSide, int destinationSide) {
  ::CopyPageLayouts(m_model, first, last, sourceSide, destinationSide);
}

void CZultaEditDoc::GetFolderOfPath(CString& folder) const {
  folder = ::GetFolderOfPath(GetPathName());
}
