#include "coupons/ui/filter_kup_frm.h"

#include "coupons/kup_file.h"
#include "coupons/kup_filter.h"
#include "coupons/ui/key_filter.h"
#include "platform/core/format.h"
#include "platform/core/long_lived.h"
#include "platform/core/message_service.h"
#include "platform/core/modal_result.h"
#include "platform/core/paths.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

using namespace tav::coupons;

namespace {

const char *const kCaption = "ΦΙΛΤΡΑΡΙΣΜΑ ΑΓΩΝΩΝ";
const char *const kDates = "ΗΜΕΡΟΜΗΝΙΕΣ";
const char *const kFrom = "Από  :";
const char *const kTo = "Έως :";
const char *const kCodes = "ΚΩΔΙΚΟΙ";
const char *const kOdds = "AΠΟΔΟΣΕΙΣ 1,Χ,2";
const char *const kOddRows[] = {"1", "Χ", "2"};
const char *const kCompetitions = "ΔΙΟΡΓΑΝΩΣΕΙΣ";
const char *const kAll = "Επιλογή Όλων";
const char *const kAnalyse = "ΑΝΑΛΥΣΗ";
const char *const kCancel = "ΑΚΥΡΟ";
const char *const kHelp = "Εφόσον θέλετε φιλτράρισμα των αγώνων \r\nΕπιλέξτε Ημερομηνίες , Κωδικούς, \r\n"
                          "Αποδοσεις για Άσσους,Χι,Διπλά\r\nπου θέλετε για Ανάλυση.\r\n"
                          "Για να ακυρώστε κάποια διοργάνωση \r\nπατήστε κλικ πάνω στη  διοργάνωση \r\n"
                          "που δε θέλετε να γίνει Ανάλυση";
const char *const kTopOdds = "30";
const char *const kDateFormat = "dd/MM/yyyy";

QDateEdit *NewDate(QWidget *parent)
{
    auto *edit = new QDateEdit(parent);
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QString::fromUtf8(kDateFormat));
    return edit;
}

} // namespace

TFilterKupFrm::TFilterKupFrm(QWidget *parent)
    : QDialog(parent), GrpDates(new QGroupBox(QString::fromUtf8(kDates), this)), DateFrom(NewDate(GrpDates)),
      DateTo(NewDate(GrpDates)), GrpCodes(new QGroupBox(QString::fromUtf8(kCodes), this)),
      EdtKvdApo(new QLineEdit(GrpCodes)), EdtKvdEos(new QLineEdit(GrpCodes)),
      GrpOdds(new QGroupBox(QString::fromUtf8(kOdds), this)), EdtAp1From(new QLineEdit(GrpOdds)),
      EdtAp1To(new QLineEdit(GrpOdds)), EdtApXFrom(new QLineEdit(GrpOdds)), EdtApXTo(new QLineEdit(GrpOdds)),
      EdtAp2From(new QLineEdit(GrpOdds)), EdtAp2To(new QLineEdit(GrpOdds)),
      GrpDior(new QGroupBox(QString::fromUtf8(kCompetitions), this)), ChkLstDior(new QListWidget(GrpDior)),
      ChkAll(new QCheckBox(QString::fromUtf8(kAll), this)),
      LblHelp(new QLabel(QString::fromUtf8(kHelp), this)),
      BBtnOK(new QPushButton(QString::fromUtf8(kAnalyse), this)),
      BitBtn1(new QPushButton(QString::fromUtf8(kCancel), this))
{
    setWindowTitle(QString::fromUtf8(kCaption));
    auto *dates = new QFormLayout(GrpDates);
    dates->addRow(QString::fromUtf8(kFrom), DateFrom);
    dates->addRow(QString::fromUtf8(kTo), DateTo);
    auto *codes = new QHBoxLayout(GrpCodes);
    codes->addWidget(EdtKvdApo);
    codes->addWidget(EdtKvdEos);
    auto *odds = new QGridLayout(GrpOdds);
    const QLineEdit *const oddEdits[3][2] = {
        {EdtAp1From, EdtAp1To}, {EdtApXFrom, EdtApXTo}, {EdtAp2From, EdtAp2To}};
    for (int row = 0; row < 3; ++row) {
        odds->addWidget(new QLabel(QString::fromUtf8(kOddRows[row]), GrpOdds), row, 0);
        for (int col = 0; col < 2; ++col) {
            auto *edit = const_cast<QLineEdit *>(oddEdits[row][col]);
            odds->addWidget(edit, row, col + 1);
            AcceptDecimal(edit);
        }
    }
    AcceptDigits(EdtKvdApo);
    AcceptDigits(EdtKvdEos);
    auto *competitions = new QVBoxLayout(GrpDior);
    competitions->addWidget(ChkLstDior);

    auto *left = new QVBoxLayout;
    left->addWidget(GrpDates);
    left->addWidget(GrpCodes);
    left->addWidget(GrpOdds);
    left->addWidget(LblHelp);
    auto *right = new QVBoxLayout;
    right->addWidget(GrpDior, 1);
    right->addWidget(ChkAll);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BBtnOK);
    buttons->addWidget(BitBtn1);
    right->addLayout(buttons);
    auto *whole = new QHBoxLayout(this);
    whole->addLayout(left);
    whole->addLayout(right, 1);
    resize(640, 460);

    ChkAll->setChecked(true);
    BBtnOK->setDefault(true);
    connect(ChkAll, &QCheckBox::clicked, this, &TFilterKupFrm::ChkAllClick);
    connect(BBtnOK, &QPushButton::clicked, this, [this] { done(mrOk); });
    connect(BitBtn1, &QPushButton::clicked, this, &TFilterKupFrm::reject);
}

void TFilterKupFrm::FormShow()
{
    LoadFilterKup();
    const QString separator(GreekFormatSettings().DecimalSeparator);
    EdtAp1From->setText(QStringLiteral("1") + separator + QStringLiteral("01"));
    EdtApXFrom->setText(QStringLiteral("1") + separator + QStringLiteral("00"));
    EdtAp2From->setText(QStringLiteral("1") + separator + QStringLiteral("00"));
    for (QLineEdit *edit : {EdtAp1To, EdtApXTo, EdtAp2To})
        edit->setText(QString::fromUtf8(kTopOdds));
    ChkAll->setChecked(true);
    ChkAllClick();
}

void TFilterKupFrm::LoadFilterKup()
{
    const QString path = JoinPath(FromMyKouponia ? MyKouponiaFolder() : KouponiaFolder(), KupFileName);
    ChkLstDior->clear();
    const TKupFilterData data =
        tav::coupons::LoadFilterKup(path, Periods, DateFrom->dateTime(), DateTo->dateTime());
    DateFrom->setDate(data.dateFrom.date());
    DateTo->setDate(data.dateTo.date());
    for (const TFilterCompetition &competition : data.competitions) {
        auto *item = new QListWidgetItem(competition.name, ChkLstDior);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setData(Qt::UserRole, competition.dno);
    }
    EdtKvdApo->setText(QString::number(data.codeFrom));
    EdtKvdEos->setText(QString::number(data.codeTo));
    if (data.readFailed)
        ShowMessage(KupReadErrorText(path));
}

void TFilterKupFrm::ChkAllClick()
{
    const Qt::CheckState state = ChkAll->isChecked() ? Qt::Checked : Qt::Unchecked;
    for (int index = 0; index < ChkLstDior->count(); ++index)
        ChkLstDior->item(index)->setCheckState(state);
}

QList<int> TFilterKupFrm::CheckedDiorg() const
{
    QList<int> checked;
    for (int index = 0; index < ChkLstDior->count(); ++index) {
        if (ChkLstDior->item(index)->checkState() == Qt::Checked)
            checked.append(ChkLstDior->item(index)->data(Qt::UserRole).toInt());
    }
    return checked;
}

void TFilterKupFrm::reject()
{
    done(mrCancel);
}

void TFilterKupFrm::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

TFilterKupFrm *FilterKupFrm()
{
    static TFilterKupFrm *form = nullptr;
    return LongLived(form, [] { return new TFilterKupFrm; });
}
