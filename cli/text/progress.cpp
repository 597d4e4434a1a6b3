#include "cli/text/progress.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <string>

namespace cli {
namespace {

constexpr int kBarWidth = 40;
constexpr int kFull = 100;

// Whether two descriptors are the same open terminal.
bool SameTerminal(int a, int b) {
    struct stat first {
    }, second{};
    return isatty(a) == 1 && isatty(b) == 1 && fstat(a, &first) == 0 && fstat(b, &second) == 0 &&
           first.st_rdev == second.st_rdev;
}

}  // namespace

bool ProgressBarFits(int outputDescriptor, int errorDescriptor) {
    return isatty(errorDescriptor) == 1 && !SameTerminal(outputDescriptor, errorDescriptor);
}

ProgressBar::ProgressBar(std::ostream& err, bool enabled, uint64_t totalBytes)
    : err_(err), shown_(enabled && totalBytes > 0), total_(totalBytes) {}

ProgressBar::~ProgressBar() {
    if (shown_ && percent_ >= 0) {
        err_ << '\r' << std::string(kBarWidth + 8, ' ') << '\r' << std::flush;
    }
}

void ProgressBar::Update(uint64_t bytesDone) {
    if (!shown_) return;
    int percent = int(std::min<uint64_t>(bytesDone * kFull / total_, kFull));
    if (percent == percent_) return;
    percent_ = percent;
    int filled = percent * kBarWidth / kFull;
    err_ << "\r[" << std::string(size_t(filled), '#')
         << std::string(size_t(kBarWidth - filled), ' ') << "] " << percent << '%' << std::flush;
}

}  // namespace cli
