#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

// Watches the window that holds the control: when it is about to close over
// text the user typed and has not saved, it asks whether to save it first
// (Save, Discard, Cancel). The window closes after Save only when the text
// was saved.
class CloseGuard : public QObject {
public:
    CloseGuard(QWidget* control, std::function<bool()> unsaved, std::function<void()> save);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchWindow();
    bool mayClose();

    QWidget* control_;
    QPointer<QWidget> window_;
    std::function<bool()> unsaved_;
    std::function<void()> save_;
};
