#include "editor/win/EditorFonts.h"

#include "classlib/win/CDC.h"
#include "editor/win/EditorFrame.h"
#include "hebtext/win/CFontInfo.h"

namespace {

bool Describes(const CFontInfo& font, const CString& face, WORD pointSize, UINT style) {
  return font.GetPointSize() == pointSize && font.GetStyle() == style &&
         face.CompareNoCase(font.GetFaceName()) == 0;
}

}  // namespace

CEditorFonts::CEditorFonts() = default;
CEditorFonts::~CEditorFonts() = default;

CFontInfo* CEditorFonts::Get(CDC* pDC, const CString& face, WORD pointSize, UINT style) {
  if (m_pLast != nullptr && Describes(*m_pLast, face, pointSize, style)) return m_pLast;
  for (const std::unique_ptr<CFontInfo>& font : m_fonts) {
    if (Describes(*font, face, pointSize, style)) return m_pLast = font.get();
  }
  auto font = std::make_unique<CFontInfo>(pDC, face, pointSize, static_cast<BYTE>(style));
  font->MeasureCharWidths(pDC);
  m_fonts.push_back(std::move(font));
  return m_pLast = m_fonts.back().get();
}

CFontInfo* GetPaintFont(CEditorFonts& own, CDC* pDC, const CString& face, WORD pointSize,
                        UINT style, int nList) {
  IEditorFrame* pFrame = GetEditorFrame();
  if (pFrame == nullptr) return own.Get(pDC, face, pointSize, style);
  CFontInfo request;
  request.Set(pDC, face, pointSize, static_cast<BYTE>(style), FALSE);
  return pFrame->GetCachedFont(pDC, request, nList);
}
