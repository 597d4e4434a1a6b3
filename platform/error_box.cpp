#include "platform/error_box.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "platform/platform.h"
#include "runtime/errors.h"
#include "runtime/gbk.h"

namespace platform {
namespace {

void WriteToStandardError(const std::string& gbkText, const std::string& gbkCaption) {
    std::fprintf(stderr, "%s\n%s\n", runtime::GbkToUtf8(gbkCaption).c_str(),
                 runtime::GbkToUtf8(gbkText).c_str());
    std::fflush(stderr);
}

}  // namespace

void ShowErrorBox(const std::string& gbkText, const std::string& gbkCaption) {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        WriteToStandardError(gbkText, gbkCaption);
        return;
    }
    QMessageBox box(QMessageBox::Critical, GbkToQString(gbkCaption), GbkToQString(gbkText),
                    QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void InstallErrorBox() {
    runtime::SetErrorPresenter(ShowErrorBox);
}

}  // namespace platform
