#pragma once
// A progress bar on standard error for a long batch: drawn only when
// standard error is a terminal and the input's size is known, redrawn only
// when the shown percentage changes, and wiped when the batch ends.

#include <cstdint>
#include <ostream>

namespace cli {

// Whether a bar belongs on standard error: it is a terminal, and standard
// output is not that same terminal (where the bar would land among the rows).
bool ProgressBarFits(int outputDescriptor, int errorDescriptor);

class ProgressBar {
public:
    // A total of 0 (size unknown) or a disabled bar draws nothing.
    ProgressBar(std::ostream& err, bool enabled, uint64_t totalBytes);
    ~ProgressBar();
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    void Update(uint64_t bytesDone);

private:
    std::ostream& err_;
    bool shown_;
    uint64_t total_;
    int percent_ = -1;
};

}  // namespace cli
