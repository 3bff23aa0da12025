// A list of images of one size, kept in one bitmap with an optional mask
// (then drawn transparently). The object owns its list: the destructor
// deletes it unless it was detached. A list nobody wrapped gets a temporary
// object from FromHandle, which lives until the next idle time.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "classlib/core/CObject.h"

class CBitmap;
class CDC;

class CImageList : public CObject {
  DECLARE_DYNCREATE(CImageList)
 public:
  CImageList() = default;
  ~CImageList() override;
  CImageList(const CImageList&) = delete;
  CImageList& operator=(const CImageList&) = delete;

  HIMAGELIST m_hImageList = nullptr;
  operator HIMAGELIST() const { return m_hImageList; }
  HIMAGELIST GetSafeHandle() const { return m_hImageList; }

  static CImageList* FromHandle(HIMAGELIST hImageList);
  static CImageList* FromHandlePermanent(HIMAGELIST hImageList);
  static void DeleteTempMap();
  BOOL Attach(HIMAGELIST hImageList);
  HIMAGELIST Detach();

  // An empty list of cx by cy images (ILC_MASK, ILC_COLOR* in nFlags).
  BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
  // The images of a bitmap resource cut in strips cx wide, as tall as the
  // bitmap; pixels of crMask become transparent (CLR_NONE: no mask).
  BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);
  BOOL Create(LPCTSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask);
  BOOL DeleteImageList();

  int GetImageCount() const { return ImageList_GetImageCount(m_hImageList); }
  BOOL GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const {
    return ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo);
  }
  COLORREF SetBkColor(COLORREF cr) { return ImageList_SetBkColor(m_hImageList, cr); }
  COLORREF GetBkColor() const { return ImageList_GetBkColor(m_hImageList); }

  // Each gives the index of the first image added, or -1.
  int Add(CBitmap* pbmImage, CBitmap* pbmMask);
  int Add(CBitmap* pbmImage, COLORREF crMask);
  int Add(HICON hIcon) { return ImageList_AddIcon(m_hImageList, hIcon); }
  BOOL Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask);
  // Gives the image's index, or -1.
  int Replace(int nImage, HICON hIcon) {
    return ImageList_ReplaceIcon(m_hImageList, nImage, hIcon);
  }
  // -1 removes every image.
  BOOL Remove(int nImage) { return ImageList_Remove(m_hImageList, nImage); }
  BOOL SetOverlayImage(int nImage, int nOverlay) {
    return ImageList_SetOverlayImage(m_hImageList, nImage, nOverlay);
  }

  // nStyle: ILD_NORMAL, ILD_TRANSPARENT, ILD_MASK, ILD_BLEND50, ...
  BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);
  // A new icon made of the image; the caller destroys it.
  HICON ExtractIcon(int nImage) { return ImageList_GetIcon(m_hImageList, nImage, ILD_NORMAL); }
};
