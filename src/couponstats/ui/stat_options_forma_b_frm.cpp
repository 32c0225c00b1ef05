#include "couponstats/ui/stat_options_forma_b_frm.h"

#include "couponstats/ui/stat_options_layout.h"
#include "platform/core/format.h"
#include "platform/core/long_lived.h"
#include "platform/core/modal_result.h"
#include "platform/ui/modal_runner.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const char *const kCaption = "ΕΠΙΛΕΞΤΕ";
const char *const kFilter = "ΦΙΛΤΡΟ";
const char *const kHomeAway = "ΑΓΩΝΕΣ ΕΝΤΟΣ,ΕΚΤΟΣ";
const char *const kRecent = "Πρόσφατοι Αγωνες";
const char *const kAll = "ΟΛΟΙ ΟΙ ΑΓΩΝΕΣ";
const char *const kOk = "OK";
const char *const kCancel = "&ΑΚΥΡΟ";
const char *const kDefaultParam = "6";

} // namespace

TStatOptionsFormaBFrm::TStatOptionsFormaBFrm(QWidget *parent)
    : TStatOptionsFormaBFrm({QString::fromUtf8(kHomeAway)}, parent)
{
}

TStatOptionsFormaBFrm::TStatOptionsFormaBFrm(const QStringList &items, QWidget *parent)
    : QDialog(parent), GroupBox1(new QGroupBox(kFilter, this)), RadioGroup1(new QGroupBox(GroupBox1)),
      RadioButtons(new QButtonGroup(this)), Label1(new QLabel(kRecent, GroupBox1)),
      EdtParam(new QLineEdit(kDefaultParam, GroupBox1)), ChkAll(new QCheckBox(kAll, GroupBox1)),
      BBtnOK(new QPushButton(kOk, this)), BBtnCancel(new QPushButton(kCancel, this))
{
    setWindowTitle(kCaption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);

    auto *kinds = new QVBoxLayout(RadioGroup1);
    for (int item = 0; item < items.size(); ++item) {
        auto *radio = new QRadioButton(items[item], RadioGroup1);
        RadioButtons->addButton(radio, item);
        kinds->addWidget(radio);
    }
    RadioButtons->button(0)->setChecked(true);
    LayOutStatOptions(*this, {GroupBox1, RadioGroup1, Label1, EdtParam, ChkAll, BBtnOK, BBtnCancel});
    connect(RadioButtons, &QButtonGroup::idClicked, this, [this] { RadioGroup1Click(); });
}

void TStatOptionsFormaBFrm::RadioGroup1Click()
{
    Label1->setText(kRecent);
    Label1->setVisible(true);
    EdtParam->setText(kDefaultParam);
    EdtParam->setVisible(true);
    ChkAll->setVisible(true);
    ChkAll->setChecked(false);
}

void TStatOptionsFormaBFrm::FormClose()
{
    if (ChkAll->isChecked())
        EdtParam->setText(QStringLiteral("0"));
}

int TStatOptionsFormaBFrm::ItemIndex() const
{
    return RadioButtons->checkedId();
}

QString TStatOptionsFormaBFrm::ItemCaption() const
{
    return RadioButtons->checkedButton()->text();
}

QString TStatOptionsFormaBFrm::FilterCode() const
{
    return ChkAll->isChecked() ? QStringLiteral("BA") : QStringLiteral("B") + EdtParam->text();
}

bool TStatOptionsFormaBFrm::Ask(int &N)
{
    if (RunModal(*this) == mrCancel)
        return false;
    N = StrToInt(EdtParam->text());
    return true;
}

void TStatOptionsFormaBFrm::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TStatOptionsFormaBFrm::reject()
{
    done(mrCancel);
}

TStatOptionsFormaBFrm *StatOptionsFormaBFrm()
{
    static TStatOptionsFormaBFrm *dialog = nullptr;
    return LongLived(dialog, [] { return new TStatOptionsFormaBFrm; });
}
