// SPDX-License-Identifier: GPL-3.0-or-later
#include "HostWindow.h"

#include "CorvaneGen7.h"
#include "ScreenPlacement.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QTextBrowser>
#include <QWindow>

#include <algorithm>

namespace {

const char* const kPlaceKey = "window/place";
const char* const kMaximizedKey = "window/maximized";

std::vector<QRect> availableScreens()
{
    std::vector<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.push_back(screen->availableGeometry());
    return screens;
}

QMargins frameOf(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect inside = window.geometry();
    return {inside.left() - frame.left(), inside.top() - frame.top(), frame.right() - inside.right(),
            frame.bottom() - inside.bottom()};
}

} // namespace

HostWindow::HostWindow() : control_(new CorvaneGen7(this))
{
    Q_INIT_RESOURCE(handbook);
    setWindowTitle(QStringLiteral("Corvane Generator 7"));
    setCentralWidget(control_);
    buildMenus();
}

// Each of the control's actions goes to the menu it names, in the order of
// its group, a separator between groups; menus come in the order their
// first action does.
void HostWindow::buildMenus()
{
    QStringList names;
    for (const QAction* action : control_->actions()) {
        const QString name = action->property("menu").toString();
        if (!name.isEmpty() && !names.contains(name))
            names << name;
    }
    if (!names.contains(QStringLiteral("File")))
        names.prepend(QStringLiteral("File"));
    for (const QString& name : names) {
        QMenu* menu = menuBar()->addMenu(QLatin1Char('&') + name);
        QList<QAction*> actions;
        for (QAction* action : control_->actions())
            if (action->property("menu").toString() == name)
                actions << action;
        std::stable_sort(actions.begin(), actions.end(), [](const QAction* a, const QAction* b) {
            return a->property("group").toInt() < b->property("group").toInt();
        });
        for (int i = 0; i < actions.size(); ++i) {
            QAction* action = actions[i];
            if (i > 0 && action->property("group") != actions[i - 1]->property("group"))
                menu->addSeparator();
            const auto key = static_cast<QKeySequence::StandardKey>(action->property("standardKey").toInt());
            if (action->shortcuts().isEmpty() && key != QKeySequence::UnknownKey) {
                action->setShortcuts(key);
                action->setShortcutContext(Qt::WindowShortcut);
            }
            menu->addAction(action);
        }
        if (name == QLatin1String("File")) {
            menu->addSeparator();
            QAction* quit = menu->addAction(QStringLiteral("&Quit"), this, &QWidget::close);
            // Desktops without a key of their own for it take the usual one.
            quit->setShortcut(QKeySequence::keyBindings(QKeySequence::Quit).value(0, QKeySequence(Qt::CTRL | Qt::Key_Q)));
        }
    }
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    QAction* handbook =
        help->addAction(QStringLiteral("Corvane Generator &Handbook"), this, &HostWindow::showHandbook);
    handbook->setShortcuts(QKeySequence::HelpContents);
    help->addSeparator();
    help->addAction(QStringLiteral("&About Corvane Generator"), this, &HostWindow::showAbout);
    help->addAction(QStringLiteral("About &Qt"), qApp, &QApplication::aboutQt);
}

// The README, which tells the buttons, the menus and the runner.
void HostWindow::showHandbook()
{
    if (!handbook_) {
        handbook_ = new QTextBrowser(this);
        handbook_->setWindowFlag(Qt::Window);
        handbook_->setAttribute(Qt::WA_DeleteOnClose);
        handbook_->setWindowTitle(QStringLiteral("Corvane Generator Handbook"));
        handbook_->setOpenExternalLinks(true);
        QFile readme(QStringLiteral(":/corvane-gui/README.md"));
        readme.open(QIODevice::ReadOnly);
        handbook_->setMarkdown(QString::fromUtf8(readme.readAll()));
        const QRect screen = this->screen()->availableGeometry();
        handbook_->setGeometry(firstPlace(QSize(720, 640), frameOf(*this), screen));
    }
    handbook_->show();
    handbook_->raise();
    handbook_->activateWindow();
}

void HostWindow::showAbout()
{
    QMessageBox::about(
        this, QStringLiteral("About Corvane Generator"),
        QStringLiteral("<h3>Corvane Generator %1</h3>"
                       "<p>Random combinations for lottery and gambling games, and their odds. "
                       "No combination is a promise of a win.</p>"
                       "<p>Copyright \u00a9 2026 Tessaro7 developers</p>"
                       "<p>Licence: GPL-3.0-or-later. This program is free software: you can redistribute it "
                       "and/or modify it under the terms of the GNU General Public License as published by the "
                       "Free Software Foundation, either version 3 of the License, or (at your option) any "
                       "later version.</p>"
                       "<p>This program is distributed in the hope that it will be useful, but WITHOUT ANY "
                       "WARRANTY; without even the implied warranty of MERCHANTABILITY or FITNESS FOR A "
                       "PARTICULAR PURPOSE. See the GNU General Public License for more details: "
                       "<a href=\"https://www.gnu.org/licenses/\">https://www.gnu.org/licenses/</a>.</p>")
            .arg(QStringLiteral(TESSARO7_VERSION)));
}

void HostWindow::showAtPlace()
{
    // The frame is not known before the window shows: it is guessed none,
    // and once known the window is moved whole onto its screen if need be.
    const QRect saved = QSettings().value(QString::fromLatin1(kPlaceKey)).toRect();
    if (saved.isValid())
        setGeometry(placeOnScreens(saved, {}, availableScreens(), minimumSizeHint()));
    else
        setGeometry(firstPlace(sizeHint(), {}, screen()->availableGeometry(), minimumSizeHint()));
    if (QSettings().value(QString::fromLatin1(kMaximizedKey)).toBool())
        showMaximized();
    else
        show();
    keepOnScreen();
}

void HostWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // The window manager activates a new window once it has framed it.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !placedWithFrame_) {
        placedWithFrame_ = true;
        keepOnScreen();
    }
}

void HostWindow::keepOnScreen()
{
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    const QRect place = placeOnScreens(geometry(), frameOf(*this), availableScreens(), minimumSizeHint());
    if (place != geometry())
        setGeometry(place);
}

// The place is the window's inside, as it is given back: a frame that the
// window manager adds differently from what was guessed cannot make it
// creep across restarts.
void HostWindow::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    if (!event->isAccepted())
        return;
    QSettings settings;
    settings.setValue(QString::fromLatin1(kPlaceKey), normalGeometry());
    settings.setValue(QString::fromLatin1(kMaximizedKey), isMaximized());
}
