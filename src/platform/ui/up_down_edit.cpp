#include "platform/ui/up_down_edit.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValidator>

#include <algorithm>

namespace {

constexpr int ButtonWidth = 16;

// The edit's whole number, with a sign only where the bounds allow one below zero.
bool ReadNumber(const QString &text, bool signAllowed, int &number)
{
    if (text.startsWith(u'-') && !signAllowed)
        return false;
    for (qsizetype i = text.startsWith(u'-') ? 1 : 0; i < text.size(); ++i) {
        if (text.at(i) < u'0' || text.at(i) > u'9')
            return false;
    }
    bool ok = false;
    number = text.toInt(&ok);
    return ok;
}

// Lets through what is or can still become a number within the bounds: digits can only take a
// number further from zero, so one already past the end on its side is refused.
class TPositionValidator : public QValidator
{
public:
    explicit TPositionValidator(TUpDownEdit *owner) : QValidator(owner), owner_(owner) {}

    State validate(QString &input, int &) const override
    {
        const bool signAllowed = owner_->Min() < 0;
        if (input.isEmpty() || (signAllowed && input == u"-"))
            return Intermediate;
        int number = 0;
        if (!ReadNumber(input, signAllowed, number))
            return Invalid;
        if (owner_->Bounded(number) == number)
            return Acceptable;
        const bool pastTheEnd = number >= 0 ? number > owner_->Max() : number < owner_->Min();
        return pastTheEnd ? Invalid : Intermediate;
    }

    void fixup(QString &input) const override { input = QString::number(owner_->Position()); }

private:
    TUpDownEdit *owner_;
};

} // namespace

TUpDownEdit::TUpDownEdit(QWidget *parent)
    : QWidget(parent), Edit(new QLineEdit(this)), UpButton(new QToolButton(this)),
      DownButton(new QToolButton(this))
{
    auto *arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    for (QToolButton *button : {UpButton, DownButton}) {
        button->setAutoRepeat(true);
        button->setFixedWidth(ButtonWidth);
        // Each arrow takes half the edit's height, however small its own hint.
        button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
        arrows->addWidget(button);
    }
    UpButton->setArrowType(Qt::UpArrow);
    DownButton->setArrowType(Qt::DownArrow);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Edit, 1);
    layout->addLayout(arrows);
    setFocusProxy(Edit);
    // The edit fills the control's height, which keeps to its hint in a row of taller controls.
    Edit->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);

    Edit->setValidator(new TPositionValidator(this));
    Edit->installEventFilter(this);
    Edit->setText(QString::number(number_));
    connect(Edit, &QLineEdit::textChanged, this, &TUpDownEdit::EditChanged);
    connect(UpButton, &QToolButton::clicked, this, [this] { StepBy(1); });
    connect(DownButton, &QToolButton::clicked, this, [this] { StepBy(-1); });
}

int TUpDownEdit::Bounded(int number) const
{
    return std::clamp(number, min_, std::max(min_, max_));
}

int TUpDownEdit::Position() const
{
    int typed = 0;
    return Bounded(ReadNumber(Edit->text(), min_ < 0, typed) ? typed : number_);
}

void TUpDownEdit::SetPosition(int position)
{
    Edit->setText(QString::number(Bounded(position)));
}

void TUpDownEdit::StepBy(int steps)
{
    const int highest = std::max(min_, max_);
    const qint64 next = qint64(Position()) + qint64(steps) * increment_;
    if (wrap_ && next > highest)
        SetPosition(min_);
    else if (wrap_ && next < min_)
        SetPosition(highest);
    else
        SetPosition(int(std::clamp<qint64>(next, min_, highest)));
}

QString TUpDownEdit::Text() const
{
    return Edit->text();
}

void TUpDownEdit::SetText(const QString &text)
{
    Edit->setText(text);
}

void TUpDownEdit::EditChanged(const QString &text)
{
    int typed = 0;
    if (ReadNumber(text, min_ < 0, typed))
        number_ = typed;
    emit Changed();
}

bool TUpDownEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Edit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            StepBy(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// As wide as the edit needs for the widest number of the bounds, and the arrows.
QSize TUpDownEdit::sizeHint() const
{
    const QFontMetrics metrics = Edit->fontMetrics();
    const int widest = std::max(metrics.horizontalAdvance(QString::number(min_)),
                                metrics.horizontalAdvance(QString::number(max_)));
    QStyleOptionFrame option;
    option.initFrom(Edit);
    option.lineWidth = Edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, Edit);
    const QMargins margins = Edit->textMargins();
    // One digit more leaves room for the edit's inner margins and the cursor after the last digit.
    const QSize text(widest + metrics.horizontalAdvance(u'0') + margins.left() + margins.right(),
                     metrics.height() + margins.top() + margins.bottom());
    const QSize edit = Edit->style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, Edit);
    return {edit.width() + ButtonWidth, std::max(edit.height(), Edit->sizeHint().height())};
}
