// Runs the error probe: a damaged template must show the runtime error box
// with the exact text, and the process must end with exit code -1 (255).

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

namespace {

constexpr int kProbeTimeoutMs = 30000;

TEST(TemplateErrorBox, DamagedTemplateShowsTheErrorBoxAndExitsWithMinusOne) {
    QProcess probe;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("HC_PROBE_REPORT_BOX", "1");
    probe.setProcessEnvironment(environment);
    probe.start(QString::fromUtf8(HC_ERROR_PROBE), {});
    ASSERT_TRUE(probe.waitForStarted());
    if (!probe.waitForFinished(kProbeTimeoutMs)) {
        probe.kill();
        probe.waitForFinished();
        FAIL() << "the probe did not end";
    }
    const QString expected = QString::fromUtf8(
        "caption=错误\n"
        "icon=critical\n"
        "owner=none\n"
        "buttons=1\n"
        "button=确定\n"
        "运行时出错!\r\n\r\n错误信息：载入窗口模板数据段出错!\r\n");
    EXPECT_EQ(QString::fromUtf8(probe.readAllStandardOutput()), expected)
        << probe.readAllStandardError().toStdString();
    EXPECT_EQ(probe.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(probe.exitCode(), 255);
}

}  // namespace
