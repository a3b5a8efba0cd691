// Places the control in a window, clicks Pick 3 and checks the pane.
#include <CorvaneGen7.h>

#include <QApplication>
#include <QPushButton>
#include <QTextEdit>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    CorvaneGen7 control;
    control.show();
    control.findChild<QPushButton*>(QStringLiteral("Pick3"))->click();
    const QString text = control.findChild<QTextEdit*>(QStringLiteral("RichTextBox1"))->toPlainText();
    const bool ok = text.size() == 10000 && control.TheSeeder() > 0;
    std::printf("%s\n", ok ? "embedded" : "wrong pane text");
    return ok ? 0 : 1;
}
