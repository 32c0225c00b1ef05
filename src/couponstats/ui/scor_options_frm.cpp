#include "couponstats/ui/scor_options_frm.h"

#include "couponstats/ui/stat_options_layout.h"
#include "platform/core/long_lived.h"
#include "platform/core/modal_result.h"

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
const char *const kItems[] = {"ΔΙΑΦΟΡΑ ΤΕΡΜΑΤΩΝ (ΕΝΤΟΣ,ΕΚΤΟΣ)", "ΔΙΑΦΟΡΑ ΤΕΡΜΑΤΩΝ (ΕΝΤΟΣ+ΕΚΤΟΣ)"};
const char *const kRecent = "Πρόσφατοι Αγωνες";
const char *const kAll = "ΟΛΟΙ ΟΙ ΑΓΩΝΕΣ";
const char *const kOk = "OK";
const char *const kCancel = "&ΑΚΥΡΟ";
const char *const kDefaultParam = "6";

} // namespace

TScorOptionsFrm::TScorOptionsFrm(QWidget *parent)
    : QDialog(parent), GroupBox1(new QGroupBox(kFilter, this)), RadioGroup1(new QGroupBox(GroupBox1)),
      RadioButtons(new QButtonGroup(this)), Label1(new QLabel(kRecent, GroupBox1)),
      EdtParam(new QLineEdit(kDefaultParam, GroupBox1)), ChkAll(new QCheckBox(kAll, GroupBox1)),
      BBtnOK(new QPushButton(kOk, this)), BBtnCancel(new QPushButton(kCancel, this))
{
    setWindowTitle(kCaption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);

    auto *kinds = new QVBoxLayout(RadioGroup1);
    for (int item = 0; item < 2; ++item) {
        auto *radio = new QRadioButton(kItems[item], RadioGroup1);
        RadioButtons->addButton(radio, item);
        kinds->addWidget(radio);
    }
    RadioButtons->button(0)->setChecked(true);
    LayOutStatOptions(*this, {GroupBox1, RadioGroup1, Label1, EdtParam, ChkAll, BBtnOK, BBtnCancel});
    connect(RadioButtons, &QButtonGroup::idClicked, this, [this] { RadioGroup1Click(); });
}

void TScorOptionsFrm::RadioGroup1Click()
{
    Label1->setText(kRecent);
    Label1->setVisible(true);
    EdtParam->setText(kDefaultParam);
    EdtParam->setVisible(true);
    ChkAll->setVisible(true);
    ChkAll->setChecked(false);
}

void TScorOptionsFrm::FormClose()
{
    if (ChkAll->isChecked())
        EdtParam->setText(QStringLiteral("0"));
}

int TScorOptionsFrm::ItemIndex() const
{
    return RadioButtons->checkedId();
}

QString TScorOptionsFrm::ItemCaption() const
{
    return RadioButtons->checkedButton()->text();
}

void TScorOptionsFrm::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TScorOptionsFrm::reject()
{
    done(mrCancel);
}

TScorOptionsFrm *ScorOptionsFrm()
{
    static TScorOptionsFrm *dialog = nullptr;
    return LongLived(dialog, [] { return new TScorOptionsFrm; });
}
