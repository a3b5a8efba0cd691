// SPDX-License-Identifier: GPL-3.0-or-later
#include "CsvExport.h"

#include "AtomicFile.h"
#include "Dialogs.h"
#include "ReportCsv.h"
#include "TextFile.h"

void exportCsv(Dialogs& dialogs, const std::string& paneText, const LastReport* report)
{
    static const char* const kTitle = "Export as CSV";
    const CsvReport csv = reportCsv(paneText, report);
    if (!csv.error.empty()) {
        dialogs.message(csv.error, kTitle);
        return;
    }
    const auto path = dialogs.saveFile({kTitle, "lines.csv", "CSV file|*.csv"});
    if (!path)
        return;
    const FileResult written = writeFileBytes(*path, csv.text);
    if (!written.ok)
        dialogs.message("Cannot save \"" + *path + "\": " + written.error + ".", kTitle);
}
