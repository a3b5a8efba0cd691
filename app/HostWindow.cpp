// The host window: places the control and nothing else. It opens where and
// as big as it was when last closed, at first at the control's preferred size.
#include "CorvaneGen7.h"

#include <QApplication>
#include <QMainWindow>
#include <QScreen>
#include <QSettings>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tessaro7"));
    QApplication::setApplicationName(QStringLiteral("Corvane Generator"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Corvane Generator 7"));
    auto* control = new CorvaneGen7(&window);
    window.setCentralWidget(control);

    QSettings settings;
    const QString kGeometry = QStringLiteral("window/geometry");
    if (!window.restoreGeometry(settings.value(kGeometry).toByteArray()))
        window.resize(control->sizeHint().boundedTo(window.screen()->availableGeometry().size()));
    window.show();
    const int status = app.exec();
    settings.setValue(kGeometry, window.saveGeometry());
    return status;
}
