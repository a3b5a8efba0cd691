// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "QtPrinting.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QWidget>

// Acts on the next modal dialog (of the given kind) as soon as it shows.
template <typename Dialog = QWidget, typename Act>
void whenDialogShows(Act act)
{
    QTimer::singleShot(5, [act] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget()))
            act(dialog);
        else
            whenDialogShows<Dialog>(act);
    });
}

// Types a draw into a check dialog, presses Enter and gives its result.
inline QString checkResultOf(QWidget* dialog, const QString& draw)
{
    auto* line = dialog->findChild<QLineEdit*>(QStringLiteral("draw"));
    line->setText(draw);
    QTest::keyClick(line, Qt::Key_Return);
    return dialog->findChild<QPlainTextEdit*>(QStringLiteral("result"))->toPlainText();
}

// Double-clicks a shown text box between the characters before and at
// `column` (from 0) of line `line` (from 0).
inline void doubleClickText(QPlainTextEdit* text, int line, int column)
{
    QTextCursor cursor(text->document()->findBlockByNumber(line));
    cursor.setPosition(cursor.position() + column);
    QTest::mouseDClick(text->viewport(), Qt::LeftButton, {}, text->cursorRect(cursor).center());
}

// A table's rows, a line each, its cells between "|".
inline QString tableText(const QTableWidget* table)
{
    QStringList rows;
    for (int row = 0; row < table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column)
            if (const QTableWidgetItem* item = table->item(row, column))
                cells << item->text();
        rows << cells.join(QLatin1Char('|'));
    }
    return rows.join(QLatin1Char('\n'));
}

// Answers the dialogs that show while it lives: prompts from `answers` by
// their title, message boxes with OK. It notes each prompt's title, each
// box's title and text, and each box's details as tableText gives them.
struct Answering {
    explicit Answering(const QMap<QString, QString>& answers = {})
    {
        QObject::connect(&timer, &QTimer::timeout, [this, answers] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* input = qobject_cast<QInputDialog*>(modal)) {
                shown << input->windowTitle();
                if (!answers.contains(input->windowTitle()))
                    return input->reject();
                input->setTextValue(answers[input->windowTitle()]);
                input->accept();
            } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                shown << box->windowTitle() + ": " + box->text();
                details << QString();
                box->accept();
            } else if (modal && modal->objectName() == QLatin1String("MessageWithDetails")) {
                shown << modal->windowTitle() + ": " + modal->findChild<QLabel*>(QStringLiteral("text"))->text();
                const auto* lines = modal->findChild<QPlainTextEdit*>(QStringLiteral("details"));
                details << (lines ? lines->toPlainText()
                                  : tableText(modal->findChild<QTableWidget*>(QStringLiteral("details"))));
                qobject_cast<QDialog*>(modal)->accept();
            }
        });
        timer.start(5);
    }

    QStringList shown;
    QStringList details;
    QTimer timer;
};
