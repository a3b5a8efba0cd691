// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <string>

struct LastReport;

// A window that a menu entry opens beside the control. It leaves the
// control and its pane usable, opens where the screen has room beside the
// control's window (never over its buttons), comes back where the user last
// left it, and closes with the control. One of each kind (its object name)
// is open at a time.
class ToolWindow : public QDialog {
    Q_OBJECT

public:
    // `control` owns the window; `name` is its object name and the key of
    // its place in the settings.
    ToolWindow(QWidget* control, const QString& name);

    // Shows the window, in place of an open one of its kind, at its place.
    void showBesideControl();

    // The pane's text was replaced by a new report (or another command's
    // text): the window shows what it says of that text, or closes, as it
    // does unless it knows better.
    virtual void paneReplaced(const std::string& text, const LastReport* report);
    // Whether `control` has a window open.
    static bool anyOpen(const QWidget* control);
    // Tells each window `control` opened that the pane's text was replaced.
    static void tellPaneReplaced(QWidget* control, const std::string& text, const LastReport* report);

protected:
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QRect place() const;

    QWidget* control_;
};
