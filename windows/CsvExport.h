// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

class Dialogs;
struct LastReport;

// "Export as CSV...": asks for a file and writes the pane's report lines
// there as CSV rows; the pane is left as it is. Text that holds no report
// lines, and a file that cannot be written, get a message.
void exportCsv(Dialogs& dialogs, const std::string& paneText, const LastReport* report);
