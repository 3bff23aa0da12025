// The file dialogs' list rows: adding, selecting, sorting by a header click
// and drawing them with their icons and pointed Hebrew titles.
#include <cstring>
#include <vector>

#include "classlib/win/CDC.h"
#include "classlib/win/CFont.h"
#include "editor/win/CFileItem.h"
#include "editor/win/CShellFileDlg.h"
#include "editor/win/ShellFileDlgState.h"
#include "hebtext/core/CollationKey.h"
#include "hebtext/core/PointedText.h"
#include "hebtext/win/CFontInfo.h"
#include "hebtext/win/HebrewTextDraw.h"
#include "resources/FileDialogIds.h"

namespace {

const COLORREF kTitleColor = RGB(0, 0, 128);

// A pointed text as parallel letter and vowel strings.
struct PointedRun {
  explicit PointedRun(LPCSTR text) {
    count = SplitLettersAndVowels(text, nullptr, nullptr, 0, 0);
    letters.resize(count + 1);
    vowels.resize(count + 1);
    SplitLettersAndVowels(text, letters.data(), vowels.data(), count + 1, 0);
  }
  int count;
  std::vector<BYTE> letters;
  std::vector<BYTE> vowels;
};

// The dictionary order of the titles' letters, vowels aside.
CString LetterKey(const CString& title) {
  PointedRun run(title);
  CString key;
  for (int i = 0; i < run.count; i++) key += static_cast<char>(CollationKeyChar(run.letters[i]));
  return key;
}

}  // namespace

void CShellFileDlg::AddRow(const CFileItem& item) {
  CFileItem* pCopy = new CFileItem(item);
  pCopy->WorkOutKind();
  LVITEMA row = {};
  row.mask = LVIF_TEXT | LVIF_PARAM;
  row.iItem = m_list.GetItemCount();
  CString name = pCopy->m_strName + m_strIconGap;
  row.pszText = const_cast<LPSTR>(static_cast<LPCSTR>(name));
  row.lParam = reinterpret_cast<LPARAM>(pCopy);
  const int index = m_list.InsertItem(&row);
  if (index < 0) {
    delete pCopy;
    return;
  }
  // The texts the list measures; what shows is drawn by the dialog.
  CFontInfo* pFont = g_fileDialogState.pTitleFont;
  if (!pCopy->m_strHebrewTitle.IsEmpty() && pFont != nullptr) {
    PointedRun run(pCopy->m_strHebrewTitle);
    const int width = MeasureHebrewText(*pFont, run.letters.data(), run.vowels.data(), run.count, TRUE);
    m_list.SetItemText(index, kFileColumnHebrewName, CString(' ', BlankCountFor(width)));
  }
  m_list.SetItemText(index, kFileColumnModified, pCopy->m_strTimeText);
  m_list.SetItemText(index, kFileColumnSize, pCopy->m_strSizeText);
  m_list.SetItemText(index, kFileColumnType, pCopy->m_strTypeName);
}

void CShellFileDlg::SelectRow(int row) {
  m_list.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  m_list.EnsureVisible(row, FALSE);
  GotoDlgCtrl(&m_list);
}

void CShellFileDlg::OnListDblClk(NMHDR*, LRESULT* pResult) {
  m_list.Activate();
  *pResult = 0;
}

void CShellFileDlg::OnListItemChanged(NMHDR* pNMHDR, LRESULT* pResult) {
  *pResult = 0;
  const NMLISTVIEW* pChange = reinterpret_cast<NMLISTVIEW*>(pNMHDR);
  if ((pChange->uChanged & LVIF_STATE) == 0) return;
  const CFileItem* pItem = GetSelectedFileItem();
  if (pItem != nullptr && (pChange->uNewState & LVIS_SELECTED) != 0) OnFileRowSelected(*pItem);
  UpdateFileButtons();
}

void CShellFileDlg::OnListDeleteItem(NMHDR* pNMHDR, LRESULT* pResult) {
  delete reinterpret_cast<CFileItem*>(reinterpret_cast<NMLISTVIEW*>(pNMHDR)->lParam);
  *pResult = 0;
}

void CShellFileDlg::OnListColumnClick(NMHDR* pNMHDR, LRESULT* pResult) {
  *pResult = 0;
  const int column = reinterpret_cast<NMLISTVIEW*>(pNMHDR)->iSubItem;
  m_sortAscending = g_fileDialogState.sort.Click(column);
  m_list.SortItems(&CShellFileDlg::CompareRowsCallback, reinterpret_cast<DWORD_PTR>(this));
}

int CALLBACK CShellFileDlg::CompareRowsCallback(LPARAM lParam1, LPARAM lParam2,
                                                LPARAM lParamSort) {
  const CShellFileDlg* pDlg = reinterpret_cast<const CShellFileDlg*>(lParamSort);
  return pDlg->CompareRows(*reinterpret_cast<const CFileItem*>(lParam1),
                           *reinterpret_cast<const CFileItem*>(lParam2));
}

int CShellFileDlg::CompareRows(const CFileItem& a, const CFileItem& b) const {
  auto keys = [](const CFileItem& item) {
    FileRowKeys k;
    k.isFile = item.m_nIsFile;
    k.modified = item.m_modified;
    k.size = item.m_dwSize;
    k.typeName = item.m_strTypeName;
    return k;
  };
  auto nameOrder = [&](FileListColumn column) {
    if (column == kFileColumnHebrewName)
      return std::strcmp(LetterKey(a.m_strHebrewTitle), LetterKey(b.m_strHebrewTitle));
    LPSHELLFOLDER pFolder = a.GetParentFolder();
    if (pFolder == nullptr) return 0;
    return ShellCompareOrder(
        pFolder->CompareIDs(0, a.GetRelativeIdList(), b.GetRelativeIdList()));
  };
  return CompareFileRows(keys(a), keys(b), static_cast<FileListColumn>(g_fileDialogState.sort.LastColumn()),
                         m_sortAscending, nameOrder);
}

// ---- Drawing.

void CShellFileDlg::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
  if (nIDCtl != IDC_FILEDLG_LIST) {
    CDialog::OnMeasureItem(nIDCtl, lpMeasureItemStruct);
    return;
  }
  const CFontInfo* pFont = g_fileDialogState.pTitleFont;
  const int fontHeight = pFont == nullptr ? 0 : pFont->GetLineHeight();
  const int iconHeight = ::GetSystemMetrics(SM_CYSMICON);
  lpMeasureItemStruct->itemHeight = static_cast<UINT>(iconHeight > fontHeight ? iconHeight : fontHeight);
}

void CShellFileDlg::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct) {
  if (nIDCtl != IDC_FILEDLG_LIST) {
    CDialog::OnDrawItem(nIDCtl, lpDrawItemStruct);
    return;
  }
  DrawRow(*lpDrawItemStruct);
}

void CShellFileDlg::DrawRow(const DRAWITEMSTRUCT& dis) {
  const CFileItem* pItem = reinterpret_cast<const CFileItem*>(dis.itemData);
  if (pItem == nullptr) return;
  CDC* pDC = CDC::FromHandle(dis.hDC);
  HDC hDC = dis.hDC;
  RECT columns[kFileColumnCount];
  int right = dis.rcItem.left;
  for (int i = 0; i < kFileColumnCount; i++) {
    columns[i] = dis.rcItem;
    columns[i].left = right + 1;
    right += m_list.GetColumnWidth(i);
    columns[i].right = right + (i < kFileColumnCount - 1 ? 1 : 0);
  }
  const COLORREF window = ::GetSysColor(COLOR_WINDOW);
  const COLORREF windowText = ::GetSysColor(COLOR_WINDOWTEXT);
  const BOOL selected = (dis.itemState & ODS_SELECTED) != 0;
  const COLORREF nameBack = selected ? ::GetSysColor(COLOR_HIGHLIGHT) : window;
  const COLORREF nameText = selected ? ::GetSysColor(COLOR_HIGHLIGHTTEXT) : windowText;

  RECT back = dis.rcItem;
  back.left += ::MulDiv(m_nIconWidth, 7, 5);
  pDC->FillSolidRect(&back, window);

  CFontInfo* pFont = g_fileDialogState.pTitleFont;
  if (!pItem->m_strHebrewTitle.IsEmpty() && pFont != nullptr) {
    PointedRun run(pItem->m_strHebrewTitle);
    const RECT& cell = columns[kFileColumnHebrewName];
    const int width = MeasureHebrewText(*pFont, run.letters.data(), run.vowels.data(), run.count, TRUE);
    const int rightEdge = cell.left + width < cell.right ? cell.left + width : cell.right;
    HGDIOBJ hOld = ::SelectObject(hDC, pFont->GetFont()->GetSafeHandle());
    const int oldMode = ::SetBkMode(hDC, TRANSPARENT);
    DrawHebrewText(pDC, pFont, rightEdge, cell.top, run.letters.data(), run.vowels.data(), run.count,
                   kTitleColor, kTitleColor, TRUE, kQamatsQatanAsText, &cell, FALSE, kTitleColor,
                   kTitleColor, kNoHighlight);
    ::SetBkMode(hDC, oldMode);
    ::SelectObject(hDC, hOld);
  }

  HFONT hListFont = reinterpret_cast<HFONT>(m_list.SendMessage(WM_GETFONT));
  HGDIOBJ hOldFont = ::SelectObject(hDC, hListFont);
  const int rowHeight = dis.rcItem.bottom - dis.rcItem.top;
  if (!pItem->m_strName.IsEmpty()) {
    RECT name = columns[kFileColumnName];
    if (!pItem->m_strHebrewTitle.IsEmpty()) pDC->FillSolidRect(&name, window);
    const int iconTop = rowHeight > m_nIconHeight ? (rowHeight - m_nIconHeight) / 2 : 0;
    ImageList_Draw(m_imageList.GetSafeHandle(), pItem->m_nSmallIcon, hDC,
                   name.left + m_nIconWidth / 5, name.top + iconTop,
                   selected ? ILD_SELECTED : ILD_NORMAL);
    RECT text = name;
    text.left += m_nIconWidth / 5 + ::MulDiv(m_nIconWidth, 6, 5);
    RECT measured = text;
    ::DrawTextA(hDC, pItem->m_strName, -1, &measured,
                DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_CALCRECT | DT_NOPREFIX);
    measured.top = text.top;
    measured.bottom = text.bottom;
    if (measured.right < text.right) measured.right += 2;
    if (measured.right > text.right) measured.right = text.right;
    pDC->FillSolidRect(&measured, nameBack);
    ::SetTextColor(hDC, nameText);
    ::SetBkMode(hDC, TRANSPARENT);
    ::DrawTextA(hDC, pItem->m_strName, -1, &measured,
                DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if ((dis.itemState & ODS_FOCUS) != 0) {
      RECT focus = measured;
      ::InflateRect(&focus, 1, 1);
      ::DrawFocusRect(hDC, &focus);
    }
  }

  ::SetTextColor(hDC, windowText);
  ::SetBkMode(hDC, TRANSPARENT);
  const UINT cut = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
  if (pItem->IsFolder() || pItem->IsFile())
    ::DrawTextA(hDC, pItem->m_strTimeText, -1, &columns[kFileColumnModified], DT_LEFT | cut);
  if (pItem->IsFile())
    ::DrawTextA(hDC, pItem->m_strSizeText, -1, &columns[kFileColumnSize], DT_RIGHT | cut);
  ::DrawTextA(hDC, pItem->m_strTypeName, -1, &columns[kFileColumnType], DT_LEFT | cut);
  ::SelectObject(hDC, hOldFont);
}
