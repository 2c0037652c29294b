#pragma once

#include <string>
#include <vector>

namespace rt::bench {

struct StartupSample {
  double millisecondsToFirstFrame = 0;
  long peakResidentKib = 0;  // VmHWM shortly after the first frame
};

// Starts `command` on the X display of this process and measures the time
// from the process start until the first frame of a top-level window is
// drawn (the first damage the X server reports for a mapped top-level
// window), then its peak resident memory, and stops it.
StartupSample MeasureStartup(const std::vector<std::string>& command);

}  // namespace rt::bench
