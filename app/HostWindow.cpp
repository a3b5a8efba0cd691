// The host window: places the control and nothing else.
#include "CorvaneGen7.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane Generator"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Corvane Generator 7"));
    auto* control = new CorvaneGen7(&window);
    window.setCentralWidget(control);
    window.resize(control->sizeHint());
    window.show();
    return app.exec();
}
