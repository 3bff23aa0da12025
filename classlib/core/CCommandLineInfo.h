// What the program's command line asks for, parsed one parameter at a time:
// a file to open, "/p" to print it, "/pt" to print it to a named printer,
// "/dde" to wait for the shell's DDE request, "/Embedding" and
// "/Automation" to start for OLE, "/Unregister" to remove the registration.
// Flags begin with '/' or '-' and are matched without case.
#pragma once

#include "classlib/core/CString.h"
#include "classlib/core/Collections.h"
#include "classlib/core/WinTypes.h"

class CCommandLineInfo {
 public:
  enum Shell {
    FileNew,
    FileOpen,
    FilePrint,
    FilePrintTo,
    FileDDE,
    AppUnregister,
    FileNothing = -1,
  };

  CCommandLineInfo() = default;
  virtual ~CCommandLineInfo() = default;

  // One parameter: bFlag when it began with '/' or '-' (which lpszParam no
  // longer holds); bLast for the last one.
  virtual void ParseParam(LPCSTR lpszParam, BOOL bFlag, BOOL bLast);

  BOOL m_bShowSplash = TRUE;
  BOOL m_bRunEmbedded = FALSE;
  BOOL m_bRunAutomated = FALSE;
  Shell m_nShellCommand = FileNew;
  CString m_strFileName;
  // The printer of /pt, in the order given.
  CString m_strPrinterName;
  CString m_strDriverName;
  CString m_strPortName;

 private:
  void ParseParamFlag(LPCSTR lpszParam);
  void ParseParamNotFlag(LPCSTR lpszParam);
  void ParseLast(BOOL bLast);
};

// The parameters of a command line (without the program's name), split as
// the C runtime splits them: white space separates, double quotes group, a
// backslash escapes a quote only when it precedes one.
void SplitCommandLine(LPCSTR lpszCmdLine, CStringArray& rArgs);

// Feeds each parameter of lpszCmdLine to rCmdInfo.ParseParam, with its flag
// character taken off.
void ParseCommandLineInto(CCommandLineInfo& rCmdInfo, LPCSTR lpszCmdLine);
