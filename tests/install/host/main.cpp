// SPDX-License-Identifier: GPL-3.0-or-later
// Places the control in a window, clicks Pick 3 and checks the pane.
#include <CorvaneGen7.h>

#include <QAccessible>
#include <QApplication>
#include <QPushButton>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    CorvaneGen7 control;
    control.show();
    control.findChild<QPushButton*>(QStringLiteral("Pick3"))->click();
    // The pane is read as assistive technology reads it, whatever widget it is.
    QAccessibleInterface* pane =
        QAccessible::queryAccessibleInterface(control.findChild<QWidget*>(QStringLiteral("RichTextBox1")));
    QAccessibleTextInterface* text = pane ? pane->textInterface() : nullptr;
    const bool ok = text && text->text(0, text->characterCount()).size() == 11000 && control.TheSeeder() > 0;
    std::printf("%s\n", ok ? "embedded" : "wrong pane text");
    return ok ? 0 : 1;
}
