#pragma once
// Handing a hyperlink box's target to the user's browser or mail program.
//
//   target ──► IsOpenableTarget (http:, https:, mailto: only) ──► LinkOpener
//                                                                  │ (the default)
//   QDesktopServices::openUrl ◄────────────────────────────────────┘
//     └─(fails)─► xdg-open ─► $BROWSER's commands ─► sensible-browser ─► x-www-browser
//                 (the first program that starts gets the URL)
//
// The opener is a replaceable function pointer so that tests observe what
// would be opened without ever starting a browser.

#include <QString>

namespace extended_controls {

// Opens one already-checked URL; true when it was handed on.
using LinkOpener = bool (*)(const QString& url);

// Whether a target may be opened at all: a well-formed URL whose scheme is
// http or https (with a host) or mailto (with an address). Anything else,
// such as file: or a bare host name, is refused.
bool IsOpenableTarget(const QString& target);

// Opens the target through the current opener when it is openable; false
// when it is refused or the opener fails.
bool OpenLinkTarget(const QString& target);

// Installs an opener and returns the one it replaces; null restores the
// default desktop opener.
LinkOpener SetLinkOpener(LinkOpener opener);

// The default: the desktop's URL handler, else the first of these programs
// that starts: `xdg-open`, each command of the colon-separated list in
// $BROWSER (words split at blanks, double quotes keeping one together; "%s"
// in an argument stands for the URL, which is appended when there is none),
// `sensible-browser`, `x-www-browser`. Each is started directly with the URL
// as one argument, never through a shell.
bool OpenWithDesktop(const QString& url);

}  // namespace extended_controls
