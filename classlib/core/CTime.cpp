#include "classlib/core/CTime.h"

#include "classlib/core/Debug.h"

#include <vector>

CTimeSpan::CTimeSpan(LONG lDays, int nHours, int nMins, int nSecs)
    : m_timeSpan(nSecs + 60 * (nMins + 60 * (nHours + 24 * (time_t)lDays))) {}

CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST) {
  struct tm fields = {};
  fields.tm_year = nYear - 1900;
  fields.tm_mon = nMonth - 1;
  fields.tm_mday = nDay;
  fields.tm_hour = nHour;
  fields.tm_min = nMin;
  fields.tm_sec = nSec;
  fields.tm_isdst = nDST;
  m_time = std::mktime(&fields);
  ASSERT(m_time != (time_t)-1);
}

CTime CTime::GetCurrentTime() { return CTime(std::time(nullptr)); }

struct tm CTime::LocalTime() const {
  struct tm fields = {};
#ifdef _WIN32
  localtime_s(&fields, &m_time);
#else
  localtime_r(&m_time, &fields);
#endif
  return fields;
}

CString CTime::Format(LPCSTR pFormat) const {
  const struct tm fields = LocalTime();
  // strftime reports 0 both for an empty result and for a buffer too small,
  // so grow the buffer a few times before taking 0 as empty.
  std::vector<char> buffer(256);
  for (int attempt = 0; *pFormat != '\0' && attempt < 4; ++attempt) {
    const size_t length = std::strftime(buffer.data(), buffer.size(), pFormat, &fields);
    if (length > 0) return CString(buffer.data(), (int)length);
    buffer.resize(buffer.size() * 4);
  }
  return CString();
}
