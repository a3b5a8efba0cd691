#include "HistoryCheckDialog.h"

#include "Dialogs.h"
#include "DrawHistory.h"
#include "TextFile.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

const char* const kTitle = "Check Against a Draw History";
// A history is a few years of draws; a bigger file is no history.
constexpr std::size_t kHistoryLimitBytes = 64u << 20;

} // namespace

HistoryCheckDialog::HistoryCheckDialog(const std::string& result, QWidget* control)
    : ToolWindow(control, QStringLiteral("DrawHistoryCheck"))
{
    setWindowTitle(QString::fromLatin1(kTitle));
    auto* text = new QPlainTextEdit(QString::fromStdString(result), this);
    text->setReadOnly(true);
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
    resize(420, 460);
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
    const auto bytes = readFileBytes(*path, &reason, kHistoryLimitBytes);
    if (!bytes) {
        dialogs.message("Cannot open \"" + *path + "\": " + reason + ".", kTitle);
        return;
    }
    const HistoryResult result = checkHistory(paneText, decodeText(std::move(*bytes)), report);
    if (!result.error.empty()) {
        dialogs.message(result.error, kTitle);
        return;
    }
    std::string text;
    for (const std::string& line : result.lines())
        text += line + "\n";
    (new HistoryCheckDialog(text, parent))->showBesideControl();
}
