// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrequencyChartWindow.h"

#include "AtomicFile.h"
#include "Dialogs.h"
#include "NumberFrequencies.h"
#include "TextFile.h"

#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineSeries>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSvgGenerator>
#include <QTabWidget>
#include <QToolTip>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const char* const kTitle = "Number Frequencies";

QString q(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<int>(text.size())); }

// "first" is the first drum; "position 1" and "place 1" name themselves.
QString groupTitle(const std::string& name)
{
    QString title = q(name);
    title[0] = title[0].toUpper();
    return name == "first" || name == "second" ? title + QStringLiteral(" drum") : title;
}

QString barTip(const QString& value, long count)
{
    return value + QStringLiteral(": ") + QString::number(count) + (count == 1 ? QStringLiteral(" time") : QStringLiteral(" times"));
}

// The chart of one group, titled with what the lines were, so that a saved
// picture says it too.
QChartView* chartOf(const FrequencyGroup& group, const QString& summary)
{
    auto* counts = new QBarSet(QStringLiteral("count"));
    QStringList values;
    long most = 0;
    for (const FrequencyBar& bar : group.bars) {
        *counts << static_cast<qreal>(bar.count);
        values << q(bar.value);
        most = std::max(most, bar.count);
    }
    auto* bars = new QBarSeries;
    bars->append(counts);
    bars->setBarWidth(0.8);
    // The axis names only some bars, and its scale gives no exact count.
    QObject::connect(counts, &QBarSet::hovered, counts, [counts, values](bool over, int index) {
        if (over)
            QToolTip::showText(QCursor::pos(), barTip(values[index], static_cast<long>(counts->at(index))));
        else
            QToolTip::hideText();
    });

    // The mean runs across every bar, from the first one's left edge to the
    // last one's right edge; for a history's draws it is the count a fair
    // draw is expected to give.
    const double mean = group.mean();
    auto* meanLine = new QLineSeries;
    meanLine->setName((group.uniformity.empty() ? QStringLiteral("mean ") : QStringLiteral("expected "))
                      + QString::number(mean, 'f', 2));
    meanLine->append(-0.5, mean);
    meanLine->append(static_cast<qreal>(group.bars.size()) - 0.5, mean);
    meanLine->setPen(QPen(Qt::red, 2));

    auto* chart = new QChart;
    chart->setTitle(groupTitle(group.name) + QStringLiteral(": ") + summary);
    chart->addSeries(bars);
    chart->addSeries(meanLine);
    // Bar i stands at x = i. Many bars name every fifth (tenth, ...) value,
    // so that the names stay whole (a bar category axis cuts them to "...").
    auto* valueAxis = new QCategoryAxis;
    valueAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    valueAxis->setRange(-0.5, static_cast<qreal>(values.size()) - 0.5);
    valueAxis->setGridLineVisible(false);
    int step = 1;
    for (int wider : {5, 10, 50, 100, 500, 1000, 5000})
        if (values.size() / step > 30)
            step = wider;
    for (int i = 0; i < values.size(); ++i)
        if (values[i].toInt() % step == 0) // 0 and 00 both, on the wheel
            valueAxis->append(values[i], i);
    auto* countAxis = new QValueAxis;
    countAxis->setRange(0, static_cast<qreal>(std::max(1L, most)) * 1.1);
    countAxis->applyNiceNumbers();
    countAxis->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(valueAxis, Qt::AlignBottom);
    chart->addAxis(countAxis, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(valueAxis);
        series->attachAxis(countAxis);
    }
    chart->legend()->setAlignment(Qt::AlignBottom);

    auto* view = new QChartView(chart);
    view->setRenderHint(QPainter::Antialiasing);
    return view;
}

} // namespace

FrequencyChartWindow::FrequencyChartWindow(const Frequencies& frequencies, QWidget* control)
    : ToolWindow(control, QStringLiteral("NumberFrequencies")), summary_(new QLabel(this)),
      tabs_(new QTabWidget(this)), followsPane_(frequencies.unit != "draw")
{
    setWindowTitle(QString::fromLatin1(kTitle));
    // A game of one drum needs no tab naming it.
    tabs_->setTabBarAutoHide(true);
    showFrequencies(frequencies);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* save = buttons->addButton(QStringLiteral("Save Chart..."), QDialogButtonBox::ActionRole);
    connect(save, &QPushButton::clicked, this, &FrequencyChartWindow::saveClicked);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(tabs_, 1);
    // A history's draws: whether the shown group came up evenly.
    if (!frequencies.groups.empty() && !frequencies.groups.front().uniformity.empty()) {
        auto* uniformity = new QLabel(this);
        uniformity->setObjectName(QStringLiteral("uniformity"));
        uniformity->setWordWrap(true);
        uniformity->setTextInteractionFlags(Qt::TextSelectableByMouse);
        const auto show = [uniformity, groups = frequencies.groups](int tab) {
            if (tab >= 0 && static_cast<std::size_t>(tab) < groups.size())
                uniformity->setText(QStringLiteral("Uniformity: ") + q(groups[static_cast<std::size_t>(tab)].uniformity));
        };
        show(0);
        connect(tabs_, &QTabWidget::currentChanged, uniformity, show);
        layout->addWidget(uniformity);
    }
    layout->addWidget(buttons);
    // Wide enough for 80 bars, but never wider than the screen (at twice the
    // scale a screen may hold only a part of it).
    QSize size(960, 540);
    if (const QScreen* screen = control ? control->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 0.9);
    resize(size);
}

void FrequencyChartWindow::showFrequencies(const Frequencies& frequencies)
{
    while (tabs_->count() > 0) {
        QWidget* chart = tabs_->widget(0);
        tabs_->removeTab(0);
        delete chart;
    }
    summary_->setText(q(frequencies.summary()));
    for (const FrequencyGroup& group : frequencies.groups)
        tabs_->addTab(chartOf(group, q(frequencies.summary())), groupTitle(group.name));
}

void FrequencyChartWindow::open(QWidget* parent, Dialogs& dialogs, const std::string& paneText,
                                const LastReport* report)
{
    const Frequencies frequencies = numberFrequencies(paneText, report);
    if (!frequencies.error.empty()) {
        dialogs.message(frequencies.error, kTitle);
        return;
    }
    (new FrequencyChartWindow(frequencies, parent))->showBesideControl();
}

void FrequencyChartWindow::paneReplaced(const std::string& text, const LastReport* report)
{
    // A history's numbers stay what they were whatever the pane holds.
    if (!followsPane_)
        return;
    const Frequencies frequencies = numberFrequencies(text, report);
    if (frequencies.error.empty())
        showFrequencies(frequencies);
    else
        close();
}

std::optional<std::string> FrequencyChartWindow::saveChart(const std::string& path) const
{
    auto* view = static_cast<QChartView*>(tabs_->currentWidget());
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (q(path).endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(view->size());
        svg.setViewBox(view->rect());
        svg.setTitle(tabs_->tabText(tabs_->currentIndex()));
        QPainter painter(&svg);
        view->render(&painter);
    } else if (!view->grab().save(&buffer, "PNG")) {
        return std::string("the picture could not be made");
    }
    const QByteArray& bytes = buffer.data();
    const FileResult written = writeFileBytes(path, std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!written.ok)
        return written.error;
    return std::nullopt;
}

void FrequencyChartWindow::saveClicked()
{
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save Chart"), QStringLiteral("frequencies.png"),
                                                QStringLiteral("PNG image (*.png);;SVG image (*.svg)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)
        && !path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive))
        path += QStringLiteral(".png");
    if (const auto error = saveChart(path.toStdString()))
        QMessageBox::warning(this, QString::fromLatin1(kTitle),
                             QStringLiteral("Cannot save \"%1\": %2.").arg(path, q(*error)));
}
