// Message boxes in UI tests: read what a box says and answer it, without a
// person at the screen.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The texts of a window's children (a message box's text and buttons), each
// followed by "|".
std::string ChildTexts(HWND hWnd);

struct ShownMessageBox {
  std::string caption;
  std::string texts;  // as ChildTexts gives them
};

// While it lives, every message box this thread shows is read and closed
// with nAnswer (IDOK, IDYES, IDNO, IDCANCEL, ...), by a timer that runs in
// the box's own message loop. With a caption, only the dialogs of that
// caption are answered (the system's Print dialog, not the printing status).
class MessageBoxAnswerer {
 public:
  explicit MessageBoxAnswerer(int nAnswer = IDOK, const char* pszCaption = nullptr);
  ~MessageBoxAnswerer();
  MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
  MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

  const std::vector<ShownMessageBox>& Boxes() const { return m_boxes; }

 private:
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
  static BOOL CALLBACK AnswerBox(HWND hWnd, LPARAM lParam);

  int m_nAnswer;
  std::string m_caption;  // empty: every dialog
  UINT_PTR m_timer = 0;
  std::vector<ShownMessageBox> m_boxes;
};
