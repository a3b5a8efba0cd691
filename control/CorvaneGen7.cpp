#include "CorvaneGen7.h"

#include "ButtonTable.h"
#include "Clock.h"
#include "QtDialogs.h"
#include "QtPane.h"
#include "RandomSource.h"
#include "Seeder.h"
#include "StartUp.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <vector>

namespace {

// The surface is laid out in twips; at 96 dots an inch a pixel is 15 twips.
constexpr int kTwipsPerPixel = 15;

QRect fromTwips(int left, int top, int width, int height)
{
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
            height / kTwipsPerPixel};
}

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
        : label(new QLabel(control)), pane(control), dialogs(control)
    {
    }

    QLabel* label;
    QtPane pane;
    QtDialogs dialogs;
    SystemClock clock;
};

CorvaneGen7::CorvaneGen7(QWidget* parent) : QWidget(parent), surface_(std::make_unique<Surface>(this))
{
    setFont(surfaceFont("Times New Roman", 11.25));

    QLabel* label = surface_->label;
    label->setObjectName(QStringLiteral("Label1"));
    label->setFont(surfaceFont("Rockwell", 9.75));
    label->setGeometry(fromTwips(360, 120, 7095, 735));
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
        button->setGeometry(fromTwips(row.left, row.top, kButtonWidth, kButtonHeight));
        connect(button, &QPushButton::clicked, this, [this, click = row.click] {
            ClickContext context{surface_->pane, surface_->dialogs, RandomSource::process(),
                                 surface_->clock, std::nullopt};
            click(context);
        });
        tabOrder.emplace_back(row.tabIndex, button);
    }
    tabOrder.emplace_back(21, edit); // the banner (20) takes no focus
    std::sort(tabOrder.begin(), tabOrder.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);

    writeWelcome(surface_->pane);
    resize(sizeHint());
}

CorvaneGen7::~CorvaneGen7() = default;

double CorvaneGen7::TheSeeder() { return ::TheSeeder(RandomSource::process(), surface_->clock); }

QSize CorvaneGen7::sizeHint() const { return {7845 / kTwipsPerPixel, 6690 / kTwipsPerPixel}; }

void CorvaneGen7::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The pane keeps its design-time place and grows with the control.
    const QRect design = fromTwips(120, 2880, 7575, 3615);
    surface_->pane.widget()->setGeometry(design.left(), design.top(),
                                std::max(design.width(), width() - 2 * design.left()),
                                std::max(design.height(), height() - design.top() - 195 / kTwipsPerPixel));
}
