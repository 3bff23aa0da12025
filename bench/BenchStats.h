// Figures over samples of one timed operation each.
#pragma once

#include <algorithm>
#include <vector>

namespace bench {

// The sample at the given share of the sorted samples (0.5 the median, 1 the
// largest); 0 for none.
inline double Percentile(std::vector<double> samples, double share) {
  if (samples.empty()) return 0;
  size_t i = std::min(samples.size() - 1, static_cast<size_t>(share * samples.size()));
  std::nth_element(samples.begin(), samples.begin() + i, samples.end());
  return samples[i];
}

}  // namespace bench
