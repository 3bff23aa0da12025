#include "toolkit/win/CKWCoolMenu.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CWinApp.h"
#include "toolkit/core/KWPersonalMenu.h"
#include "toolkit/core/KWRecentCommands.h"
#include "toolkit/core/KWMenuChar.h"
#include "toolkit/win/CKWGlobalData.h"
#include "toolkit/win/CKWMemDC.h"
#include "toolkit/win/CKWMenuWndHook.h"
#include "toolkit/win/CKWOSVersionInfo.h"
#include "toolkit/win/CKWProfileStore.h"
#include "toolkit/win/CKWToolBar.h"
#include "toolkit/win/KWMenuGlobals.h"

CSize g_sizeKWMenuItemMargin(1, 1);
BYTE g_bKWExpandedMenus = FALSE;
int g_nKWPopupSkip = 0;
BYTE g_bKWMenuBarIdle = TRUE;

namespace {

constexpr int kBlockSize = 10;
constexpr UINT kImageListFlags = ILC_COLOR32 | ILC_MASK;
constexpr int kImageListGrow = 10;
constexpr int kMenuTextLength = 256;
constexpr UINT_PTR kExpandTimerId = 1000;
constexpr UINT kExpandDelay = 750;
constexpr UINT kTempToolBarId = 0xE800;
constexpr WORD kMenuClosed = 0xFFFF;
const CSize kPlainMargin(1, 1);
const CSize kFlatMargin(4, 3);
const CSize kDefaultImageSize(16, 15);
// Menu origins that open the whole menu's frame, or only its last item's.
constexpr UINT kOriginEveryItem[] = {0x1000, 0x4000};
constexpr UINT kOriginLastItem = 0x8000;
// A missing profile value.
constexpr int kNoValue = 0;

struct MenuItem {
  MENUITEMINFOA info = {};
  char text[kMenuTextLength] = {};
};

// The item's state, id, submenu, data, type and text.
bool ReadItem(HMENU hMenu, int nPos, MenuItem& item) {
  item.info.cbSize = sizeof item.info;
  item.info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA | MIIM_TYPE;
  item.info.dwTypeData = item.text;
  item.info.cch = kMenuTextLength;
  return ::GetMenuItemInfoA(hMenu, nPos, TRUE, &item.info) != FALSE;
}

std::vector<UINT> ReadRecent(int nCount) {
  std::vector<UINT> recent;
  CKWProfileStore store;
  for (int i = 1; i <= nCount; ++i) {
    int nID = store.GetInt(kKWRecentSection, KWRecentValueName(i), kNoValue);
    if (nID == kNoValue) break;
    recent.push_back(static_cast<UINT>(nID));
  }
  return recent;
}

}  // namespace

IMPLEMENT_DYNAMIC(CKWCoolMenu, CKWWndHook)

CKWCoolMenu::CKWCoolMenu()
    : m_mapCommands(kBlockSize),
      m_sizeImage(kDefaultImageSize),
      m_sizeButton(kDefaultImageSize),
      m_nRecentCount(kKWDefaultRecentCount),
      m_nExpandTimer(kExpandTimerId),
      m_nExpandDelay(kExpandDelay),
      m_listItemData(kBlockSize),
      m_listMenus(kBlockSize) {
  const CKWOSVersionInfo& os = CKWOSVersionInfo::Get();
  constexpr DWORD kNT4Major = 4;
  if (os.dwPlatformId == VER_PLATFORM_WIN32_NT && os.dwMajorVersion > kNT4Major)
    ::SystemParametersInfoA(SPI_GETKEYBOARDCUES, 0, &m_bKeyboardCues, 0);
}

CKWCoolMenu::~CKWCoolMenu() {
  while (!m_listItemData.IsEmpty())
    delete static_cast<CKWMenuItemData*>(m_listItemData.RemoveHead());
  Reset();
}

// ---- The frame's messages.

LRESULT CKWCoolMenu::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_TIMER:
      OnTimer(wParam);
      break;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
      DropDrawingImages();
      break;
    case WM_DRAWITEM: {
      auto* pDraw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      if (pDraw->CtlType == ODT_MENU && DrawItem(pDraw)) return TRUE;
      break;
    }
    case WM_MEASUREITEM: {
      auto* pMeasure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (pMeasure->CtlType == ODT_MENU && MeasureItem(pMeasure)) return TRUE;
      break;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == kKWFullMenusCommand) {
        g_bKWExpandedMenus = TRUE;
        g_bKWChevronSelected = FALSE;
        CKWMenuWndHook* pNewest = KWNewestMenuWndHook();
        if (pNewest != nullptr && RestoreHiddenItems(pNewest->m_hMenu) != 0) pNewest->Redisplay();
      } else {
        g_bKWExpandedMenus = FALSE;
        OnCommandUsed(LOWORD(wParam));
      }
      break;
    case WM_INITMENUPOPUP:
      if (g_nKWPopupSkip == 0) {
        Default();
        OnInitMenuPopup(reinterpret_cast<HMENU>(wParam), LOWORD(lParam), HIWORD(lParam));
        return 0;
      }
      --g_nKWPopupSkip;
      break;
    case WM_MENUSELECT:
      OnMenuSelect(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
      break;
    case WM_MENUCHAR: {
      LRESULT result = OnMenuChar(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
      if (result != 0) return result;
      break;
    }
    case WM_ENTERMENULOOP:
      m_bTrackPopup = static_cast<BOOL>(wParam);
      break;
    default:
      break;
  }
  return CKWWndHook::WindowProc(msg, wParam, lParam);
}

BOOL CKWCoolMenu::Install(CWnd* pFrame) { return HookWindow(pFrame); }

// ---- Images.

BOOL CKWCoolMenu::LoadToolbarImages(HWND hToolBar) {
  auto hImages = reinterpret_cast<HIMAGELIST>(::SendMessageA(hToolBar, TB_GETIMAGELIST, 0, 0));
  if (hImages == nullptr) return FALSE;
  if (ImageList_GetImageCount(hImages) == 0) return TRUE;
  int cx = 0;
  int cy = 0;
  ImageList_GetIconSize(hImages, &cx, &cy);
  int count = static_cast<int>(::SendMessageA(hToolBar, TB_BUTTONCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    TBBUTTON button = {};
    ::SendMessageA(hToolBar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
    if ((button.fsStyle & TBSTYLE_SEP) != 0 || button.iBitmap < 0) continue;
    AddImage(button.idCommand, ImageList_GetIcon(hImages, button.iBitmap, ILD_NORMAL), cx, cy);
  }
  return TRUE;
}

BOOL CKWCoolMenu::LoadToolbar(UINT nIDResource) {
  CKWToolBar toolBar;
  CWnd* pDesktop = CWnd::FromHandle(::GetDesktopWindow());
  if (!toolBar.Create(pDesktop, WS_CHILD, kTempToolBarId) || !toolBar.LoadToolBar(nIDResource))
    return FALSE;
  LoadToolbarImages(toolBar.m_hWnd);
  toolBar.DestroyWindow();
  return TRUE;
}

BOOL CKWCoolMenu::LoadToolbars(const UINT* pIDs, int nCount) {
  for (int i = 0; i < nCount; ++i)
    if (!LoadToolbar(pIDs[i])) return FALSE;
  return TRUE;
}

BOOL CKWCoolMenu::AddBitmapImages(HBITMAP hBitmap, const UINT* pIDs, int nCount) {
  if (hBitmap == nullptr || pIDs == nullptr) return FALSE;
  CImageList images;
  images.Create(m_sizeImage.cx, m_sizeImage.cy, kImageListFlags, 0, kImageListGrow);
  ImageList_AddMasked(images, hBitmap, KWGetGlobalData().clrBtnFace);
  for (int i = 0; i < nCount; ++i) {
    if (pIDs[i] != 0)
      AddImage(pIDs[i], ImageList_GetIcon(images, i, ILD_NORMAL), m_sizeImage.cx, m_sizeImage.cy);
  }
  return TRUE;
}

BOOL CKWCoolMenu::LoadBitmapImages(UINT nIDResource, const UINT* pIDs, int nCount) {
  HINSTANCE hInst = AfxGetResourceHandle();
  HRSRC hRsrc = ::FindResourceA(hInst, MAKEINTRESOURCEA(nIDResource), MAKEINTRESOURCEA(2));
  HBITMAP hBitmap = hRsrc != nullptr ? LoadSysColorBitmap(hInst, hRsrc) : nullptr;
  if (hBitmap == nullptr) return FALSE;
  BOOL bAdded = AddBitmapImages(hBitmap, pIDs, nCount);
  ::DeleteObject(hBitmap);
  return bAdded;
}

void CKWCoolMenu::AddImage(UINT nID, HICON hIcon, int cx, int cy) {
  DropDrawingImages();
  if (m_bNoImageList) {
    m_sizeImage = CSize(cx, cy);
    m_imageList.Create(cx, cy, kImageListFlags, 0, kImageListGrow);
    m_bNoImageList = FALSE;
  }
  void* pIndex = nullptr;
  if (!m_mapCommands.Lookup(static_cast<WORD>(nID), pIndex)) {
    int nImage = m_imageList.Add(hIcon);
    if (nImage >= 0)
      m_mapCommands.SetAt(static_cast<WORD>(nID), reinterpret_cast<void*>(static_cast<INT_PTR>(nImage)));
  }
  ::DestroyIcon(hIcon);
}

int CKWCoolMenu::ImageOf(UINT nID) const {
  void* pIndex = nullptr;
  if (!m_mapCommands.Lookup(static_cast<WORD>(nID), pIndex)) return -1;
  return static_cast<int>(reinterpret_cast<INT_PTR>(pIndex));
}

CImageList* CKWCoolMenu::GetDrawingImages() {
  if (m_pDrawingImages != nullptr || m_bNoImageList) return m_pDrawingImages;
  // A copy made of icons matches the current display's colours.
  m_pDrawingImages = new CImageList;
  m_pDrawingImages->Create(m_sizeImage.cx, m_sizeImage.cy, kImageListFlags, 0, kImageListGrow);
  for (int i = 0; i < m_imageList.GetImageCount(); ++i) {
    HICON hIcon = ImageList_GetIcon(m_imageList, i, ILD_NORMAL);
    m_pDrawingImages->Replace(-1, hIcon);
    ::DestroyIcon(hIcon);
  }
  return m_pDrawingImages;
}

void CKWCoolMenu::DropDrawingImages() {
  delete m_pDrawingImages;
  m_pDrawingImages = nullptr;
}

void CKWCoolMenu::Reset() {
  m_sizeImage = CSize(0, 0);
  m_sizeButton = CSize(0, 0);
  m_mapCommands.RemoveAll();
  m_imageList.DeleteImageList();
  m_bNoImageList = TRUE;
  DropDrawingImages();
}

// ---- Records.

CKWMenuItemData* CKWCoolMenu::FindRecord(ULONG_PTR data) const {
  // Only the records made here are read: another item's data may be any value.
  auto* pData = reinterpret_cast<CKWMenuItemData*>(data);
  if (pData == nullptr || m_listItemData.Find(pData) == nullptr) return nullptr;
  return pData->m_dwMagic == kKWMenuItemMagic ? pData : nullptr;
}

CKWMenuItemData* CKWCoolMenu::GetItemData(HMENU hMenu, int nPos) const {
  MENUITEMINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_DATA;
  if (!::IsMenu(hMenu) || !::GetMenuItemInfoA(hMenu, nPos, TRUE, &info)) return nullptr;
  return FindRecord(info.dwItemData);
}

CKWMenuItemData* CKWCoolMenu::NewRecord(HMENU hMenu, int nPos, UINT nID, UINT nType, UINT nState,
                                        HMENU hSubMenu, const CString& text) {
  auto* pData = new CKWMenuItemData;
  pData->m_strText = text;
  pData->m_hMenu = hMenu;
  pData->m_hSubMenu = hSubMenu;
  pData->m_nPosition = nPos;
  pData->m_nImage = ImageOf(nID);
  pData->m_nID = nID;
  pData->m_nType = nType;
  pData->m_nState = nState;
  m_listItemData.AddTail(pData);
  return pData;
}

void CKWCoolMenu::DeleteRecord(CKWMenuItemData* pData) {
  POSITION pos = m_listItemData.Find(pData);
  if (pos != nullptr) m_listItemData.RemoveAt(pos);
  delete pData;
}

int CKWCoolMenu::FindCommandPos(HMENU hMenu, UINT nID) {
  if (!::IsMenu(hMenu)) return -1;
  int count = ::GetMenuItemCount(hMenu);
  for (int i = 0; i < count; ++i)
    if (::GetMenuItemID(hMenu, i) == nID) return i;
  return -1;
}

// ---- Conversion.

void CKWCoolMenu::ConvertMenu(HMENU hMenu, BOOL bToOwnerDraw) {
  if (!::IsMenu(hMenu)) return;
  bool rareWanted = m_bPersonalized && IsPopupTracking();
  int count = ::GetMenuItemCount(hMenu);
  for (int i = 0; i < count; ++i) {
    MenuItem item;
    if (!ReadItem(hMenu, i, item)) continue;
    MENUITEMINFOA& info = item.info;
    CKWMenuItemData* pData = FindRecord(info.dwItemData);
    if (info.dwItemData != 0 && pData == nullptr) continue;
    MENUITEMINFOA change = {};
    change.cbSize = sizeof change;
    change.fType = info.fType;
    if (bToOwnerDraw) {
      if ((info.fType & MFT_OWNERDRAW) == 0) {
        change.fMask |= MIIM_FTYPE;
        change.fType |= MFT_OWNERDRAW;
      }
      if (pData == nullptr) {
        pData = NewRecord(hMenu, i, info.wID, info.fType, info.fState, info.hSubMenu, item.text);
        if (rareWanted && IsRarelyUsed(info.wID)) pData->m_nFlags = kKWRarelyUsed;
        change.fMask |= MIIM_DATA;
        change.dwItemData = reinterpret_cast<ULONG_PTR>(pData);
      }
      if (m_listMenus.Find(hMenu) == nullptr) m_listMenus.AddTail(hMenu);
    } else {
      if (pData == nullptr) continue;
      change.fMask = MIIM_FTYPE | MIIM_DATA;
      change.fType &= ~MFT_OWNERDRAW;
      change.dwItemData = 0;
      if (!pData->IsSeparator()) {
        change.fMask |= MIIM_STRING;
        change.dwTypeData = const_cast<char*>(static_cast<const char*>(pData->m_strText));
      }
    }
    if (change.fMask != 0) ::SetMenuItemInfoA(hMenu, i, TRUE, &change);
    // The text is written back before its record goes.
    if (!bToOwnerDraw) DeleteRecord(pData);
  }
}

BOOL CKWCoolMenu::IsSystemMenu(HMENU hMenu) {
  if (m_hWnd == nullptr) return FALSE;
  if (hMenu == ::GetSystemMenu(m_hWnd, FALSE)) return TRUE;
  auto* pFrame = dynamic_cast<CFrameWnd*>(CWnd::FromHandle(m_hWnd));
  CFrameWnd* pActive = pFrame != nullptr ? pFrame->GetActiveFrame() : nullptr;
  return pActive != nullptr && pActive->m_hWnd != m_hWnd &&
         hMenu == ::GetSystemMenu(pActive->m_hWnd, FALSE);
}

void CKWCoolMenu::ApplyOrigin(HMENU hMenu) {
  if (g_dwKWMenuOrigin == 0) return;
  int count = ::GetMenuItemCount(hMenu);
  bool every = std::find(std::begin(kOriginEveryItem), std::end(kOriginEveryItem),
                         g_dwKWMenuOrigin) != std::end(kOriginEveryItem);
  for (int i = 0; i < count; ++i) {
    bool marked = every || (g_dwKWMenuOrigin == kOriginLastItem ? i == count - 1 : i == 0);
    CKWMenuItemData* pData = GetItemData(hMenu, i);
    if (marked && pData != nullptr) pData->m_nOrigin = g_dwKWMenuOrigin;
  }
  g_dwKWMenuOrigin = 0;
}

void CKWCoolMenu::OnInitMenuPopup(HMENU hMenu, UINT, BOOL bSysMenu) {
  g_bKWChevronSelected = FALSE;
  g_sizeKWMenuItemMargin = KWGetGlobalData().bOfficeLook ? kFlatMargin : kPlainMargin;
  m_sizeButton = CSize(m_sizeImage.cx + 2 * g_sizeKWMenuItemMargin.cx,
                       m_sizeImage.cy + 2 * g_sizeKWMenuItemMargin.cy);
  if (bSysMenu || IsSystemMenu(hMenu)) {
    KWForgetPendingMenuWindow();
    return;
  }
  KWAnnounceMenu(hMenu);
  ConvertMenu(hMenu, TRUE);
  if (m_bPersonalized && IsPopupTracking()) HideRarelyUsedItems(hMenu);
  ApplyOrigin(hMenu);
}

void CKWCoolMenu::OnMenuSelect(UINT, UINT nFlags, HMENU hMenu) {
  if (nFlags != kMenuClosed || hMenu != nullptr) return;
  KWForgetAnnouncedMenu();
  while (!m_listMenus.IsEmpty()) {
    auto hConverted = static_cast<HMENU>(m_listMenus.RemoveHead());
    RestoreHiddenItems(hConverted);
    ConvertMenu(hConverted, FALSE);
  }
  g_bKWExpandedMenus = FALSE;
}

LRESULT CKWCoolMenu::OnMenuChar(UINT nChar, UINT, HMENU hMenu) {
  if (!::IsMenu(hMenu)) return 0;
  std::vector<KWMenuCharItem> items;
  int count = ::GetMenuItemCount(hMenu);
  for (int i = 0; i < count; ++i) {
    KWMenuCharItem item;
    CKWMenuItemData* pData = GetItemData(hMenu, i);
    UINT state = ::GetMenuState(hMenu, i, MF_BYPOSITION);
    item.ownerDrawn = pData != nullptr && (state & MFT_OWNERDRAW) != 0;
    if (pData != nullptr) item.text = pData->m_strText;
    item.highlighted = (state & MFS_HILITE) != 0;
    items.push_back(item);
  }
  return KWChooseMenuChar(items, static_cast<unsigned char>(nChar));
}

void CKWCoolMenu::OnTimer(UINT_PTR nIDEvent) {
  ::KillTimer(m_hWnd, m_nExpandTimer);
  m_bExpandTimerRunning = FALSE;
  if (nIDEvent == m_nExpandTimer && !g_bKWMenuBarIdle)
    ::SendMessageA(m_hWnd, WM_COMMAND, kKWFullMenusCommand, 0);
}

BOOL CKWCoolMenu::IsPopupTracking() { return g_bKWPopupTracking; }

// ---- Personalised menus.

BOOL CKWCoolMenu::AddHiddenCommand(UINT nID) {
  m_bPersonalized = TRUE;
  m_arrHidden.Add(nID);
  return TRUE;
}

BOOL CKWCoolMenu::AddHiddenCommands(const UINT* pIDs, int nCount) {
  for (int i = 0; i < nCount; ++i)
    if (!AddHiddenCommand(pIDs[i])) return FALSE;
  return TRUE;
}

BOOL CKWCoolMenu::IsRarelyUsed(UINT nID) {
  for (int i = 0; i < m_arrHidden.GetSize(); ++i)
    if (m_arrHidden[i] == nID) return !IsRecentCommand(nID);
  return FALSE;
}

BOOL CKWCoolMenu::IsRecentCommand(UINT nID) { return KWIsRecent(ReadRecent(m_nRecentCount), nID); }

void CKWCoolMenu::OnCommandUsed(UINT nID) {
  if (!IsRarelyUsed(nID) && !IsRecentCommand(nID)) return;
  std::vector<UINT> recent = ReadRecent(m_nRecentCount);
  KWPutRecentFirst(recent, nID, m_nRecentCount);
  CKWProfileStore store;
  for (size_t i = 0; i < recent.size(); ++i)
    store.WriteInt(kKWRecentSection, KWRecentValueName(static_cast<int>(i) + 1),
                   static_cast<int>(recent[i]));
}

void CKWCoolMenu::ClearRecentItems() {
  CKWProfileStore store;
  for (int i = 1; store.DeleteValue(kKWRecentSection, KWRecentValueName(i)); ++i) {
  }
}

UINT CKWCoolMenu::FlagsAt(HMENU hMenu, int nPos) const {
  CKWMenuItemData* pData = GetItemData(hMenu, nPos);
  return pData != nullptr ? pData->m_nFlags : 0;
}

BOOL CKWCoolMenu::IsPrevItemHidden(HMENU hMenu, int nPos) {
  return nPos <= 0 || (FlagsAt(hMenu, nPos - 1) & kKWRarelyUsed) != 0;
}

BOOL CKWCoolMenu::IsNextItemHidden(HMENU hMenu, int nPos) {
  return nPos >= ::GetMenuItemCount(hMenu) - 1 || (FlagsAt(hMenu, nPos + 1) & kKWRarelyUsed) != 0;
}

BOOL CKWCoolMenu::IsFirstItem(HMENU hMenu, int nPos) {
  CKWMenuItemData* pData = GetItemData(hMenu, 0);
  return pData != nullptr && pData->m_nPosition == nPos;
}

BOOL CKWCoolMenu::IsLastItem(HMENU hMenu, int nPos, UINT nID) {
  if (nID == kKWFullMenusCommand) return TRUE;
  int last = ::GetMenuItemCount(hMenu) - 1;
  if (::GetMenuItemID(hMenu, last) == kKWFullMenusCommand) return FALSE;
  return nPos == last;
}

namespace {

std::vector<KWPersonalItem> PersonalItems(const CKWCoolMenu& menu, HMENU hMenu) {
  std::vector<KWPersonalItem> items;
  int count = ::GetMenuItemCount(hMenu);
  for (int i = 0; i < count; ++i) {
    KWPersonalItem item;
    item.id = ::GetMenuItemID(hMenu, i);
    item.separator = (::GetMenuState(hMenu, i, MF_BYPOSITION) & MF_SEPARATOR) != 0;
    CKWMenuItemData* pData = menu.GetItemData(hMenu, i);
    item.flags = pData != nullptr ? pData->m_nFlags : 0;
    items.push_back(item);
  }
  return items;
}

}  // namespace

BOOL CKWCoolMenu::HasHiddenItems(HMENU hMenu) {
  if (!::IsMenu(hMenu)) return FALSE;
  for (const KWPersonalItem& item : PersonalItems(*this, hMenu)) {
    if (item.id != kKWFullMenusCommand && (item.flags & kKWRarelyUsed) != 0 &&
        !IsRecentCommand(item.id))
      return TRUE;
  }
  return FALSE;
}

void CKWCoolMenu::UpdateChevron(HMENU hMenu, BOOL bForce) {
  if (!::IsMenu(hMenu)) return;
  KWChevronChange change = KWPlanChevron(PersonalItems(*this, hMenu), g_bKWExpandedMenus, bForce);
  // The plan counts any rarely used item; the profile may have made it recent since.
  change.add = change.add && HasHiddenItems(hMenu);
  if (change.remove) {
    int nPos = FindCommandPos(hMenu, kKWFullMenusCommand);
    CKWMenuItemData* pData = GetItemData(hMenu, nPos);
    ::DeleteMenu(hMenu, nPos, MF_BYPOSITION);
    if (pData != nullptr) DeleteRecord(pData);
  }
  if (!change.add) return;
  int nPos = ::GetMenuItemCount(hMenu);
  CKWMenuItemData* pData =
      NewRecord(hMenu, nPos, kKWFullMenusCommand, MFT_STRING, 0, nullptr, kKWChevronText);
  MENUITEMINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA | MIIM_STRING;
  info.fType = MFT_OWNERDRAW;
  info.wID = kKWFullMenusCommand;
  info.dwItemData = reinterpret_cast<ULONG_PTR>(pData);
  info.dwTypeData = const_cast<char*>(kKWChevronText);
  ::InsertMenuItemA(hMenu, nPos, TRUE, &info);
}

void CKWCoolMenu::TakeOut(HMENU hMenu, int nPos) {
  CKWMenuItemData* pData = GetItemData(hMenu, nPos);
  if (pData == nullptr) return;
  pData->m_nState = ::GetMenuState(hMenu, nPos, MF_BYPOSITION) & ~MFS_HILITE;
  pData->m_nPosition = nPos;
  pData->m_bRemoved = TRUE;
  // A popup item is only detached, so that its submenu survives.
  if (pData->m_hSubMenu != nullptr && ::IsMenu(pData->m_hSubMenu))
    ::RemoveMenu(hMenu, nPos, MF_BYPOSITION);
  else
    ::DeleteMenu(hMenu, nPos, MF_BYPOSITION);
}

void CKWCoolMenu::HideRarelyUsedItems(HMENU hMenu) {
  if (!::IsMenu(hMenu)) return;
  std::vector<KWPersonalItem> items = PersonalItems(*this, hMenu);
  KWMarkRareRuns(items);
  for (int i = 0; i < static_cast<int>(items.size()); ++i) {
    CKWMenuItemData* pData = GetItemData(hMenu, i);
    if (pData != nullptr) pData->m_nFlags = items[i].flags;
  }
  UpdateChevron(hMenu, g_bKWExpandedMenus);
  if (g_bKWExpandedMenus) return;
  for (int nPos : KWPlanHiddenItems(PersonalItems(*this, hMenu))) TakeOut(hMenu, nPos);
}

int CKWCoolMenu::RestoreHiddenItems(HMENU hMenu) {
  if (!::IsMenu(hMenu)) return 0;
  std::vector<CKWMenuItemData*> removed;
  for (POSITION pos = m_listItemData.GetHeadPosition(); pos != nullptr;) {
    auto* pData = static_cast<CKWMenuItemData*>(m_listItemData.GetNext(pos));
    if (pData->m_hMenu == hMenu && pData->m_bRemoved) removed.push_back(pData);
  }
  // Taken out last first, so put back first first.
  std::sort(removed.begin(), removed.end(), [](const CKWMenuItemData* a, const CKWMenuItemData* b) {
    return a->m_nPosition < b->m_nPosition;
  });
  for (CKWMenuItemData* pData : removed) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA;
    info.fType = pData->m_nType | MFT_OWNERDRAW;
    info.fState = pData->m_nState;
    info.wID = pData->m_nID;
    info.hSubMenu = ::IsMenu(pData->m_hSubMenu) ? pData->m_hSubMenu : nullptr;
    info.dwItemData = reinterpret_cast<ULONG_PTR>(pData);
    if (!pData->IsSeparator()) {
      info.fMask |= MIIM_STRING;
      info.dwTypeData = const_cast<char*>(static_cast<const char*>(pData->m_strText));
    }
    ::InsertMenuItemA(hMenu, pData->m_nPosition, TRUE, &info);
    pData->m_bRemoved = FALSE;
  }
  return static_cast<int>(removed.size());
}
