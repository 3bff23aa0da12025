// Shows the wait cursor for as long as the object lives.
#pragma once

class CWaitCursor {
 public:
  CWaitCursor();
  ~CWaitCursor();
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;

  // Shows it again after something (a message box) changed the cursor.
  void Restore();
};
