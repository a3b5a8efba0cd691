// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LongWork.h"

#include <functional>

class QString;
class QWidget;

// Runs long work on a thread of its own while the window goes on painting.
// Once the work has taken half a second, a progress dialog over `parent`
// shows how far it is and what it says, with Cancel, which asks the work to
// stop and keep what it found. Returns when the work has ended; an
// exception it throws comes out here, on the window's thread.
void runWithProgress(QWidget* parent, const QString& title, const std::function<void(WorkMonitor&)>& work);
