// SPDX-License-Identifier: GPL-3.0-or-later
#include "CheckDrawDialog.h"

#include "Dialogs.h"
#include "DrawCheck.h"
#include "LongWork.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QVBoxLayout>

CheckDrawDialog::CheckDrawDialog(std::string text, const LastReport* report, QWidget* control, Dialogs* dialogs)
    : ToolWindow(control, QStringLiteral("CheckAgainstADraw")), text_(std::move(text)),
      report_(report ? std::optional<LastReport>(*report) : std::nullopt), dialogs_(dialogs),
      draw_(new QLineEdit(this)),
      result_(new QPlainTextEdit(this)),
      hint_(new QLabel(QStringLiteral("Double-click a line number to select that line in the pane."), this))
{
    setWindowTitle(QStringLiteral("Check Against a Draw"));

    auto* label = new QLabel(
        QStringLiteral("The drawn numbers, in one line (a second drum's numbers after \"+\"):"), this);
    label->setBuddy(draw_);
    // The window may be narrow to stand beside the control.
    label->setWordWrap(true);
    draw_->setObjectName(QStringLiteral("draw"));
    draw_->setPlaceholderText(QStringLiteral("3 11 19 27 38 45  or  3 11 19 27 38 + 7"));
    auto* checkButton = new QPushButton(QStringLiteral("Check"), this);
    checkButton->setObjectName(QStringLiteral("check"));
    checkButton->setDefault(true);
    connect(checkButton, &QPushButton::clicked, this, &CheckDrawDialog::check);

    result_->setObjectName(QStringLiteral("result"));
    result_->setReadOnly(true);
    result_->setLineWrapMode(QPlainTextEdit::NoWrap);
    result_->viewport()->installEventFilter(this);
    hint_->hide();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(checkButton, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(draw_);
    layout->addWidget(result_, 1);
    layout->addWidget(hint_);
    layout->addWidget(buttons);
    resize(fontMetrics().averageCharWidth() * 60, fontMetrics().lineSpacing() * 26);
}

void CheckDrawDialog::check()
{
    const std::string draw = draw_->text().toStdString();
    CheckResult result;
    bool stopped = false;
    // A 64 MiB pane takes seconds to read: a Cancel keeps the result shown before.
    const auto work = [&](WorkMonitor& monitor) {
        monitor.report(-1, "Checking the lines against the draw");
        result = checkDraw(text_, draw, report_ ? &*report_ : nullptr);
        stopped = monitor.stopRequested();
    };
    UnwatchedWork unwatched;
    if (dialogs_)
        dialogs_->runWork("Check Against a Draw", work);
    else
        work(unwatched);
    if (stopped)
        return;
    QStringList lines;
    for (const std::string& line : result.lines())
        lines << QString::fromStdString(line);
    result_->setPlainText(lines.join(QLatin1Char('\n')));
    const auto best = result.bestTier();
    // The draw's line comes first, then one line per tier.
    bestLine_ = best ? static_cast<int>(*best) + 1 : -1;
    hint_->setVisible(best.has_value());
    if (!result.error.empty()) {
        draw_->selectAll();
        draw_->setFocus();
    }
}

void CheckDrawDialog::paneReplaced(const std::string& text, const LastReport* report)
{
    text_ = text;
    report_ = report ? std::optional<LastReport>(*report) : std::nullopt;
    if (result_->toPlainText().isEmpty())
        return;
    check();
}

bool CheckDrawDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == result_->viewport() && event->type() == QEvent::MouseButtonDblClick)
        if (const auto line = lineNumberAt(static_cast<QMouseEvent*>(event)->position().toPoint()))
            emit lineChosen(*line);
    return ToolWindow::eventFilter(watched, event);
}

// The number under the pointer in the best tier's "(lines 17, 803)".
std::optional<int> CheckDrawDialog::lineNumberAt(const QPoint& position) const
{
    const QTextCursor cursor = result_->cursorForPosition(position);
    if (bestLine_ < 0 || cursor.blockNumber() != bestLine_)
        return std::nullopt;
    const QString line = cursor.block().text();
    const int open = line.lastIndexOf(QLatin1Char('('));
    const int at = cursor.positionInBlock();
    if (open < 0 || at <= open)
        return std::nullopt;
    int from = at;
    while (from > open && line[from - 1].isDigit())
        --from;
    int to = at;
    while (to < line.size() && line[to].isDigit())
        ++to;
    if (from == to)
        return std::nullopt;
    return line.mid(from, to - from).toInt();
}
