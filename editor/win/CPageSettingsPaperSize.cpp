#include "editor/win/CPageSettingsPaperSize.h"

#include "editor/win/CPageSettings.h"
#include "editor/win/PrinterPapers.h"
#include "resources/PageSettingsIds.h"

namespace {

const CPageSettingsPage::MeasureField kFields[] = {
    {IDC_PAPER_WIDTH, IDC_PAPER_WIDTH_SPIN}, {IDC_PAPER_LENGTH, IDC_PAPER_LENGTH_SPIN}, {0, 0}};
constexpr WORD kPortrait = 1;
constexpr WORD kLandscape = 2;

}  // namespace

BEGIN_MESSAGE_MAP(CPageSettingsPaperSize, CPageSettingsPage)
  ON_CONTROL(CBN_SELCHANGE, IDC_PAPER_LIST, OnPaperChosen)
  ON_BN_CLICKED(IDC_PORTRAIT, OnPortrait)
  ON_BN_CLICKED(IDC_LANDSCAPE, OnLandscape)
END_MESSAGE_MAP()

CPageSettingsPaperSize::CPageSettingsPaperSize(CPageSettings& sheet)
    : CPageSettingsPage(IDD_PAGE_SETTINGS_PAPER, sheet) {}

const CPageSettingsPage::MeasureField* CPageSettingsPaperSize::Fields() const { return kFields; }

BOOL CPageSettingsPaperSize::OnInitDialog() {
  m_papers = ListPrinterPapers();
  HWND hList = ::GetDlgItem(m_hWnd, IDC_PAPER_LIST);
  for (const PaperEntry& paper : m_papers.Entries()) {
    LRESULT index = ::SendMessageA(hList, CB_ADDSTRING, 0,
                                   reinterpret_cast<LPARAM>(static_cast<LPCSTR>(paper.name)));
    ::SendMessageA(hList, CB_SETITEMDATA, static_cast<WPARAM>(index), paper.code);
  }
  return CPageSettingsPage::OnInitDialog();
}

void CPageSettingsPaperSize::SelectPaper(WORD code) {
  ::SendMessageA(::GetDlgItem(m_hWnd, IDC_PAPER_LIST), CB_SETCURSEL,
                 static_cast<WPARAM>(m_papers.IndexOfCode(code)), 0);
}

void CPageSettingsPaperSize::ShowOrientation() {
  const BOOL landscape = Values().orientation == kLandscape;
  ::CheckRadioButton(m_hWnd, IDC_PORTRAIT, IDC_LANDSCAPE, landscape ? IDC_LANDSCAPE : IDC_PORTRAIT);
  ::ShowWindow(::GetDlgItem(m_hWnd, IDC_PORTRAIT_PICTURE), landscape ? SW_HIDE : SW_SHOW);
  ::ShowWindow(::GetDlgItem(m_hWnd, IDC_LANDSCAPE_PICTURE), landscape ? SW_SHOW : SW_HIDE);
}

void CPageSettingsPaperSize::Fill() {
  ShowOrientation();
  SelectPaper(Values().paperCode);
  ShowMeasure(IDC_PAPER_WIDTH, Values().width);
  ShowMeasure(IDC_PAPER_LENGTH, Values().length);
}

void CPageSettingsPaperSize::OnPaperChosen() {
  HWND hList = ::GetDlgItem(m_hWnd, IDC_PAPER_LIST);
  LRESULT index = ::SendMessageA(hList, CB_GETCURSEL, 0, 0);
  if (index == CB_ERR) return;
  Values().ChoosePaper(
      static_cast<WORD>(::SendMessageA(hList, CB_GETITEMDATA, static_cast<WPARAM>(index), 0)));
  ShowMeasure(IDC_PAPER_WIDTH, Values().width);
  ShowMeasure(IDC_PAPER_LENGTH, Values().length);
}

void CPageSettingsPaperSize::OnMeasureTyped(int editId, double value) {
  if (editId == IDC_PAPER_WIDTH)
    Values().SetCustomWidth(value);
  else
    Values().SetCustomLength(value);
  SelectPaper(kPaperCustom);
}

SpinRange CPageSettingsPaperSize::RangeOf(int) const {
  return PaperSpinRange(m_sheet.Values().unit);
}

void CPageSettingsPaperSize::OnPortrait() {
  Values().orientation = kPortrait;
  ShowOrientation();
}

void CPageSettingsPaperSize::OnLandscape() {
  Values().orientation = kLandscape;
  ShowOrientation();
}
