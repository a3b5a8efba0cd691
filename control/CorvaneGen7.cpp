// SPDX-License-Identifier: GPL-3.0-or-later
#include "CorvaneGen7.h"

#include "ButtonTable.h"
#include "ClickGuard.h"
#include "ControlActions.h"
#include "CloseGuard.h"
#include "Clock.h"
#include "FocusRingStyle.h"
#include "PaneContextMenu.h"
#include "PaneMenuTable.h"
#include "QtDialogs.h"
#include "QtPane.h"
#include "RandomSource.h"
#include "Seeder.h"
#include "ShownReport.h"
#include "StartUp.h"
#include "ToolWindow.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVariant>
#include <Qsci/qsciscintilla.h>

#include <algorithm>
#include <array>
#include <functional>
#include <optional>

namespace {

// The surface is laid out in twips; at 96 dots an inch a pixel is 15 twips.
constexpr int kTwipsPerPixel = 15;

QRect fromTwips(int left, int top, int width, int height)
{
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
            height / kTwipsPerPixel};
}

const QSize kDesignSize(7845 / kTwipsPerPixel, 6690 / kTwipsPerPixel);
const QRect kDesignPane = fromTwips(120, 2880, 7575, 3615);
constexpr int kPaneBottomMargin = 195 / kTwipsPerPixel;

// What the pane must show at the window's first size: a whole report screen
// and a roulette line from end to end.
constexpr int kComfortableLines = 30;
constexpr int kComfortableColumns = 53;

// Where the design-time face is missing, a narrow face keeps the captions
// inside their buttons.
QFont surfaceFont(const char* family, double points)
{
    QFont font(QString::fromLatin1(family));
    font.setFamilies({QString::fromLatin1(family), QStringLiteral("Liberation Sans Narrow")});
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

} // namespace

// Hidden: the lambdas of its members would otherwise leave the library.
struct Q_DECL_HIDDEN CorvaneGen7::Surface {
    explicit Surface(CorvaneGen7* control)
        : control(control), label(new QLabel(control)), pane(control), dialogs(control), guard(control),
          closeGuard(control, [this] { return unsaved(); }, [this] { return saveTyped(); }),
          paneMenu{control, pane, dialogs, reports,
                   [this](const std::function<void(ClickContext&)>& procedure) { runClick(procedure); }},
          actions(control, pane, paneMenu, [this](const char* name) { run(*findButton(name)); }),
          contextMenu(pane, [this] {
              actions.refresh();
              return actions.paneMenu();
          })
    {
        dialogs.textLook = [this] { return pane.lookOfSelection(); };
        pane.changed = [this] { actions.refresh(); };
    }

    void run(const ButtonSpec& button)
    {
        runClick([&button](ClickContext& click) { runButton(button, click); });
    }

    // One click at a time; the report it shows becomes the last report, and
    // the windows the pane's menu opened learn of the text that replaced the
    // one they show.
    void runClick(const std::function<void(ClickContext&)>& procedure)
    {
        guard.run([this, &procedure] {
            const unsigned long textsBefore = pane.textsShown();
            ClickContext context{pane, dialogs, RandomSource::process(), clock, fixedSeed()};
            procedure(context);
            // A report whose showing was cancelled is no report in the pane.
            if (context.report.shown && !pane.textCancelled())
                reports.keep(context.report, pane.textView());
            if (pane.textsShown() != textsBefore && ToolWindow::anyOpen(control)) {
                const std::string text = pane.text();
                ToolWindow::tellPaneReplaced(control, text, reports.inPane(text));
            }
        });
        actions.refresh();
    }

    CloseGuard::Unsaved unsaved() const
    {
        if (pane.hasUnsavedEdits())
            return CloseGuard::Unsaved::Shown;
        return pane.typedTextSetAside() ? CloseGuard::Unsaved::SetAside : CloseGuard::Unsaved::Nothing;
    }

    // Saves what the user typed, brought back first when a click set it aside.
    bool saveTyped()
    {
        if (!pane.hasUnsavedEdits())
            pane.bringBackTypedText();
        run(*findButton("Save"));
        return !pane.hasUnsavedEdits();
    }

    // A host, or a test, fixes every click's seed with the dynamic property
    // "fixedSeed", as the runner's --seed does.
    std::optional<double> fixedSeed() const
    {
        const QVariant seed = control->property("fixedSeed");
        return seed.isValid() ? std::optional<double>(seed.toDouble()) : std::nullopt;
    }

    // The banner and the grid keep their design-time places, centred over
    // the pane, which grows with the control.
    void place(QSize size)
    {
        const int shift = std::max(0, (size.width() - kDesignSize.width()) / 2);
        label->setGeometry(fromTwips(360, 120, 7095, 735).translated(shift, 0));
        for (std::size_t i = 0; i < kButtons.size(); ++i)
            buttons[i]->setGeometry(
                fromTwips(kButtons[i].left, kButtons[i].top, kButtonWidth, kButtonHeight).translated(shift, 0));
        pane.widget()->setGeometry(kDesignPane.left(), kDesignPane.top(),
                                   std::max(kDesignPane.width(), size.width() - 2 * kDesignPane.left()),
                                   std::max(kDesignPane.height(),
                                            size.height() - kDesignPane.top() - kPaneBottomMargin));
    }

    CorvaneGen7* control;
    QLabel* label;
    std::array<QPushButton*, kButtons.size()> buttons{}; // in the order of kButtons
    QtPane pane;
    QtDialogs dialogs;
    SystemClock clock;
    ClickGuard guard;
    CloseGuard closeGuard;
    ShownReport reports;
    PaneMenuContext paneMenu;
    ControlActions actions;
    PaneContextMenu contextMenu;
    FocusRingStyle focusRing;
};

CorvaneGen7::CorvaneGen7(QWidget* parent) : QWidget(parent), surface_(std::make_unique<Surface>(this))
{
    setFont(surfaceFont("Times New Roman", 11.25));

    QLabel* label = surface_->label;
    label->setObjectName(QStringLiteral("Label1"));
    label->setFont(surfaceFont("Rockwell", 9.75));
    label->setText(QString::fromStdString(bannerCaption()).replace(QLatin1Char('\r'), QLatin1Char('\n')));

    QWidget* edit = surface_->pane.widget();
    edit->setObjectName(QStringLiteral("RichTextBox1"));
    QFont paneFont = surfaceFont("Courier New", 9.75);
    paneFont.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")});
    edit->setFont(paneFont);

    // Arrays, not vectors: a vector's growth would leave the library as a
    // symbol of its own.
    std::array<std::pair<int, QWidget*>, kButtons.size() + 1> tabOrder;
    for (std::size_t i = 0; i < kButtons.size(); ++i) {
        const ButtonSpec& row = kButtons[i];
        auto* button = new QPushButton(QString::fromUtf8(row.caption), this);
        button->setObjectName(QString::fromLatin1(row.name));
        button->setToolTip(QString::fromUtf8(row.tooltip));
        button->setFont(surfaceFont("Rockwell", 9));
        button->setStyle(&surface_->focusRing);
        button->setAutoDefault(true); // Enter presses the focused button, as Space does
        connect(button, &QPushButton::clicked, this, [this, &row] { surface_->run(row); });
        surface_->buttons[i] = button;
        tabOrder[i] = {row.tabIndex, button};
    }
    edit->setStyle(&surface_->focusRing);
    tabOrder.back() = {21, edit}; // the banner (20) takes no focus
    std::sort(tabOrder.begin(), tabOrder.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);

    // Shift+F10 and the Menu key open the pane's menu from anywhere in the control.
    auto* paneMenuKeys = new QAction(this);
    paneMenuKeys->setShortcuts({QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)});
    paneMenuKeys->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(paneMenuKeys, &QAction::triggered, this, [this] { surface_->contextMenu.popupAtCaret(); });
    addAction(paneMenuKeys);

    // Undo, Redo, Cut and Copy are offered as the pane's text and selection allow.
    connect(static_cast<QsciScintilla*>(edit), &QsciScintilla::selectionChanged, this,
            [this] { surface_->actions.refresh(); });
    writeWelcome(surface_->pane);
    // Undo brings the welcome back once the first report replaces it.
    surface_->pane.keepForUndo();
    setMinimumSize(kDesignSize);
    resize(kDesignSize);
    surface_->place(kDesignSize);
}

CorvaneGen7::~CorvaneGen7() = default;

double CorvaneGen7::TheSeeder() { return ::TheSeeder(RandomSource::process(), surface_->clock); }

// The design surface, grown until the pane shows a screen of report lines.
QSize CorvaneGen7::sizeHint() const
{
    const auto* edit = qobject_cast<const QAbstractScrollArea*>(surface_->pane.widget());
    const QFontMetrics metrics(edit->font());
    // Frame, scroll bar and the text's inset from the frame.
    constexpr int kTextInset = 8;
    const int chrome =
        2 * edit->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, edit) + kTextInset;
    const int paneWidth = kComfortableColumns * metrics.horizontalAdvance(QLatin1Char('0')) + chrome;
    const int paneHeight = kComfortableLines * metrics.lineSpacing() + chrome;
    return kDesignSize.expandedTo(QSize(paneWidth + 2 * kDesignPane.left(),
                                        kDesignPane.top() + paneHeight + kPaneBottomMargin));
}

void CorvaneGen7::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    surface_->place(size());
}
