#include "classlib/win/CPrintInfo.h"

#include "classlib/win/AfxRes.h"
#include "classlib/win/DocumentTexts.h"

namespace {
// A page range the dialog may offer before the view sets its own.
constexpr UINT kDefaultMaxPage = kPrintPageUnknown;
}  // namespace

CPrintInfo::CPrintInfo()
    : m_pPD(new CPrintDialog(
          FALSE, PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_HIDEPRINTTOFILE | PD_NOSELECTION)) {
  SetMinPage(1);
  SetMaxPage(kDefaultMaxPage);
  m_pPD->m_pd.nFromPage = 1;
  m_pPD->m_pd.nToPage = 1;
  m_strPageDesc = LoadDocumentText(AFX_IDS_PREVIEWPAGEDESC);
}

CPrintInfo::~CPrintInfo() {
  if (m_pPD->m_pd.hDC != nullptr) ::DeleteDC(m_pPD->m_pd.hDC);
  delete m_pPD;
}

UINT CPrintInfo::GetFromPage() const {
  return m_pPD->PrintRange() ? m_pPD->m_pd.nFromPage : GetMinPage();
}

UINT CPrintInfo::GetToPage() const {
  return m_pPD->PrintRange() ? m_pPD->m_pd.nToPage : GetMaxPage();
}

PrintPageSpan CPrintInfo::GetPageSpan() const {
  return PagesToPrint(GetMinPage(), GetMaxPage(), m_pPD->PrintRange() != FALSE,
                      m_pPD->m_pd.nFromPage, m_pPD->m_pd.nToPage);
}
