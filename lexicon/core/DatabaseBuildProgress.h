// What the database build asks of the window that runs it: a progress line
// to show, and between steps the chance to handle one pending message (where
// a click on Cancel arrives). Tools and tests pass their own.
#pragma once

#include "classlib/core/CString.h"

class DatabaseBuildProgress {
 public:
  virtual ~DatabaseBuildProgress() = default;
  virtual void ShowLine(const CString& line) = 0;
  // Handles one pending message; false once the user has cancelled.
  virtual bool Continue() = 0;
};

// Shows nothing and never cancels.
class SilentBuildProgress : public DatabaseBuildProgress {
 public:
  void ShowLine(const CString&) override {}
  bool Continue() override { return true; }
};
