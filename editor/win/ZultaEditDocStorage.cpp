// The document's file contents: what a save stores and what a load reads,
// through the portable file codecs.
#include "classlib/win/CWinApp.h"
#include "classlib/win/CWnd.h"
#include "editor/core/ZultaDocTransfer.h"
#include "editor/core/ZultaFile.h"
#include "editor/win/ZultaEditDoc.h"

namespace {

// Each message of a read in its own box.
void ShowMessages(const UserMessageList& messages) {
  for (const UserMessage& message : messages) {
    ::MessageBoxA(AfxGetMainWnd() != nullptr ? AfxGetMainWnd()->m_hWnd : nullptr, message.text,
                  message.caption.IsEmpty() ? nullptr : static_cast<LPCSTR>(message.caption),
                  MB_OK | MB_ICONEXCLAMATION);
  }
}

}  // namespace

BOOL CZultaEditDoc::BuildFileBytes(LPCSTR lpszPathName, ByteBuffer& bytes, CString& error) {
  // A saved file holds only the style entries its text uses.
  m_model.CompactFontNames(TRUE);
  m_model.CompactFontSizes(TRUE);
  m_model.CompactTextColors(TRUE);
  m_model.CompactBackColors(TRUE);
  m_model.CompactWordSpace(TRUE);
  m_model.CompactLineSpace(TRUE);
  ZultaDocData data;
  CollectDocumentForFile(m_model, GetTitle(), data);
  CZultaFile writer;
  if (!writer.WriteDocument(data, lpszPathName, bytes)) {
    error = writer.GetError();
    return FALSE;
  }
  return TRUE;
}

BOOL CZultaEditDoc::ReadFileBytes(const ByteBuffer& bytes, CString& error) {
  ZultaDocData data;
  data.styles.AddDefaultEntries();
  CZultaFile reader;
  reader.SetScreenPixelsPerInchY(m_metrics.GetPixelsPerInchY());
  BOOL read = reader.ReadDocument(bytes.data(), bytes.size(), data);
  ShowMessages(reader.GetMessages());
  if (!read) {
    error = reader.GetError();
    return FALSE;
  }
  DeleteContents();
  TakeFileData(data);
  return TRUE;
}

void CZultaEditDoc::TakeFileData(const ZultaDocData& data) {
  m_model.GetStyleTables().CopyFrom(data.styles);
  for (int side = 0; side < kDocSideCount; ++side) {
    const ZultaSideData& file = data.sides[side];
    DocSideState& s = m_model.Side(side);
    for (int i = 0; i < 4; ++i) s.colors[i] = file.colors[i];
    s.face = file.face;
    s.pointSize = file.pointSize;
    s.style = file.style;
    m_model.SetSideDefaultFont(side, file.face, file.pointSize, file.style);
    FillLoadBuffers(file, m_editor.LoadBuffers(side));
  }
  m_model.SetCurrentSide(data.currentSide);
}
