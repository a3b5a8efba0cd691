// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QPointer>

class CorvaneGen7;
class QTextBrowser;

// The window of corvane-gui: the control, and a menu bar made of the
// control's own actions (File, Edit, Tools, each entry where the action
// names its menu) with the standard keys, Quit, and Help with the handbook
// and About. It opens where and as big as it was last closed, on a screen
// and whole, and at first at the control's preferred size as far as the
// screen allows.
class HostWindow : public QMainWindow {
public:
    HostWindow();

    // Shows the window at its remembered place, or its first one.
    void showAtPlace();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildMenus();
    void showHandbook();
    void showAbout();
    // The window whole on its screen, now that its frame is known.
    void keepOnScreen();

    CorvaneGen7* control_;
    QPointer<QTextBrowser> handbook_;
    bool placedWithFrame_ = false;
};
