// The fonts of a document's text on the screen, by face, point size and
// style: measured once, kept for the document's life, so that measuring a
// character asks the device nothing.
#pragma once

#include <memory>
#include <vector>

#include "classlib/core/CString.h"
#include "classlib/core/WinTypes.h"
#include "editor/win/EditorFrame.h"

class CDC;
class CFontInfo;

class CEditorFonts {
 public:
  CEditorFonts();
  ~CEditorFonts();
  CEditorFonts(const CEditorFonts&) = delete;
  CEditorFonts& operator=(const CEditorFonts&) = delete;

  // The font of that description, made and measured on pDC when missing.
  CFontInfo* Get(CDC* pDC, const CString& face, WORD pointSize, UINT style);

 private:
  std::vector<std::unique_ptr<CFontInfo>> m_fonts;
  CFontInfo* m_pLast = nullptr;  // texts repeat their font: asked first
};

// The font to paint with: the main frame's cached one (from list nList)
// when there is a main frame, else the document's own.
CFontInfo* GetPaintFont(CEditorFonts& own, CDC* pDC, const CString& face, WORD pointSize,
                        UINT style, int nList = kAgeingFontList);
