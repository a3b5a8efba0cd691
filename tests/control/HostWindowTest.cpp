// SPDX-License-Identifier: GPL-3.0-or-later
#include "HostWindow.h"
#include "QtPrinting.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// The menu bar as text: a line per menu, its title, then its entries ("-"
// for a separator), each with its first key.
QStringList menuText(const QMainWindow& window)
{
    QStringList lines;
    for (const QAction* menu : window.menuBar()->actions()) {
        QString line = menu->text() + QLatin1Char(':');
        for (const QAction* entry : menu->menu()->actions())
            line += QLatin1Char(' ')
                + (entry->isSeparator() ? QStringLiteral("-")
                                        : entry->text()
                           + (entry->shortcut().isEmpty() ? QString() : " [" + entry->shortcut().toString() + "]"));
        lines << line;
    }
    return lines;
}

QAction* entry(const QMainWindow& window, const QString& text)
{
    for (QAction* menu : window.menuBar()->actions())
        for (QAction* action : menu->menu()->actions())
            if (action->text() == text)
                return action;
    return nullptr;
}

} // namespace

// Shift+F10 opens the pane's menu from a button as from the pane.
TEST(HostWindow, MenusHoldTheControlsCommandsWithTheirMnemonicsAndKeysAndShiftF10OpensThePanesMenu)
{
    HostWindow window;
    // Redo takes the desktop's own key first, and then the two others.
    const QString redo = QKeySequence::keyBindings(QKeySequence::Redo).value(0).toString();
    EXPECT_EQ(menuText(window),
              QStringList({"&File: &Open... [Ctrl+O] &Save... [Ctrl+S] - &Export as CSV... - &Print... [Ctrl+P] - "
                           "&Quit [Ctrl+Q]",
                           "&Edit: &Undo [Ctrl+Z] &Redo [" + redo + "] - Cu&t [Ctrl+X] &Copy [Ctrl+C] &Paste [Ctrl+V] "
                           "- Select &All [Ctrl+A] - &Font...",
                           "&Tools: Check Against a Dra&w... Check Against a Draw &History... &Number Frequencies... "
                    "Wheel N&umbers... Chec&k a Wheel... - "
                           "Report Detai&ls... Run Again With This &Seed",
                           "&Help: Corvane Generator &Handbook [F1] - &About Corvane Generator About &Qt"}));
    window.showAtPlace();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* pick3 = window.findChild<QPushButton*>(QStringLiteral("Pick3"));
    pick3->setFocus();
    QTest::keyClick(pick3, Qt::Key_F10, Qt::ShiftModifier);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->actions().value(0)->text(), QStringLiteral("&Undo"));
    menu->hide();
}

// The place is read back as it was left; a place off the screen comes back
// onto it whole.
TEST(HostWindow, HelpShowsTheHandbookAndTheLicenceAndTheWindowOpensWhereItWasLeftOnTheScreen)
{
    QSettings().remove(QStringLiteral("window"));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect left(screen.topLeft() + QPoint(30, 40), QSize(560, 500));
    {
        HostWindow first;
        first.showAtPlace();
        entry(first, QStringLiteral("Corvane Generator &Handbook"))->trigger();
        const auto* handbook = first.findChild<QTextBrowser*>();
        ASSERT_TRUE(handbook && handbook->isVisible());
        EXPECT_TRUE(handbook->toPlainText().contains(QStringLiteral("The command-line runner")));
        QString about;
        QTimer::singleShot(5, [&about] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                about = box->text();
                box->accept();
            }
        });
        entry(first, QStringLiteral("&About Corvane Generator"))->trigger();
        EXPECT_TRUE(about.contains(QStringLiteral("Corvane Generator 7.0.0")) && about.contains(QStringLiteral("GPL-3.0-or-later")))
            << about.toStdString();
        first.setGeometry(left);
        EXPECT_TRUE(first.close());
    }
    for (const QRect& saved : {left, left.translated(screen.width(), screen.height())}) {
        if (saved != left)
            QSettings().setValue(QStringLiteral("window/place"), saved);
        HostWindow window;
        window.showAtPlace();
        EXPECT_TRUE(screen.contains(window.frameGeometry())) << saved.x();
        EXPECT_EQ(window.geometry().size(), left.size());
        EXPECT_EQ(window.geometry() == left, saved == left);
    }
}
