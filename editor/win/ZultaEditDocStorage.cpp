// The document's file contents: what a save stores and what a load reads,
// through the portable file codecs.
#include "classlib/win/CWinApp.h"
#include "classlib/win/CWnd.h"
#include "editor/core/ZultaDocTransfer.h"
#include "editor/core/ZultaFile.h"
#include "editor/win/ScreenRtfFontInfo.h"
#include "editor/win/ZultaEditDoc.h"
#include "hebtext/win/UserMessageBoxes.h"

BOOL CZultaEditDoc::BuildFileBytes(LPCSTR lpszPathName, ByteBuffer& bytes, CString& error) {
  // A saved file holds only the style entries its text uses.
  m_model.CompactFontNames(TRUE);
  m_model.CompactFontSizes(TRUE);
  m_model.CompactTextColors(TRUE);
  m_model.CompactBackColors(TRUE);
  m_model.CompactWordSpace(TRUE);
  m_model.CompactLineSpace(TRUE);
  ZultaDocData data;
  CollectDocumentForFile(m_model, m_strHebrewFileName, data);
  CZultaFile writer;
  // An RTF save marks the Hebrew faces' text as Windows-1255 for other programs.
  ScreenRtfFontInfo fonts;
  writer.SetFontInfo(&fonts);
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
  ShowUserMessages(AfxGetMainWnd(), reader.GetMessages());
  if (!read) {
    error = reader.GetError();
    return FALSE;
  }
  DeleteContents();
  TakeFileData(data);
  return TRUE;
}

void CZultaEditDoc::TakeFileData(const ZultaDocData& data) {
  m_strHebrewFileName = data.title;
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
