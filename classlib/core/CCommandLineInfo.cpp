#include "classlib/core/CCommandLineInfo.h"

namespace {

constexpr char kQuote = '"';
constexpr char kBackslash = '\\';

bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }
bool IsFlagStart(char ch) { return ch == '/' || ch == '-'; }

}  // namespace

void CCommandLineInfo::ParseParam(LPCSTR lpszParam, BOOL bFlag, BOOL bLast) {
  if (bFlag)
    ParseParamFlag(lpszParam);
  else
    ParseParamNotFlag(lpszParam);
  ParseLast(bLast);
}

void CCommandLineInfo::ParseParamFlag(LPCSTR lpszParam) {
  const CString strFlag(lpszParam);
  if (strFlag.CompareNoCase("pt") == 0) {
    m_nShellCommand = FilePrintTo;
  } else if (strFlag.CompareNoCase("p") == 0) {
    m_nShellCommand = FilePrint;
  } else if (strFlag.CompareNoCase("Unregister") == 0 ||
             strFlag.CompareNoCase("Unregserver") == 0) {
    m_nShellCommand = AppUnregister;
  } else if (strFlag.CompareNoCase("dde") == 0) {
    m_nShellCommand = FileDDE;
  } else if (strFlag.CompareNoCase("Embedding") == 0) {
    m_bRunEmbedded = TRUE;
  } else if (strFlag.CompareNoCase("Automation") == 0) {
    m_bRunAutomated = TRUE;
  }
}

void CCommandLineInfo::ParseParamNotFlag(LPCSTR lpszParam) {
  // The first plain parameter is the file; after /pt the printer, its driver
  // and its port follow.
  if (m_strFileName.IsEmpty())
    m_strFileName = lpszParam;
  else if (m_nShellCommand == FilePrintTo && m_strPrinterName.IsEmpty())
    m_strPrinterName = lpszParam;
  else if (m_nShellCommand == FilePrintTo && m_strDriverName.IsEmpty())
    m_strDriverName = lpszParam;
  else if (m_nShellCommand == FilePrintTo && m_strPortName.IsEmpty())
    m_strPortName = lpszParam;
}

void CCommandLineInfo::ParseLast(BOOL bLast) {
  if (!bLast) return;
  if (m_nShellCommand == FileNew && !m_strFileName.IsEmpty()) m_nShellCommand = FileOpen;
  // A program started for OLE shows no splash.
  m_bShowSplash = !m_bRunEmbedded && !m_bRunAutomated;
}

void SplitCommandLine(LPCSTR lpszCmdLine, CStringArray& rArgs) {
  rArgs.RemoveAll();
  if (lpszCmdLine == nullptr) return;
  LPCSTR p = lpszCmdLine;
  while (true) {
    while (IsBlank(*p)) ++p;
    if (*p == '\0') return;
    CString strArg;
    bool bInQuotes = false;
    while (*p != '\0' && (bInQuotes || !IsBlank(*p))) {
      int nBackslashes = 0;
      while (*p == kBackslash) {
        ++nBackslashes;
        ++p;
      }
      if (*p != kQuote) {
        // Backslashes not before a quote are themselves.
        for (; nBackslashes > 0; --nBackslashes) strArg += kBackslash;
        if (*p != '\0' && (bInQuotes || !IsBlank(*p))) strArg += *p++;
        continue;
      }
      // Before a quote each pair of backslashes is one; an odd one left
      // over makes the quote a character.
      for (; nBackslashes >= 2; nBackslashes -= 2) strArg += kBackslash;
      if (nBackslashes == 1) {
        strArg += kQuote;
      } else if (bInQuotes && p[1] == kQuote) {
        strArg += kQuote;  // "" inside quotes is one quote
        ++p;
      } else {
        bInQuotes = !bInQuotes;
      }
      ++p;
    }
    rArgs.Add(strArg);
  }
}

void ParseCommandLineInto(CCommandLineInfo& rCmdInfo, LPCSTR lpszCmdLine) {
  CStringArray args;
  SplitCommandLine(lpszCmdLine, args);
  for (int i = 0; i < args.GetSize(); ++i) {
    const CString& strArg = args.GetData()[i];
    const bool bFlag = !strArg.IsEmpty() && IsFlagStart(strArg[0]);
    const CString strParam = bFlag ? strArg.Mid(1) : strArg;
    rCmdInfo.ParseParam(strParam, bFlag, i + 1 == args.GetSize());
  }
}
