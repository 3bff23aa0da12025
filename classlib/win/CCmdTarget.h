// The base of every object that receives messages and commands, and the
// message maps that bind message numbers and command ids to member functions.
//
// A class with a map declares DECLARE_MESSAGE_MAP() and lists its entries
// between BEGIN_MESSAGE_MAP(theClass, baseClass) and END_MESSAGE_MAP() (the
// ON_* macros are in MessageMap.h). Each entry holds a small function that
// unpacks the message's parameters and calls the handler with its own typed
// signature, so a handler of the wrong signature does not compile. Lookups
// search the class's entries first, then those of its base classes.
#pragma once

#include "classlib/core/CObject.h"
#include "classlib/win/AfxMsg.h"

class CCmdTarget;
class CCmdUI;

// Marks the handlers that message-map entries call.
#define afx_msg

// What an entry's function receives: the command id, the message parameters
// and, for commands, the extra data of OnCmdMsg; it stores the message's
// result and returns FALSE when a command handler declined the command.
struct AFX_MSGARGS {
  UINT nID;
  WPARAM wParam;
  LPARAM lParam;
  void* pExtra;
  LRESULT result;
};

using AFX_PMSGCALL = BOOL (*)(CCmdTarget* pTarget, AFX_MSGARGS& args);

struct AFX_MSGMAP_ENTRY {
  UINT nMessage;             // window message, WM_COMMAND, WM_NOTIFY or a reflected one
  UINT nCode;                // notification code of commands and notifications
  UINT nID;                  // first control or command id
  UINT nLastID;              // last id of a range
  const UINT* pnRegistered;  // ON_REGISTERED_MESSAGE: where the message number is kept
  AFX_PMSGCALL pfnCall;      // nullptr ends the entries
};

struct AFX_MSGMAP {
  const AFX_MSGMAP* (*pfnGetBaseMap)();
  const AFX_MSGMAP_ENTRY* lpEntries;
};

// Filled by OnCmdMsg instead of calling the handler: which object would take
// the command.
struct AFX_CMDHANDLERINFO {
  CCmdTarget* pTarget;
  const AFX_MSGMAP_ENTRY* pEntry;
};

// The extra data of a WM_NOTIFY routed through OnCmdMsg.
struct AFX_NOTIFY {
  LRESULT* pResult;
  NMHDR* pNMHDR;
};

class CCmdTarget : public CObject {
  DECLARE_DYNAMIC(CCmdTarget)
 public:
  // Routes a command (nCode CN_COMMAND or CN_UPDATE_COMMAND_UI) or, with the
  // message in the high word of nCode, a notification to this object's map.
  // With pHandlerInfo the handler is only looked up, not called.
  virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

  void BeginWaitCursor();
  void EndWaitCursor();
  void RestoreWaitCursor();

  // The first entry of the map chain that takes this message and id, or nullptr.
  static const AFX_MSGMAP_ENTRY* FindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage, UINT nCode,
                                                  UINT nID);

 protected:
  static const AFX_MSGMAP* GetThisMessageMap();
  virtual const AFX_MSGMAP* GetMessageMap() const;
};

#define DECLARE_MESSAGE_MAP()                   \
 protected:                                     \
  static const AFX_MSGMAP* GetThisMessageMap(); \
  const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                      \
  const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  const AFX_MSGMAP* theClass::GetThisMessageMap() {                                 \
    using ThisClass = theClass;                                                     \
    using TheBaseClass = baseClass;                                                 \
    static const AFX_MSGMAP_ENTRY _messageEntries[] = {
#define END_MESSAGE_MAP()                                                                       \
  { 0, 0, 0, 0, nullptr, nullptr }                                                              \
  }                                                                                             \
  ;                                                                                             \
  static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
  return &messageMap;                                                                           \
  }

// One entry whose function runs the statements given last, with p_ the
// object (of the map's class) and a_ the AFX_MSGARGS.
#define ZULTA_MSG_ENTRY(nMessage, nCode, nID, nLastID, pnRegistered, ...) \
  {static_cast<UINT>(nMessage),                                           \
   static_cast<UINT>(nCode),                                              \
   static_cast<UINT>(nID),                                                \
   static_cast<UINT>(nLastID),                                            \
   pnRegistered,                                                          \
   [](CCmdTarget* pTarget_, AFX_MSGARGS& a_) -> BOOL {                    \
     ThisClass* p_ = static_cast<ThisClass*>(pTarget_);                   \
     (void)p_;                                                            \
     (void)a_;                                                            \
     __VA_ARGS__;                                                         \
     return TRUE;                                                         \
   }},
