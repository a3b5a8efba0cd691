// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

// Watches the window that holds the control: when it is about to close
// while text the user typed is not saved, whether the pane shows it or a
// click set it aside where undo can still bring it back, it asks whether
// to save it first (Save, Discard, Cancel). The window closes after Save
// once nothing typed is left unsaved; a Save cancelled or failed keeps it
// open.
class CloseGuard : public QObject {
public:
    enum class Unsaved { Nothing, Shown, SetAside };

    // `save` saves the typed text the question was about, after bringing it
    // back into the pane when it was set aside; false when it was not saved.
    CloseGuard(QWidget* control, std::function<Unsaved()> unsaved, std::function<bool()> save);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchWindow();
    bool mayClose();

    QWidget* control_;
    QPointer<QWidget> window_;
    std::function<Unsaved()> unsaved_;
    std::function<bool()> save_;
};
