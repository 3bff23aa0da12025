// The document's formatting commands: the portable commands on the active
// side, then the repaint of what they changed and the messages of a full
// style table over the document's view.
#include "classlib/win/WindowDCs.h"
#include "editor/core/DocFormatting.h"
#include "editor/win/ZultaEditDoc.h"
#include "editor/win/ZultaEditView.h"

namespace {

// The colour dialog's sample shows the caret's font at this size.
constexpr int kSampleFontPoints = 16;
constexpr int kPointsPerInch = 72;

// Each message in its own box over the view, with the system's caption
// unless the message has its own.
void ShowMessages(CZultaEditView* pView, const UserMessageList& messages) {
  for (const UserMessage& message : messages)
    ::MessageBoxA(pView != nullptr ? pView->m_hWnd : nullptr, message.text,
                  message.caption.IsEmpty() ? nullptr : static_cast<LPCSTR>(message.caption),
                  MB_OK);
}

// The command's repaint: the characters it changed, widened by the lines its
// layout moved.
void FinishFormat(CZultaEditDoc& doc, CZultaEditView* pView, const DocFormatResult& result) {
  ShowMessages(pView, result.messages);
  DocTextModel& model = doc.Model();
  DocCharNode* first = result.repaintFirst;
  DocCharNode* last = result.repaintLast;
  DocCharNode* laidFirst = model.GetRepaintFirst();
  DocCharNode* laidLast = model.GetRepaintLast();
  model.SetRepaintRange(nullptr, nullptr);
  if (laidFirst != nullptr && (first == nullptr || model.CompareNodes(laidFirst, first) < 0))
    first = laidFirst;
  if (laidLast != nullptr && (last == nullptr || model.CompareNodes(laidLast, last) > 0))
    last = laidLast;
  if (first != nullptr) doc.RedrawLines(pView, first, last);
}

}  // namespace

void CZultaEditDoc::ToggleStyle(CZultaEditView* pView, UINT style, DocCharNode* first,
                                DocCharNode* last) {
  FinishFormat(*this, pView, Formatting().ToggleStyle(style, {first, last}));
}

void CZultaEditDoc::SetJustification(CZultaEditView* pView, UINT justification, DocCharNode* first,
                                     DocCharNode* last) {
  FinishFormat(*this, pView, Formatting().SetJustification(justification, {first, last}));
}

void CZultaEditDoc::ApplyFont(CZultaEditView* pView, LPCSTR face, WORD size, UINT style,
                              DocCharNode* first, DocCharNode* last) {
  FinishFormat(*this, pView, Formatting().ApplyFont(face, size, style, {first, last}));
}

void CZultaEditDoc::ApplyTypeface(CZultaEditView* pView, LPCSTR face, DocCharNode* first,
                                  DocCharNode* last) {
  FinishFormat(*this, pView, Formatting().ApplyTypeface(face, {first, last}));
}

void CZultaEditDoc::ApplyFontSize(CZultaEditView* pView, WORD size, DocCharNode* first,
                                  DocCharNode* last) {
  FinishFormat(*this, pView, Formatting().ApplyFontSize(size, {first, last}));
}

void CZultaEditDoc::ApplyColors(CZultaEditView* pView, COLORREF text, COLORREF back,
                                DocCharNode* first, DocCharNode* last) {
  FinishFormat(*this, pView, Formatting().ApplyColors(text, back, {first, last}));
}

void CZultaEditDoc::SetExtraWordSpacing(CZultaEditView* pView, WORD value) {
  FinishFormat(*this, pView, Formatting().SetExtraWordSpacing(value));
}

void CZultaEditDoc::SetExtraLineSpacing(CZultaEditView* pView, WORD value, DocCharNode* first,
                                        DocCharNode* last) {
  FinishFormat(*this, pView, Formatting().SetExtraLineSpacing(value, {first, last}));
}

void CZultaEditDoc::SetColumns(CZultaEditView* pView, int count, int gapPixels, double gap,
                               int unit, DocCharNode* first, DocCharNode* last) {
  DocColumnSettings settings;
  settings.count = count;
  settings.gapPixels = gapPixels;
  settings.gap = gap;
  settings.unit = static_cast<WORD>(unit);
  FinishFormat(*this, pView, Formatting().SetColumns(settings, {first, last}));
}

void CZultaEditDoc::GetSelectionFont(CString& face, WORD& size, UINT& style, DocCharNode*& first,
                                     DocCharNode*& last) {
  DocCharRange range;
  Formatting().GetSelectionFont(face, size, style, range);
  first = range.first;
  last = range.last;
}

void CZultaEditDoc::GetSelectionColors(COLORREF& text, COLORREF& back, DocCharNode*& first,
                                       DocCharNode*& last) {
  DocCharRange range;
  Formatting().GetSelectionColors(text, back, range);
  first = range.first;
  last = range.last;
}

void CZultaEditDoc::GetCaretLogFont(CZultaEditView* pView, LOGFONT& logFont) {
  CString face;
  WORD size;
  UINT style;
  DocCharNode *first, *last;
  GetSelectionFont(face, size, style, first, last);
  CClientDC dc(pView);
  logFont = LOGFONT();
  logFont.lfHeight = -::MulDiv(kSampleFontPoints, dc.GetDeviceCaps(LOGPIXELSY), kPointsPerInch);
  logFont.lfWeight = (style & kStyleBold) != 0 ? FW_BOLD : FW_NORMAL;
  logFont.lfItalic = (style & kStyleItalic) != 0;
  logFont.lfUnderline = (style & kStyleUnderline) != 0;
  logFont.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(logFont.lfFaceName, face, LF_FACESIZE);
}
