// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryCheckDialog.h"

#include "Dialogs.h"
#include "DrawHistory.h"
#include "FrequencyChartWindow.h"
#include "LongWork.h"
#include "TextFile.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <filesystem>
#include <new>
#include <optional>

namespace {

const char* const kTitle = "Check Against a Draw History";

} // namespace

HistoryCheckDialog::HistoryCheckDialog(const std::string& result, Frequencies frequencies, QWidget* control)
    : ToolWindow(control, QStringLiteral("DrawHistoryCheck")), frequencies_(std::move(frequencies))
{
    setWindowTitle(QString::fromLatin1(kTitle));
    auto* text = new QPlainTextEdit(QString::fromStdString(result), this);
    text->setReadOnly(true);
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* chart = buttons->addButton(QStringLiteral("Number Frequencies..."), QDialogButtonBox::ActionRole);
    chart->setEnabled(frequencies_.error.empty());
    connect(chart, &QPushButton::clicked, this, &HistoryCheckDialog::showFrequencies);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
    resize(560, 460);
}

void HistoryCheckDialog::showFrequencies()
{
    (new FrequencyChartWindow(frequencies_, parentWidget()))->showBesideControl();
}

void HistoryCheckDialog::open(QWidget* parent, Dialogs& dialogs, const std::string& paneText,
                              const LastReport* report)
{
    FileDialogRequest request{kTitle, ""};
    request.mustExist = true;
    const auto path = dialogs.openFile(request);
    if (!path)
        return;
    std::string reason;
    auto bytes = readFileBytes(*path, &reason, kLargestTextBytes);
    if (!bytes) {
        dialogs.message("Cannot open \"" + *path + "\": " + reason + ".", kTitle);
        return;
    }
    std::optional<HistoryResult> result;
    try {
        const std::string history = decodeText(std::move(*bytes));
        dialogs.runWork(kTitle, [&](WorkMonitor& monitor) { result = checkHistory(paneText, history, report, monitor); });
    } catch (const std::bad_alloc&) {
        dialogs.message("There is not enough memory to check the lines against \"" + *path + "\".", kTitle);
        return;
    }
    if (!result->error.empty()) {
        dialogs.message(result->error, kTitle);
        return;
    }
    std::string text;
    for (const std::string& line : result->lines())
        text += line + "\n";
    result->frequencies.source = std::filesystem::path(*path).filename().string();
    (new HistoryCheckDialog(text, std::move(result->frequencies), parent))->showBesideControl();
}
