#include "CorvaneGen7.h"

#include "ButtonTable.h"
#include "ClickGuard.h"
#include "CloseGuard.h"
#include "Clock.h"
#include "FocusRingStyle.h"
#include "PaneContextMenu.h"
#include "QtDialogs.h"
#include "QtPane.h"
#include "RandomSource.h"
#include "Seeder.h"
#include "ShownReport.h"
#include "StartUp.h"

#include <QAbstractScrollArea>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVariant>

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

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

struct CorvaneGen7::Surface {
    explicit Surface(CorvaneGen7* control)
        : owner(control), label(new QLabel(control)), pane(control), dialogs(control), guard(control),
          closeGuard(
              control, [this] { return pane.hasUnsavedEdits(); }, [this] { run(*findButton("Save")); }),
          menu({control, pane, dialogs, reports,
                [this](const std::function<void(ClickContext&)>& procedure) { runClick(procedure); }})
    {
    }

    void run(const ButtonSpec& button)
    {
        runClick([&button](ClickContext& click) { runButton(button, click); });
    }

    // One click at a time; the report it shows becomes the last report.
    void runClick(const std::function<void(ClickContext&)>& procedure)
    {
        guard.run([this, &procedure] {
            ClickContext context{pane, dialogs, RandomSource::process(), clock, fixedSeed()};
            procedure(context);
            if (context.report.shown)
                reports.keep(context.report, pane.text());
        });
    }

    // A host, or a test, fixes every click's seed with the dynamic property
    // "fixedSeed", as the runner's --seed does.
    std::optional<double> fixedSeed() const
    {
        const QVariant seed = owner->property("fixedSeed");
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

    CorvaneGen7* owner;
    QLabel* label;
    std::vector<QPushButton*> buttons; // in the order of kButtons
    QtPane pane;
    QtDialogs dialogs;
    SystemClock clock;
    ClickGuard guard;
    CloseGuard closeGuard;
    ShownReport reports;
    PaneContextMenu menu;
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

    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const ButtonSpec& row : kButtons) {
        auto* button = new QPushButton(QString::fromUtf8(row.caption), this);
        button->setObjectName(QString::fromLatin1(row.name));
        button->setToolTip(QString::fromUtf8(row.tooltip));
        button->setFont(surfaceFont("Rockwell", 9));
        button->setStyle(&surface_->focusRing);
        button->setAutoDefault(true); // Enter presses the focused button, as Space does
        connect(button, &QPushButton::clicked, this, [this, &row] { surface_->run(row); });
        surface_->buttons.push_back(button);
        tabOrder.emplace_back(row.tabIndex, button);
    }
    tabOrder.emplace_back(21, edit); // the banner (20) takes no focus
    std::sort(tabOrder.begin(), tabOrder.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);

    writeWelcome(surface_->pane);
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
