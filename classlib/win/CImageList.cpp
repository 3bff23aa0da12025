#include "classlib/win/CImageList.h"

#include "classlib/core/Debug.h"
#include "classlib/win/CBitmap.h"
#include "classlib/win/CDC.h"
#include "classlib/win/CWinApp.h"
#include "classlib/win/HandleMap.h"

namespace {
CImageList* NewTemporary(HIMAGELIST hImageList) {
  CImageList* pList = new CImageList;
  pList->m_hImageList = hImageList;
  return pList;
}

void ReleaseTemporary(CImageList* pList) { pList->m_hImageList = nullptr; }

CHandleMap<CImageList, HIMAGELIST>& ImageListMap() {
  return AfxHandleMap<CImageList, HIMAGELIST>(NewTemporary, ReleaseTemporary);
}

HBITMAP BitmapHandle(CBitmap* pBitmap) {
  return pBitmap != nullptr ? static_cast<HBITMAP>(pBitmap->m_hObject) : nullptr;
}
}  // namespace

IMPLEMENT_DYNCREATE(CImageList, CObject)

CImageList::~CImageList() { DeleteImageList(); }

CImageList* CImageList::FromHandle(HIMAGELIST hImageList) {
  return ImageListMap().FromHandle(hImageList);
}

CImageList* CImageList::FromHandlePermanent(HIMAGELIST hImageList) {
  return ImageListMap().LookupPermanent(hImageList);
}

void CImageList::DeleteTempMap() { ImageListMap().DeleteTemp(); }

BOOL CImageList::Attach(HIMAGELIST hImageList) {
  ASSERT(m_hImageList == nullptr);
  if (hImageList == nullptr) return FALSE;
  m_hImageList = hImageList;
  ImageListMap().SetPermanent(hImageList, this);
  return TRUE;
}

HIMAGELIST CImageList::Detach() {
  HIMAGELIST hImageList = m_hImageList;
  if (hImageList != nullptr) {
    auto& map = ImageListMap();
    if (map.LookupPermanent(hImageList) == this) map.RemovePermanent(hImageList);
  }
  m_hImageList = nullptr;
  return hImageList;
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow) {
  return Attach(ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask) {
  return Create(MAKEINTRESOURCE(nBitmapID), cx, nGrow, crMask);
}

BOOL CImageList::Create(LPCTSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask) {
  return Attach(ImageList_LoadImageA(AfxFindResourceHandle(lpszBitmapID, RT_BITMAP), lpszBitmapID,
                                     cx, nGrow, crMask, IMAGE_BITMAP, 0));
}

BOOL CImageList::DeleteImageList() {
  if (m_hImageList == nullptr) return FALSE;
  return ImageList_Destroy(Detach());
}

int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask) {
  return ImageList_Add(m_hImageList, BitmapHandle(pbmImage), BitmapHandle(pbmMask));
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask) {
  return ImageList_AddMasked(m_hImageList, BitmapHandle(pbmImage), crMask);
}

BOOL CImageList::Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask) {
  return ImageList_Replace(m_hImageList, nImage, BitmapHandle(pbmImage), BitmapHandle(pbmMask));
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle) {
  return ImageList_Draw(m_hImageList, nImage, pDC->m_hDC, pt.x, pt.y, nStyle);
}
