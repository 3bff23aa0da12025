// Window-procedure hooks: objects that see the messages of a window that is
// not theirs. Several hooks of one window form a chain, newest first; each
// passes what it does not consume to the next, the last to the window's own
// procedure. CKWWindowMap finds the newest hook of a window.
#pragma once

#include <windows.h>

#include "classlib/core/Collections.h"
#include "classlib/core/CObject.h"

class CWnd;

class CKWWndHook : public CObject {
  DECLARE_DYNAMIC(CKWWndHook)

 public:
  CKWWndHook() = default;
  // A hook destroyed while its window lives leaves the chain.
  ~CKWWndHook() override;
  CKWWndHook(const CKWWndHook&) = delete;
  CKWWndHook& operator=(const CKWWndHook&) = delete;

  virtual BOOL IsWindowHooked() { return m_hWnd != nullptr; }
  // Becomes the newest hook of the window; nullptr takes this hook out of its
  // chain, wherever it stands. A hooked hook leaves its window first.
  virtual BOOL HookWindow(HWND hWnd);
  virtual BOOL HookWindow(CWnd* pWnd);
  // The base passes the message on down the chain.
  virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);

  // Passes on the message being handled.
  LRESULT Default();

  HWND m_hWnd = nullptr;
  // The window's procedure before its first hook (the same in every hook of a chain).
  WNDPROC m_pOldWndProc = nullptr;
  // The next older hook of the same window.
  CKWWndHook* m_pNext = nullptr;

 private:
  void Unhook();
  friend LRESULT CALLBACK KWHookWndProc(HWND, UINT, WPARAM, LPARAM);
};

// The newest hook of each hooked window.
class CKWWindowMap : public CMapPtrToPtr {
  DECLARE_DYNAMIC(CKWWindowMap)

 public:
  static constexpr int kBlockSize = 10;
  CKWWindowMap() : CMapPtrToPtr(kBlockSize) {}

  CKWWndHook* Lookup(HWND hWnd) const;
  void Add(HWND hWnd, CKWWndHook* pHook);
  void Remove(HWND hWnd);
};

CKWWindowMap& KWGetWindowMap();

// The window procedure of every hooked window.
LRESULT CALLBACK KWHookWndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
