// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtDialogs.h"

#include "AtomicFile.h"
#include "DetailsTable.h"
#include "QtPane.h"
#include "TextEncoding.h"
#include "WorkProgress.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>

namespace {

QString q(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// What a box shows may quote a file: its control characters show escaped.
QString shown(const std::string& text) { return q(escapeControls(text)); }

std::string s(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// "Label|pattern" as a Qt name filter, "Label (pattern)". "All (*.*)|*.*"
// offers every file as the original surface did, named as desktop file
// dialogs name it (Qt's "*.*" would ask for a dot in the name).
QString nameFilter(const std::string& filter)
{
    const std::size_t bar = filter.find('|');
    const std::string pattern = bar == std::string::npos ? "*.*" : filter.substr(bar + 1);
    if (pattern == "*.*")
        return QStringLiteral("All files (*)");
    return q(filter.substr(0, bar)) + " (" + q(pattern) + ")";
}

// A click shows a busy cursor; its dialogs wait for the user, so over them
// the pointer is the ordinary one.
class PointerWhileAsking {
public:
    PointerWhileAsking() : busy_(QApplication::overrideCursor() != nullptr)
    {
        if (busy_)
            QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~PointerWhileAsking()
    {
        if (busy_)
            QApplication::restoreOverrideCursor();
    }
    PointerWhileAsking(const PointerWhileAsking&) = delete;
    PointerWhileAsking& operator=(const PointerWhileAsking&) = delete;

private:
    bool busy_;
};

} // namespace

std::string QtDialogs::prompt(const std::string& text, const std::string& title,
                              const std::string& defaultText)
{
    QInputDialog dialog(parent_);
    dialog.setWindowTitle(shown(title));
    dialog.setLabelText(shown(text));
    dialog.setTextValue(q(defaultText));
    PointerWhileAsking pointer;
    if (dialog.exec() != QDialog::Accepted)
        return "";
    return s(dialog.textValue());
}

void QtDialogs::message(const std::string& text, const std::string& title,
                        const std::string& details)
{
    PointerWhileAsking pointer;
    // The odds boxes' tier tables read best as a table, every tier on one line.
    if (!details.empty()) {
        messageWithDetails(parent_, shown(title), shown(text), details)->exec();
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, shown(title), shown(text), QMessageBox::Ok, parent_);
    box.exec();
}

std::optional<std::string> QtDialogs::fileDialog(const FileDialogRequest& request, bool save)
{
    QFileDialog dialog(parent_, q(request.title));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(nameFilter(request.filter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.selectFile(q(request.fileName));
    PointerWhileAsking pointer;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return s(dialog.selectedFiles().first());
}

std::optional<std::string> QtDialogs::openFile(const FileDialogRequest& request)
{
    return fileDialog(request, false);
}

std::optional<std::string> QtDialogs::saveFile(const FileDialogRequest& request)
{
    return fileDialog(request, true);
}

PrintOutcome QtDialogs::printPane(Pane& pane)
{
    auto* qtPane = dynamic_cast<QtPane*>(&pane);
    if (!qtPane)
        return {PrintOutcome::Kind::Failed, "this pane cannot be printed"};
    const bool selection = pane.selectionLength() > 0;
    QPrinter printer;
    printer.setDocName(QStringLiteral("Corvane"));
    // With no printer on the machine the dialog prints to a PDF file, which
    // the user names in it; it starts on one in the working directory.
    if (QPrinterInfo::availablePrinters().isEmpty())
        printer.setOutputFileName(QDir::current().absoluteFilePath(QStringLiteral("Corvane.pdf")));
    QPrintDialog dialog(&printer, parent_);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, selection);
    if (selection)
        dialog.setPrintRange(QAbstractPrintDialog::Selection);
    {
        PointerWhileAsking pointer;
        if (dialog.exec() != QDialog::Accepted)
            return {};
    }
    const QString file = printer.outputFileName();
    if (file.isEmpty()) {
        if (!qtPane->print(printer))
            return {PrintOutcome::Kind::Failed, "\"" + s(printer.printerName()) + "\" reported an error"};
        return {PrintOutcome::Kind::Printed, s(printer.printerName())};
    }
    // The printer would open the chosen name itself, and a pipe of that
    // name would hold the window. It prints into a folder of its own; the
    // file goes where the user said the way every file does.
    QTemporaryDir scratch;
    const QString printed = scratch.filePath(QStringLiteral("print.pdf"));
    printer.setOutputFileName(printed);
    if (!scratch.isValid() || !qtPane->print(printer))
        return {PrintOutcome::Kind::Failed, "\"" + s(file) + "\" reported an error"};
    std::string reason;
    const auto bytes = readFileBytes(s(printed), &reason);
    const FileResult written = bytes ? writeFileBytes(s(file), *bytes) : FileResult{false, reason};
    if (!written.ok)
        return {PrintOutcome::Kind::Failed, "\"" + s(file) + "\": " + written.error};
    // A file is not a sheet in a tray: the user is told where it went.
    message("The text was printed to \"" + s(QDir::toNativeSeparators(file)) + "\".", "Print");
    return {PrintOutcome::Kind::Printed, s(file)};
}

std::optional<FontChoice> QtDialogs::chooseFont(const FontChoice& initial)
{
    // Qt's font dialog offers no colour, so it sits in a dialog of our own
    // beside a colour button.
    QDialog dialog(parent_);
    dialog.setWindowTitle(QStringLiteral("Font"));
    auto* fonts = new QFontDialog(&dialog);
    fonts->setWindowFlags(Qt::Widget);
    fonts->setSizeGripEnabled(false); // it would sit in the middle of ours
    fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    // A family the machine lacks opens on the face that stands in for it.
    QFont start(QFontInfo(QFont(q(initial.name))).family());
    start.setPointSizeF(initial.size);
    if (textLook) {
        const FontChoice look = textLook();
        start.setBold(look.bold);
        start.setItalic(look.italic);
    }
    fonts->setCurrentFont(start);
    // Enter and Escape close the embedded dialog; they close ours with it.
    QObject::connect(fonts, &QDialog::accepted, &dialog, &QDialog::accept);
    QObject::connect(fonts, &QDialog::rejected, &dialog, &QDialog::reject);

    QColor colour = QColor::fromRgb(initial.colour);
    auto* colourButton = new QPushButton(QStringLiteral("Colour..."), &dialog);
    auto showColour = [colourButton, &colour] {
        colourButton->setStyleSheet(QStringLiteral("QPushButton { color: %1; }").arg(colour.name()));
    };
    showColour();
    QObject::connect(colourButton, &QPushButton::clicked, &dialog, [&] {
        const QColor picked = QColorDialog::getColor(colour, &dialog, QStringLiteral("Colour"));
        if (picked.isValid()) {
            colour = picked;
            showColour();
        }
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addWidget(colourButton);
    row->addStretch();
    row->addWidget(buttons);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(fonts);
    layout->addLayout(row);

    PointerWhileAsking pointer;
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QFont chosen = fonts->currentFont();
    FontChoice choice;
    choice.name = s(chosen.family());
    choice.size = chosen.pointSizeF();
    choice.bold = chosen.bold();
    choice.italic = chosen.italic();
    choice.strikethrough = chosen.strikeOut();
    choice.underline = chosen.underline();
    choice.colour = colour.rgb() & 0xFFFFFFu;
    return choice;
}

void QtDialogs::runWork(const std::string& title, const std::function<void(WorkMonitor&)>& work)
{
    PointerWhileAsking pointer;
    runWithProgress(parent_, q(title), work);
}
