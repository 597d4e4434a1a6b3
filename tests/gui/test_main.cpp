// The GUI tests run inside the real program: the program starts on Qt's
// offscreen platform, the tests run once its message loop runs, and the main
// window is closed when they are done, which ends the program.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <cstdlib>

#include "tests/gui/centres.h"
#include "tests/gui/ending.h"
#include "tests/gui/program.h"

namespace {

// The offscreen platform, and a private runtime directory so that Qt starts
// without warnings; both before the application exists.
void PrepareEnvironment() {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const QString runtimeDir = QDir::temp().filePath(QStringLiteral("gui_tests_xdg"));
    QDir().mkpath(runtimeDir);
    QFile::setPermissions(runtimeDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    setenv("XDG_RUNTIME_DIR", runtimeDir.toLocal8Bit().constData(), 0);
}

}  // namespace

int main(int argc, char** argv) {
    PrepareEnvironment();
    using namespace gui_testing;
    if (auto ending = OptionValue(argc, argv, kEndingOption); !ending.empty()) {
        return RunProgramEndedBy(argc, argv, ending);
    }
    if (auto names = OptionValue(argc, argv, kCentresOption); !names.empty()) {
        return PrintCentres(argc, argv, names);
    }
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
    int testsResult = EXIT_FAILURE;
    const int programResult = RunProgram(argc, argv, [&testsResult] {
        RecordStartView();
        testsResult = RUN_ALL_TESTS();
        CloseMainWindow();
    });
    return testsResult != 0 ? testsResult : programResult;
}
