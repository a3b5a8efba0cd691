// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WheelRequest.h"

#include "ToolWindow.h"

#include <string>

class QLabel;
class QLineEdit;
class QSpinBox;
struct LastReport;

// Asks what to wheel: the pool (typed, or taken from the pane's lines: all
// their numbers, or the most or least frequent ones), K, T, M and the game,
// and for a new wheel how long to search. "Check a Wheel" asks the same
// but K and the time, which the pane's lines settle. OK is refused, with
// the reason below the fields, until the request can be wheeled. Like the
// checks, it stands beside the control and leaves it usable.
class WheelDialog : public ToolWindow {
    Q_OBJECT

public:
    enum class Mode { Make, Check };

    // `paneText` and `report` (which must then outlive the dialog: a new
    // report closes it) are what the pool may be taken from.
    WheelDialog(Mode mode, const WheelRequest& initial, std::string paneText, const LastReport* report,
                QWidget* control = nullptr);

    const WheelRequest& request() const { return request_; }
    double seconds() const;

    void accept() override;

private:
    void takeNumbers(bool all, bool most);

    Mode mode_;
    std::string paneText_;
    const LastReport* report_;
    WheelRequest request_;
    QLineEdit* pool_;
    QSpinBox* taken_;
    QSpinBox* ticket_;
    QSpinBox* guarantee_;
    QSpinBox* drawn_;
    QLineEdit* game_;
    QSpinBox* seconds_;
    QLabel* problem_;
};
