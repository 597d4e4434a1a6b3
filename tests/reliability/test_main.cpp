// The reliability tests run inside the real program: it starts on Qt's
// offscreen platform, the tests run once its message loop runs, and the main
// window is closed when they are done, which ends the program.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <cstdlib>

#include "tests/reliability/program_session.h"

namespace {

// The offscreen platform, and a private runtime directory so that Qt starts
// without warnings; both before the application exists.
void PrepareEnvironment() {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const QString runtimeDir = QDir::temp().filePath(QStringLiteral("reliability_tests_xdg"));
    QDir().mkpath(runtimeDir);
    QFile::setPermissions(runtimeDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    setenv("XDG_RUNTIME_DIR", runtimeDir.toLocal8Bit().constData(), 0);
}

}  // namespace

int main(int argc, char** argv) {
    PrepareEnvironment();
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
    int testsResult = EXIT_FAILURE;
    const int programResult = reliability::RunInsideProgram(
        argc, argv, [&testsResult] { testsResult = RUN_ALL_TESTS(); });
    return testsResult != 0 ? testsResult : programResult;
}
