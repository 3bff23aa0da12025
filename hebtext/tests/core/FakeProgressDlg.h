// A progress dialog for tests of long operations: it records what the
// operation reports and sets its cancelled flag when the step it is told to
// cancel at has been pumped. Made the current dialog for one test's life.
#pragma once

#include <string>
#include <vector>

#include "hebtext/core/ProgressDlgInterface.h"

class FakeProgressDlg : public IProgressDlg {
 public:
  FakeProgressDlg() { g_pProgressDlg = this; }
  ~FakeProgressDlg() { g_pProgressDlg = nullptr; }

  void Begin(LPCSTR caption, int maximum) override {
    begun.push_back(std::string(caption) + " / " + std::to_string(maximum));
  }
  void Step(int position) override { steps.push_back(position); }
  BOOL PumpMessages() override {
    if (!steps.empty() && steps.back() == cancelAtStep) cancelled = TRUE;
    return TRUE;
  }
  BOOL IsCancelled() const override { return cancelled; }

  std::vector<std::string> begun;
  std::vector<int> steps;
  int cancelAtStep = -1;
  BOOL cancelled = FALSE;
};
