#pragma once
// The program's widget style: the desktop's own, except that the icons of
// the tool bar and menu bar extension buttons are read only when one is
// first drawn. A menu bar makes its (hidden) extension button as soon as it
// is made, and reading that button's icon loads every picture-format plugin
// Qt has; the program's menu bar never fills its width, so it never shows
// the button and never pays for it.

#include <QIcon>
#include <QProxyStyle>

namespace platform {

class ProgramStyle : public QProxyStyle {
public:
    ProgramStyle();

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override;
};

// Makes the program style the application's style, once.
void InstallProgramStyle();

}  // namespace platform
