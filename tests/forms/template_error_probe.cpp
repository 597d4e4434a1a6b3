// Test-only program: installs the Qt error box and loads a damaged form
// template, which must end the program through the runtime error box. With
// HC_PROBE_REPORT_BOX set, a watcher reports the open box on standard output
// (caption, icon, owner, button text, then the message) and presses its OK
// button, so that a test can check the box without a person.

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "forms/template.h"
#include "forms/template_writer.h"
#include "platform/error_box.h"
#include "platform/platform.h"
#include "tests/forms/sample_template.h"

namespace {

constexpr int kWatchIntervalMs = 20;

void Print(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    std::fwrite(utf8.data(), 1, size_t(utf8.size()), stdout);
}

void ReportAndDismissBox() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    QAbstractButton* ok = box->button(QMessageBox::Ok);
    Print("caption=" + box->windowTitle() + "\n");
    Print(QString("icon=") + (box->icon() == QMessageBox::Critical ? "critical" : "other") + "\n");
    Print(QString("owner=") + (box->parentWidget() == nullptr ? "none" : "some") + "\n");
    Print(QString("buttons=%1\n").arg(box->buttons().size()));
    Print("button=" + (ok != nullptr ? ok->text() : QString()) + "\n");
    Print(box->text());
    std::fflush(stdout);
    if (ok != nullptr) ok->click();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    platform::InstallFonts();
    platform::InstallTranslations();
    platform::InstallErrorBox();

    QTimer watcher;
    if (qEnvironmentVariableIsSet("HC_PROBE_REPORT_BOX")) {
        QObject::connect(&watcher, &QTimer::timeout, ReportAndDismissBox);
        watcher.start(kWatchIntervalMs);
    }

    forms::Bytes bytes = forms::WriteTemplate(forms::testing::SampleTemplate());
    bytes.pop_back();
    forms::LoadTemplate(bytes, {});
    return 0;
}
