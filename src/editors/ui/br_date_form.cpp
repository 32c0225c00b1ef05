#include "editors/ui/br_date_form.h"

#include "platform/core/format.h"
#include "platform/core/long_lived.h"
#include "platform/core/modal_result.h"

#include <QCalendarWidget>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const char *const kCaption = "Επιλογή Ημερομηνίας";
const char *const kOk = "&OK";
const char *const kCancel = "&Άκυρο";
const char *const kTitleFormat = "mmmm, yyyy";
// The tooltip colour the calendar is painted in.
const QColor kInfoColour(255, 255, 225);

} // namespace

TBrDateForm::TBrDateForm(QWidget *parent)
    : QDialog(parent), TitleLabel(new QLabel(this)), PrevMonthBtn(new QToolButton(this)),
      NextMonthBtn(new QToolButton(this)), Calendar1(new QCalendarWidget(this)),
      OkBtn(new QPushButton(QString::fromUtf8(kOk), this)),
      CancelBtn(new QPushButton(QString::fromUtf8(kCancel), this))
{
    setWindowTitle(QString::fromUtf8(kCaption));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    TitleLabel->setAlignment(Qt::AlignCenter);
    PrevMonthBtn->setArrowType(Qt::LeftArrow);
    NextMonthBtn->setArrowType(Qt::RightArrow);
    Calendar1->setFirstDayOfWeek(Qt::Sunday);
    Calendar1->setNavigationBarVisible(false);
    Calendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    QPalette colours = Calendar1->palette();
    colours.setColor(QPalette::Base, kInfoColour);
    Calendar1->setPalette(colours);
    OkBtn->setDefault(true);

    auto *title = new QHBoxLayout;
    title->addWidget(PrevMonthBtn);
    title->addWidget(TitleLabel, 1);
    title->addWidget(NextMonthBtn);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OkBtn);
    buttons->addWidget(CancelBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(title);
    layout->addWidget(Calendar1);
    layout->addLayout(buttons);

    connect(PrevMonthBtn, &QToolButton::clicked, this, &TBrDateForm::PrevMonthBtnClick);
    connect(NextMonthBtn, &QToolButton::clicked, this, &TBrDateForm::NextMonthBtnClick);
    connect(Calendar1, &QCalendarWidget::selectionChanged, this, &TBrDateForm::Calendar1Change);
    connect(Calendar1, &QCalendarWidget::activated, this, [this] { done(mrOk); });
    connect(OkBtn, &QPushButton::clicked, this, [this] { done(mrOk); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { done(mrCancel); });
    Calendar1Change();
    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TBrDateForm::SetDate(const QDate &date)
{
    Calendar1->setSelectedDate(date);
    Calendar1->setCurrentPage(date.year(), date.month());
    Calendar1Change();
}

QDate TBrDateForm::GetDate() const
{
    return Calendar1->selectedDate();
}

void TBrDateForm::reject()
{
    done(mrCancel);
}

void TBrDateForm::PrevMonthBtnClick()
{
    SetDate(GetDate().addMonths(-1));
}

void TBrDateForm::NextMonthBtnClick()
{
    SetDate(GetDate().addMonths(1));
}

void TBrDateForm::Calendar1Change()
{
    TitleLabel->setText(FormatDateTime(QString::fromUtf8(kTitleFormat), GetDate()));
}

TBrDateForm *BrDateForm()
{
    // Owned by no window: it lives as long as the program.
    static TBrDateForm *form = nullptr;
    return LongLived(form, [] { return new TBrDateForm; });
}
