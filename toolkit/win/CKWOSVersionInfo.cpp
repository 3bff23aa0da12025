#include "toolkit/win/CKWOSVersionInfo.h"

CKWOSVersionInfo::CKWOSVersionInfo() : OSVERSIONINFOA() {
  dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  ::GetVersionExA(this);
#pragma GCC diagnostic pop
}

const CKWOSVersionInfo& CKWOSVersionInfo::Get() {
  static const CKWOSVersionInfo info;
  return info;
}
