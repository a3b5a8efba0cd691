// SPDX-License-Identifier: GPL-3.0-or-later
#include "WheelDialog.h"

#include "WheelClicks.h"
#include "WheelPool.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QSpinBox* spinBox(QWidget* parent, const char* name, int lowest, int highest, int value)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(lowest, highest);
    box->setValue(value);
    return box;
}

} // namespace

WheelDialog::WheelDialog(Mode mode, const WheelRequest& initial, std::string paneText, const LastReport* report,
                         QWidget* control)
    : ToolWindow(control, mode == Mode::Make ? QStringLiteral("WheelNumbers") : QStringLiteral("CheckAWheel")), mode_(mode), paneText_(std::move(paneText)), report_(report), request_(initial),
      pool_(new QLineEdit(QString::fromStdString(poolText(initial.pool)), this)),
      taken_(spinBox(this, "taken", 1, kMostPoolNumbers, 12)),
      ticket_(spinBox(this, "ticket", 1, kMostTicketNumbers, initial.ticket)),
      guarantee_(spinBox(this, "guarantee", 1, kMostTicketNumbers, initial.guarantee)),
      drawn_(spinBox(this, "drawn", 1, kMostTicketNumbers, initial.drawn)),
      game_(new QLineEdit(QString::fromStdString(gameAnswer(initial.game)), this)),
      seconds_(spinBox(this, "seconds", 1, 3600, static_cast<int>(kWheelSeconds))), problem_(new QLabel(this))
{
    setWindowTitle(mode == Mode::Make ? QStringLiteral("Wheel Numbers") : QStringLiteral("Check a Wheel"));
    pool_->setObjectName(QStringLiteral("pool"));
    pool_->setPlaceholderText(QStringLiteral("1-20  or  3 7 11 19"));
    game_->setObjectName(QStringLiteral("game"));
    game_->setPlaceholderText(QStringLiteral("49  or  69 + 26"));
    problem_->setObjectName(QStringLiteral("problem"));
    problem_->setWordWrap(true);
    problem_->setStyleSheet(QStringLiteral("color: #b00020"));
    // M is at least T: raising T raises M with it.
    connect(guarantee_, &QSpinBox::valueChanged, this, [this](int t) { drawn_->setValue(std::max(drawn_->value(), t)); });

    auto* take = new QHBoxLayout;
    const struct {
        const char* name;
        const char* caption;
        bool all;
        bool most;
    } takers[] = {{"allNumbers", "All", true, true},
                  {"mostFrequent", "Most Frequent", false, true},
                  {"leastFrequent", "Least Frequent", false, false}};
    for (const auto& taker : takers) {
        auto* button = new QPushButton(QString::fromLatin1(taker.caption), this);
        button->setObjectName(QString::fromLatin1(taker.name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, all = taker.all, most = taker.most] { takeNumbers(all, most); });
        take->addWidget(button);
    }
    take->addWidget(taken_);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Pool:"), pool_);
    form->addRow(QStringLiteral("From the pane's lines:"), take);
    if (mode == Mode::Make)
        form->addRow(QStringLiteral("&Numbers on a ticket (K):"), ticket_);
    form->addRow(QStringLiteral("&Guarantee: a ticket holds (T):"), guarantee_);
    form->addRow(QStringLiteral("...if in the pool are (&M):"), drawn_);
    game_->setToolTip(QStringLiteral("The game's biggest number; a second drum's biggest number after \"+\", and how many it draws"));
    form->addRow(QStringLiteral("G&ame:"), game_);
    if (mode == Mode::Make)
        form->addRow(QStringLiteral("&Search for at most (seconds):"), seconds_);
    ticket_->setVisible(mode == Mode::Make);
    seconds_->setVisible(mode == Mode::Make);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(mode == Mode::Make ? QStringLiteral("Wheel") : QStringLiteral("Check"));
    connect(buttons, &QDialogButtonBox::accepted, this, &WheelDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(problem_);
    layout->addWidget(buttons);
    problem_->hide();
}

double WheelDialog::seconds() const { return seconds_->value(); }

void WheelDialog::takeNumbers(bool all, bool most)
{
    const std::vector<int> numbers =
        all ? numbersOfLines(paneText_, report_) : frequentNumbers(paneText_, report_, taken_->value(), most);
    if (numbers.empty()) {
        problem_->setText(QStringLiteral("The pane holds no lotto lines to take numbers from."));
        problem_->show();
        return;
    }
    pool_->setText(QString::fromStdString(poolText(numbers)));
    problem_->hide();
}

void WheelDialog::accept()
{
    const auto refuse = [this](const std::string& problem) {
        problem_->setText(QString::fromStdString(problem));
        problem_->show();
    };
    const PoolReading pool = readPool(pool_->text().toStdString());
    if (!pool.error.empty())
        return refuse(pool.error);
    WheelRequest request;
    request.pool = pool.numbers;
    // A check takes its K from the pane's lines; any will do here.
    request.ticket = mode_ == Mode::Make ? ticket_->value() : std::max(drawn_->value(), 1);
    request.guarantee = guarantee_->value();
    request.drawn = drawn_->value();
    const GameReading game = readGame(game_->text().toStdString(), request.ticket);
    if (!game.game)
        return refuse(game.error);
    request.game = *game.game;
    if (const std::string error = requestError(request); !error.empty() && mode_ == Mode::Make)
        return refuse(error);
    request_ = request;
    QDialog::accept();
}
