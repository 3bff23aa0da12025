// Everything of the class library in one include, for program code.
#pragma once

// The portable core.
#include "classlib/core/CArchive.h"
#include "classlib/core/CArchiveException.h"
#include "classlib/core/CArray.h"
#include "classlib/core/CException.h"
#include "classlib/core/CFile.h"
#include "classlib/core/CFileException.h"
#include "classlib/core/CList.h"
#include "classlib/core/CMap.h"
#include "classlib/core/CMemFile.h"
#include "classlib/core/CObject.h"
#include "classlib/core/CStdioFile.h"
#include "classlib/core/CString.h"
#include "classlib/core/CTime.h"
#include "classlib/core/Collections.h"
#include "classlib/core/Geometry.h"
#include "classlib/core/TypedPtrCollections.h"

// Application, windows, messages and command routing.
#include "classlib/win/AfxMsg.h"
#include "classlib/win/AfxState.h"
#include "classlib/win/CCmdTarget.h"
#include "classlib/win/CCmdUI.h"
#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CWaitCursor.h"
#include "classlib/win/CWinApp.h"
#include "classlib/win/CWinThread.h"
#include "classlib/win/CWnd.h"
#include "classlib/win/HandleMap.h"
#include "classlib/win/MessageMap.h"

// Drawing and menus.
