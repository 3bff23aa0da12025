// The speaking face: a small modeless dialog whose face moves its mouth with
// the engine's phoneme notices while it speaks (and, for the menorah, whose
// candle flames flicker). One at a time; the application creates and closes
// it.
#pragma once

#include <memory>

#include "classlib/win/CBitmap.h"
#include "classlib/win/CDC.h"
#include "classlib/win/CDialog.h"
#include "speech/core/FaceMouth.h"

class CSpeakAnimDlg : public CDialog {
 public:
  // face: the engine's Face switch (1 to 4) that the dialog shows.
  CSpeakAnimDlg(int face, CWnd* pParent);
  ~CSpeakAnimDlg() override;

  // Creates the dialog over its parent.
  BOOL Create();
  // The one face dialog that has a window, or null.
  static CSpeakAnimDlg* Active();

  // Shows the face for another request: its notify window replaced, the
  // stopped flag cleared.
  void SetNotifyWindow(HWND hNotify);
  // The menorah's flames flicker on a timer while it speaks.
  void StartAnimation();
  void StopAnimation();
  // Stops speech; when something was stopped, the mouth goes to rest.
  void StopSpeaking();

  int Face() const { return m_face; }
  enum : UINT_PTR { kFlameTimer = 201 };
  enum : UINT { kFlameMs = 250 };

 protected:
  BOOL OnInitDialog() override;
  void OnCancel() override;
  afx_msg void OnPaint();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnDestroy();
  afx_msg LRESULT OnPhoneme(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  void LoadPictures();
  void PlaceOverParent();
  // Where the face's place is kept: chosen by the parent's caption.
  CString PositionKey() const;
  // The face's own picture, mouth at rest, into the back buffer.
  void RestFace();
  void DrawMouth(BYTE opening, BYTE width);
  void DrawNerlaCell(int row, int column);
  void DrawFlames(bool centreOnly);
  CSize PictureSize() const;

  int m_face;
  HWND m_hParent;  // kept as a handle: the parent object may be a temporary one
  HWND m_hNotify = nullptr;
  bool m_stopped = false;
  int m_mouthRow = kNerlaRestRow;
  int m_mouthColumn = kNerlaRestColumn;
  UINT_PTR m_timer = 0;
  CBitmap m_facePicture;
  CBitmap m_parts;    // Nerla's mouths, the star's pattern or the menorah's flames
  CBitmap m_canvas;   // what is shown: the picture with the current mouth
  CDC m_memDC;        // holds the canvas
  std::unique_ptr<CDC> m_partsDC;
};
