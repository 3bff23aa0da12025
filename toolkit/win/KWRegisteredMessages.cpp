#include "toolkit/win/KWRegisteredMessages.h"

UINT KWTrayIconNotifyMessage() {
  static const UINT message = ::RegisterWindowMessageA("KWTrayIconNotify");
  return message;
}

UINT KWBarContextMenuMessage() {
  static const UINT message = ::RegisterWindowMessageA("KWBarContextMenu");
  return message;
}
