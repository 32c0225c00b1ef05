#include "editors/ui/up_down.h"

#include "platform/core/format.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

TUpDown::TUpDown(QWidget *parent)
    : QWidget(parent), UpButton(new QToolButton(this)), DownButton(new QToolButton(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton *button : {UpButton, DownButton}) {
        button->setAutoRepeat(true);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        layout->addWidget(button);
    }
    UpButton->setArrowType(Qt::UpArrow);
    DownButton->setArrowType(Qt::DownArrow);
    connect(UpButton, &QToolButton::clicked, this, [this] { StepBy(1); });
    connect(DownButton, &QToolButton::clicked, this, [this] { StepBy(-1); });
}

int TUpDown::Position() const
{
    int typed = 0;
    if (associate_ && TryStrToInt(associate_->text(), typed))
        return std::clamp(typed, min_, std::max(min_, max_));
    return position_;
}

void TUpDown::SetPosition(int position)
{
    position_ = std::clamp(position, min_, std::max(min_, max_));
    if (associate_)
        associate_->setText(IntToStr(position_));
}

void TUpDown::StepBy(int steps)
{
    SetPosition(Position() + steps);
}
