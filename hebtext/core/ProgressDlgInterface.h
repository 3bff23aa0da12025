// What long text operations need of the progress dialog, so that they stay
// portable: the dialog window implements this, and g_pProgressDlg points at
// the one currently open (or is null).
//
// A work loop begins the dialog with its caption and item count, and every
// 250 items steps it, lets one waiting message run and polls the cancel flag;
// BeginLongOperation and ContinueLongOperation hold that protocol.
#pragma once

#include "classlib/core/WinTypes.h"

class IProgressDlg {
 public:
  virtual void Begin(LPCSTR caption, int maximum) = 0;
  virtual void Step(int position) = 0;
  // Handles one waiting message of the dialog; TRUE when one was taken.
  virtual BOOL PumpMessages() = 0;
  virtual BOOL IsCancelled() const = 0;

 protected:
  ~IProgressDlg() = default;
};

extern IProgressDlg* g_pProgressDlg;

// Begins the current dialog, if any, for an operation over `maximum` items.
// FALSE when that dialog was already cancelled: the operation must not start.
BOOL BeginLongOperation(LPCSTR caption, int maximum);

// Called with every item index before the item is handled. At each index
// divisible by 250 it reports to the current dialog and lets one message run;
// FALSE when the dialog has been cancelled and the operation must stop.
BOOL ContinueLongOperation(int index);
