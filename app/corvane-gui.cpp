// SPDX-License-Identifier: GPL-3.0-or-later
// corvane-gui: the control in a window of its own, with menus.
#include "HostWindow.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tessaro7"));
    QApplication::setApplicationName(QStringLiteral("Corvane Generator"));
    QApplication::setApplicationVersion(QStringLiteral(TESSARO7_VERSION));
    HostWindow window;
    window.showAtPlace();
    return app.exec();
}
