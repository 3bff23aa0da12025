#include "hebtext/win/UserMessageBoxes.h"

#include <windows.h>

#include "classlib/win/CWnd.h"

void ShowUserMessages(CWnd* pOwner, const UserMessageList& messages) {
  for (const UserMessage& message : messages) {
    ::MessageBoxA(pOwner != nullptr ? pOwner->m_hWnd : nullptr, message.text,
                  message.caption.IsEmpty() ? nullptr : static_cast<LPCSTR>(message.caption),
                  MB_OK | MB_ICONEXCLAMATION);
  }
}
