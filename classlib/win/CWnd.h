// A window object bound to a window handle. Messages reach the object's
// virtual WindowProc; a window created through CreateEx is bound from its
// very first message.
#pragma once

#include "classlib/core/CObject.h"

class CWnd : public CObject {
  DECLARE_DYNAMIC(CWnd)
 public:
  CWnd() = default;
  ~CWnd() override;

  BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                LPVOID lpParam = nullptr);
  virtual BOOL DestroyWindow();
  HWND GetSafeHwnd() const { return m_hWnd; }

  // The object bound to a window, or nullptr.
  static CWnd* FromHandlePermanent(HWND hWnd);

  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

  HWND m_hWnd = nullptr;

 protected:
  // Called after the window is gone; frame windows delete themselves here.
  virtual void PostNcDestroy();

 private:
  void Attach(HWND hWnd);
  friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
};

// The window procedure of every window class registered by the class library.
LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Registers (once) and names a window class with the given style, cursor,
// background and icon, served by AfxWndProc.
LPCSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr,
                           HBRUSH hbrBackground = nullptr, HICON hIcon = nullptr);
