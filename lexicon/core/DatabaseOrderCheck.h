// The developer's check of MSPKDB.BIN: every record, rendered, must sort at
// or after the one before it, by the order the build writes and the search
// bisects.
#pragma once

#include "classlib/core/WinTypes.h"
#include "hebtext/core/UserMessage.h"
#include "lexicon/core/DatabaseBuildProgress.h"
#include "lexicon/core/WordDatabaseBuild.h"

struct DatabaseOrderResult {
  bool opened = false;     // the file could be read
  bool stopped = false;    // progress said stop
  DWORD compared = 0;      // records looked at
  DWORD total = 0;         // records in the file
  UserMessageList faults;  // one "BAD-ORDER!" message for each pair out of order
};

// Shows "Compared <n> items out of <total>" every few records and the
// "DONE! ..." line at the end.
DatabaseOrderResult CheckDatabaseOrder(LPCSTR binFolder, const WordRecordRenderer& renderer,
                                       DatabaseBuildProgress& progress);
