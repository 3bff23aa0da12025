#include "classlib/core/AbbreviatePath.h"

namespace {

constexpr char kSeparator = '\\';
constexpr char kEllipsis[] = "...";
constexpr int kEllipsisLength = sizeof kEllipsis - 1;

// The length of the path's root with its separator: "C:\", "\\server\share\",
// or what precedes the first separator.
int RootLength(const CString& strPath) {
  int nStart = 0;
  int nSeparatorsToSkip = 1;
  if (strPath.GetLength() >= 2 && strPath[0] == kSeparator && strPath[1] == kSeparator) {
    nStart = 2;  // a network path: the server and the share are the root
    nSeparatorsToSkip = 2;
  }
  int nPos = nStart;
  while (nSeparatorsToSkip > 0) {
    nPos = strPath.Find(kSeparator, nPos);
    if (nPos < 0) return 0;
    ++nPos;
    --nSeparatorsToSkip;
  }
  return nPos;
}

}  // namespace

CString AbbreviatePath(const CString& strPath, int nMaxLength, bool bAtLeastName) {
  const int nLength = strPath.GetLength();
  if (nLength <= nMaxLength) return strPath;

  const CString strName = strPath.Mid(strPath.ReverseFind(kSeparator) + 1);
  const int nRoot = RootLength(strPath);
  const CString strRoot = strPath.Left(nRoot);
  // The shortest abbreviation: root, "...", separator, name.
  if (nRoot == 0 || nRoot + kEllipsisLength + 1 + strName.GetLength() > nMaxLength)
    return bAtLeastName ? strName : CString();

  // Drop whole folders after the root until the rest fits after "...".
  int nRest = nRoot;
  while (nRoot + kEllipsisLength + (nLength - nRest) > nMaxLength)
    nRest = strPath.Find(kSeparator, nRest + 1);
  return strRoot + kEllipsis + strPath.Mid(nRest);
}

CString RecentFileMenuText(int nNumber, const CString& strName) {
  CString strEscaped = strName;
  strEscaped.Replace("&", "&&");
  CString strText;
  strText.Format("&%d %s", nNumber, static_cast<LPCSTR>(strEscaped));
  return strText;
}
