#include "extended_controls/link_opener.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>
#include <algorithm>
#include <vector>

namespace extended_controls {
namespace {

// The desktop-neutral opener, tried first when the desktop's own handler
// fails.
constexpr const char* kDesktopOpener = "xdg-open";
// The user's browsers: a colon-separated list of commands, tried in order.
constexpr const char* kBrowserVariable = "BROWSER";
constexpr char kBrowserSeparator = ':';
// Stands for the URL in a command of kBrowserVariable.
constexpr QLatin1StringView kUrlPlaceholder("%s");
// The system's preferred browsers, tried last.
constexpr const char* kSystemBrowsers[] = {"sensible-browser", "x-www-browser"};

LinkOpener currentOpener = OpenWithDesktop;

// One command of kBrowserVariable as program and arguments: split into words
// at blanks, double quotes keeping a word together, and never run by a
// shell. The URL takes the place of "%s" within an argument, so it stays one
// argument whatever characters it holds; a command without "%s" gets it as
// its last argument.
QStringList BrowserCommand(const QString& command, const QString& url) {
    QStringList words = QProcess::splitCommand(command);
    bool placed = false;
    for (qsizetype i = 1; i < words.size(); ++i) {
        if (!words[i].contains(kUrlPlaceholder)) continue;
        words[i].replace(kUrlPlaceholder, url);
        placed = true;
    }
    if (!placed) words.append(url);
    return words;
}

std::vector<QStringList> OpeningCommands(const QString& url) {
    std::vector<QStringList> commands = {{QString::fromLatin1(kDesktopOpener), url}};
    const QStringList browsers =
        qEnvironmentVariable(kBrowserVariable).split(kBrowserSeparator, Qt::SkipEmptyParts);
    for (const QString& browser : browsers) commands.push_back(BrowserCommand(browser, url));
    for (const char* browser : kSystemBrowsers)
        commands.push_back({QString::fromLatin1(browser), url});
    return commands;
}

// A command is a program and at least the URL; a blank command of
// kBrowserVariable is left with the URL alone and starts nothing.
bool StartDetached(const QStringList& command) {
    return command.size() > 1 && QProcess::startDetached(command.front(), command.mid(1));
}

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
    const std::vector<QStringList> commands = OpeningCommands(url);
    return std::any_of(commands.begin(), commands.end(), StartDetached);
}

}  // namespace extended_controls
