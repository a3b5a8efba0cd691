// SPDX-License-Identifier: GPL-3.0-or-later
#include "DetailsTable.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace {

QString q(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// "258" of "258 combinations"; nothing when the text is no count.
std::optional<std::string> countOf(const std::string& text)
{
    const std::size_t blank = text.find(' ');
    if (blank == 0 || blank == std::string::npos || text.find_first_not_of("0123456789,") != blank)
        return std::nullopt;
    const std::string unit = text.substr(blank);
    if (unit != " combination" && unit != " combinations")
        return std::nullopt;
    return text.substr(0, blank);
}

} // namespace

std::vector<std::vector<std::string>> detailCells(const std::string& details)
{
    std::vector<std::vector<std::string>> rows;
    std::size_t start = 0;
    while (start < details.size()) {
        std::size_t end = details.find('\n', start);
        if (end == std::string::npos)
            end = details.size();
        const std::string line = details.substr(start, end - start);
        start = end + 1;
        const std::size_t colon = line.find(": ");
        const std::size_t comma = line.rfind(", ");
        const auto count = colon != std::string::npos && comma != std::string::npos && comma > colon
            ? countOf(line.substr(colon + 2, comma - colon - 2))
            : std::nullopt;
        if (count)
            rows.push_back({line.substr(0, colon), *count, line.substr(comma + 2)});
        else
            rows.push_back({line});
    }
    return rows;
}

namespace {

// The tiers as a table as wide as its columns and as tall as its rows, but
// for a table that would fill more than half the screen, which then scrolls.
QWidget* tierTable(const std::vector<std::vector<std::string>>& rows, QWidget* box, int screenHeight)
{
    auto* table = new QTableWidget(static_cast<int>(rows.size()), 3, box);
    table->setObjectName(QStringLiteral("details"));
    table->setHorizontalHeaderLabels({QStringLiteral("Tier"), QStringLiteral("Combinations"), QStringLiteral("Odds")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(false);
    for (int row = 0; row < table->rowCount(); ++row) {
        const auto& cells = rows[static_cast<std::size_t>(row)];
        if (cells.size() == 1)
            table->setSpan(row, 0, 1, 3);
        for (int column = 0; column < static_cast<int>(cells.size()); ++column) {
            auto* item = new QTableWidgetItem(q(cells[static_cast<std::size_t>(column)]));
            if (column > 0)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(row, column, item);
        }
    }
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
    const int frame = 2 * table->frameWidth();
    const int rowHeight = table->rowCount() > 0 ? table->rowHeight(0) : 1;
    const int rowsShown = std::min(table->rowCount(), std::max(4, screenHeight / 2 / rowHeight));
    int width = frame + table->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < 3; ++column)
        width += table->columnWidth(column);
    const int height = frame + table->horizontalHeader()->height() + rowsShown * rowHeight;
    table->setMinimumSize(width, height);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return table;
}

// Details that hold no tier (a wheel's chances) as their own lines, each
// whole, scrolling past a third of the screen's height (the message above
// is long too) or three quarters of its width.
QWidget* detailLines(const std::string& details, QWidget* box, const QSize& screen)
{
    auto* text = new QPlainTextEdit(q(details), box);
    text->setObjectName(QStringLiteral("details"));
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    const QFontMetrics metrics(text->font());
    int widest = 0;
    for (const QString& line : q(details).split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const int lineHeight = metrics.lineSpacing();
    const int lines = std::min(text->document()->blockCount(), std::max(4, screen.height() / 3 / lineHeight));
    const int frame = 2 * (text->frameWidth() + static_cast<int>(text->document()->documentMargin()));
    const int bar = text->verticalScrollBar()->sizeHint().width();
    const int width = widest + frame + bar;
    const int widthShown = std::min(width, screen.width() * 3 / 4);
    text->setMinimumSize(widthShown, lines * lineHeight + frame + (widthShown < width ? bar : 0));
    return text;
}

} // namespace

std::unique_ptr<QDialog> messageWithDetails(QWidget* parent, const QString& title, const QString& text,
                                            const std::string& details)
{
    auto box = std::make_unique<QDialog>(parent);
    box->setObjectName(QStringLiteral("MessageWithDetails"));
    box->setWindowTitle(title);
    auto* label = new QLabel(text, box.get());
    label->setObjectName(QStringLiteral("text"));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A wheel's message has long lines: they wrap rather than widen the box past the screen.
    label->setWordWrap(true);

    const auto rows = detailCells(details);
    const QSize screen = (parent ? parent->screen() : box->screen())->availableGeometry().size();
    const bool tiers = std::any_of(rows.begin(), rows.end(), [](const auto& cells) { return cells.size() == 3; });
    QWidget* shown = tiers ? tierTable(rows, box.get(), screen.height()) : detailLines(details, box.get(), screen);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, box.get());
    QObject::connect(buttons, &QDialogButtonBox::accepted, box.get(), &QDialog::accept);
    auto* layout = new QVBoxLayout(box.get());
    layout->addWidget(label);
    layout->addWidget(shown, 1);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    // A window sized by Qt takes its height for a wrapped label at a width
    // it then narrows for the screen: the box takes its width here, and the
    // label the height of its lines at that width.
    const QMargins margins = layout->contentsMargins();
    const int width = std::clamp(box->sizeHint().width(), box->minimumSizeHint().width(), screen.width());
    label->setMinimumHeight(label->heightForWidth(width - margins.left() - margins.right()));
    box->resize(width, box->sizeHint().height());
    return box;
}
