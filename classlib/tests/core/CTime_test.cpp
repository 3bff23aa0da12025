#include "classlib/core/CTime.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Time, FieldsOfALocalDate) {
  const CTime time(2024, 2, 29, 13, 45, 30);
  EXPECT_EQ(time.GetYear(), 2024);
  EXPECT_EQ(time.GetMonth(), 2);
  EXPECT_EQ(time.GetDay(), 29);
  EXPECT_EQ(time.GetHour(), 13);
  EXPECT_EQ(time.GetMinute(), 45);
  EXPECT_EQ(time.GetSecond(), 30);
  EXPECT_EQ(time.GetDayOfWeek(), 5);  // a Thursday
  EXPECT_EQ(CTime(time.GetTime()), time);
}

TEST(Time, FormatFollowsStrftime) {
  const CTime time(1999, 12, 31, 23, 59, 58);
  EXPECT_EQ(time.Format("%Y-%m-%d %H:%M:%S"), "1999-12-31 23:59:58");
  EXPECT_EQ(time.Format("%d/%m/%y, 100%%"), "31/12/99, 100%");
  EXPECT_EQ(time.Format(""), "");
  // Longer than any first guess at the size.
  std::string format, expected;
  for (int i = 0; i < 200; ++i) {
    format += "%Y ";
    expected += "1999 ";
  }
  EXPECT_EQ(time.Format(format.c_str()), expected.c_str());
}

TEST(Time, DifferencesAndComparisons) {
  const CTime earlier(2020, 3, 10, 8, 0, 0);
  const CTime later(2020, 3, 11, 10, 3, 4);
  const CTimeSpan span = later - earlier;
  EXPECT_EQ(span, CTimeSpan(1, 2, 3, 4));
  EXPECT_EQ(span.GetTotalSeconds(), 93784);
  EXPECT_EQ(span.GetDays(), 1);
  EXPECT_EQ(span.GetHours(), 2);
  EXPECT_EQ(span.GetMinutes(), 3);
  EXPECT_EQ(span.GetSeconds(), 4);
  EXPECT_EQ(span.GetTotalHours(), 26);
  EXPECT_EQ(span.GetTotalMinutes(), 1563);
  EXPECT_EQ(earlier + span, later);
  EXPECT_EQ(later - span, earlier);

  EXPECT_TRUE(earlier < later);
  EXPECT_TRUE(earlier <= later);
  EXPECT_TRUE(later > earlier);
  EXPECT_TRUE(later >= earlier);
  EXPECT_TRUE(earlier != later);
  EXPECT_FALSE(earlier == later);
}

TEST(Time, CurrentTimeIsNow) {
  const time_t before = std::time(nullptr);
  const CTime now = CTime::GetCurrentTime();
  EXPECT_GE(now.GetTime(), before);
  EXPECT_LE(now.GetTime(), std::time(nullptr));
}

}  // namespace
