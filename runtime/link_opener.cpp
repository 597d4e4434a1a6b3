#include "runtime/link_opener.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace runtime {
namespace {

constexpr const char* kFallbackOpener = "xdg-open";

LinkOpener currentOpener = OpenWithDesktop;

bool IsWebScheme(const QString& scheme) {
    return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}

}  // namespace

bool IsOpenableTarget(const QString& target) {
    const QUrl url(target, QUrl::StrictMode);
    if (!url.isValid() || url.isRelative()) return false;
    const QString scheme = url.scheme().toLower();
    if (IsWebScheme(scheme)) return !url.host().isEmpty();
    if (scheme == QLatin1String("mailto")) return !url.path().isEmpty();
    return false;
}

bool OpenLinkTarget(const QString& target) {
    return IsOpenableTarget(target) && currentOpener(target);
}

LinkOpener SetLinkOpener(LinkOpener opener) {
    const LinkOpener previous = currentOpener;
    currentOpener = opener != nullptr ? opener : OpenWithDesktop;
    return previous;
}

bool OpenWithDesktop(const QString& url) {
    if (QDesktopServices::openUrl(QUrl(url, QUrl::StrictMode))) return true;
    return QProcess::startDetached(QString::fromLatin1(kFallbackOpener), {url});
}

}  // namespace runtime
