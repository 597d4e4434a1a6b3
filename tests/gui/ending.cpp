#include "tests/gui/ending.h"

#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/gui/program.h"
#include "tests/gui/user.h"

namespace gui_testing {
namespace {

// The program ends within milliseconds of the action; this only keeps a
// broken run from hanging.
constexpr int kEndingDeadlineMs = 20000;
constexpr char kCloseButtonName[] = "按钮2";

::testing::AssertionResult Act(std::string_view ending) {
    if (ending == kCloseButton) return Click(UnitNamed(kMainWindow, kCloseButtonName));
    if (ending == kExitMenuItem) {
        return ChooseMenuItem(kMainWindow, QStringLiteral("文件"), QStringLiteral("退出"));
    }
    return ::testing::AssertionFailure() << "unknown ending " << std::string(ending);
}

}  // namespace

int RunProgramEndedBy(int& argc, char** argv, std::string_view ending) {
    return RunProgram(argc, argv, [ending] {
        QTimer::singleShot(kEndingDeadlineMs, [] { std::_Exit(kProgramDidNotEnd); });
        const ::testing::AssertionResult acted = Act(ending);
        if (!acted) {
            std::fprintf(stderr, "%s\n", acted.message());
            std::_Exit(kActionFailed);
        }
        std::printf("%s%.*s\n", kActedLine.data(), int(ending.size()), ending.data());
        std::fflush(stdout);
    });
}

}  // namespace gui_testing
