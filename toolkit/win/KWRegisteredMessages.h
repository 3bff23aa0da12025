// The toolkit's registered window messages, registered on first use.
#pragma once

#include <windows.h>

// "KWTrayIconNotify": a tray icon's notification.
UINT KWTrayIconNotifyMessage();
// "KWBarContextMenu": a bar's context menu is asked for.
UINT KWBarContextMenuMessage();
