// A moment in time (seconds since 1970-01-01 00:00 UTC) and the distance
// between two moments. Calendar fields are in the local time zone.
#pragma once

#include "classlib/core/CString.h"
#include "classlib/core/WinTypes.h"

#include <ctime>

// windows.h turns GetCurrentTime into GetTickCount.
#ifdef GetCurrentTime
#undef GetCurrentTime
#endif

class CTimeSpan {
 public:
  CTimeSpan(time_t time = 0) : m_timeSpan(time) {}
  CTimeSpan(LONG lDays, int nHours, int nMins, int nSecs);

  LONG GetDays() const { return (LONG)(m_timeSpan / 86400); }
  LONG GetTotalHours() const { return (LONG)(m_timeSpan / 3600); }
  int GetHours() const { return (int)(GetTotalHours() - GetDays() * 24); }
  LONG GetTotalMinutes() const { return (LONG)(m_timeSpan / 60); }
  int GetMinutes() const { return (int)(GetTotalMinutes() - GetTotalHours() * 60); }
  time_t GetTotalSeconds() const { return m_timeSpan; }
  int GetSeconds() const { return (int)(m_timeSpan - GetTotalMinutes() * 60); }

  bool operator==(CTimeSpan other) const { return m_timeSpan == other.m_timeSpan; }
  bool operator!=(CTimeSpan other) const { return m_timeSpan != other.m_timeSpan; }
  bool operator<(CTimeSpan other) const { return m_timeSpan < other.m_timeSpan; }
  bool operator>(CTimeSpan other) const { return m_timeSpan > other.m_timeSpan; }
  bool operator<=(CTimeSpan other) const { return m_timeSpan <= other.m_timeSpan; }
  bool operator>=(CTimeSpan other) const { return m_timeSpan >= other.m_timeSpan; }

 private:
  time_t m_timeSpan;
};

class CTime {
 public:
  CTime(time_t time = 0) : m_time(time) {}
  // A local date and time; nDST < 0 lets the C run-time decide whether
  // daylight saving time is in effect.
  CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST = -1);

  static CTime GetCurrentTime();

  time_t GetTime() const { return m_time; }
  int GetYear() const { return LocalTime().tm_year + 1900; }
  int GetMonth() const { return LocalTime().tm_mon + 1; }
  int GetDay() const { return LocalTime().tm_mday; }
  int GetHour() const { return LocalTime().tm_hour; }
  int GetMinute() const { return LocalTime().tm_min; }
  int GetSecond() const { return LocalTime().tm_sec; }
  int GetDayOfWeek() const { return LocalTime().tm_wday + 1; }  // 1 = Sunday

  // The local time formatted as strftime does.
  CString Format(LPCSTR pFormat) const;

  CTimeSpan operator-(CTime time) const { return CTimeSpan(m_time - time.m_time); }
  CTime operator-(CTimeSpan timeSpan) const { return CTime(m_time - timeSpan.GetTotalSeconds()); }
  CTime operator+(CTimeSpan timeSpan) const { return CTime(m_time + timeSpan.GetTotalSeconds()); }

  bool operator==(CTime other) const { return m_time == other.m_time; }
  bool operator!=(CTime other) const { return m_time != other.m_time; }
  bool operator<(CTime other) const { return m_time < other.m_time; }
  bool operator>(CTime other) const { return m_time > other.m_time; }
  bool operator<=(CTime other) const { return m_time <= other.m_time; }
  bool operator>=(CTime other) const { return m_time >= other.m_time; }

 private:
  struct tm LocalTime() const;

  time_t m_time;
};
