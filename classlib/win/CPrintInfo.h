// What one print job or print preview knows while it runs: the print dialog
// (and through it the printer DC and the page range), the page being
// printed, where on the page to draw, and whether to go on.
//
// The view fills it in OnPreparePrinting (the page range, then
// DoPreparePrinting for the printer) and reads it in OnPrepareDC and OnPrint.
#pragma once

#include "classlib/core/CString.h"
#include "classlib/core/Geometry.h"
#include "classlib/core/PrintPages.h"
#include "classlib/win/CPrintDialog.h"

struct CPrintInfo {
  CPrintInfo();
  // Deletes the print dialog and the printer DC it made.
  ~CPrintInfo();
  CPrintInfo(const CPrintInfo&) = delete;
  CPrintInfo& operator=(const CPrintInfo&) = delete;

  // The document's pages, as the print dialog shows them.
  void SetMinPage(UINT nMinPage) { m_pPD->m_pd.nMinPage = static_cast<WORD>(nMinPage); }
  void SetMaxPage(UINT nMaxPage) { m_pPD->m_pd.nMaxPage = static_cast<WORD>(nMaxPage); }
  UINT GetMinPage() const { return m_pPD->m_pd.nMinPage; }
  UINT GetMaxPage() const { return m_pPD->m_pd.nMaxPage; }
  // The range the user chose; the whole document when none was chosen.
  UINT GetFromPage() const;
  UINT GetToPage() const;
  // The pages the job prints.
  PrintPageSpan GetPageSpan() const;

  CPrintDialog* m_pPD;
  // Print with the printer defaults, without the print dialog.
  BOOL m_bDirect = FALSE;
  BOOL m_bPreview = FALSE;
  // OnPrepareDC clears it to end the job before the current page.
  BOOL m_bContinuePrinting = TRUE;
  UINT m_nCurPage = 1;
  // The pages the preview shows at once (1 or 2); 0 lets the application choose.
  UINT m_nNumPreviewPages = 0;
  // The preview's status text: the line for one page, a newline, the line
  // for two ("Page %u\nPages %u-%u").
  CString m_strPageDesc;
  void* m_lpUserData = nullptr;
  // The page's printable area in logical units of the prepared DC.
  CRect m_rectDraw;
};
