#include "couponstats/ui/stat_options_frm.h"

#include "platform/core/errors.h"
#include "platform/core/long_lived.h"
#include "platform/core/message_service.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using namespace tav::couponstats;

namespace {

const char *const kRecent = TStatOptionsDialog::RecentCaption;
const char *const kLast = "Tελευταίων"; // the first letter is a Latin T, as the window always showed it
const char *const kTooManySteps =
    "Το αρχείο %1 δίνει %2 βήματα AUTO. Κρατήθηκαν μόνο τα πρώτα %3, όσα χωρά η λίστα.";
const char *const kUnknownKinds =
    "Το αρχείο %1 δίνει %2 βήματα AUTO με είδος στατιστικού που δεν υπάρχει (έγκυρα είδη 0 έως %3). "
    "Τα βήματα αυτά παραλείπονται.";

// What choosing a kind sets; a null caption leaves all three controls as the previous kind set them.
struct TKind
{
    const char *caption;
    const char *label;
    const char *param;
    bool allShown;
};

const TKind kKinds[TStatOptionsFrm::KindCount] = {
    {"ΒΑΘΜΟΛΟΓΙΑ", kRecent, "2", true},
    {"ΦΟΡΜΑ ΟΜΑΔΩΝ", kRecent, "6", true},
    {"ΠΡΟΙΣΤΟΡΙΑ", kLast, "5", false},
    {"ΔΙΑΦΟΡΑ ΤΕΡΜΑΤΩΝ (ΕΝΤΟΣ,ΕΚΤΟΣ)", kRecent, "2", true},
    {"ΔΙΑΦΟΡΑ ΤΕΡΜΑΤΩΝ (ΕΝΤΟΣ+ΕΚΤΟΣ)", kRecent, "2", true},
    {"ΕΙΔΙΚΟΙ ΒΑΘΜΟΙ", kRecent, "2", true},
    {"ΘΕΣΗ ΟΜΑΔΩΝ", nullptr, nullptr, false},
    {"ΘΕΣΗ ΟΜΑΔΩΝ ΕΝΤΟΣ,ΕΚΤΟΣ", nullptr, nullptr, false},
    {"ΣΥΝΟΛΟ ΓΚΟΛ", nullptr, nullptr, false},
    {"ΣΥΝΟΛΟ ΓΚΟΛ ΕΝΤΟΣ,ΕΚΤΟΣ", nullptr, nullptr, false},
    {"ΓΚΟΛ ΠΡΟΙΣΤΟΡΙΑΣ", nullptr, nullptr, false},
    {"ΔΥΝΑΜΗ ΟΜΑΔΩΝ", nullptr, nullptr, false},
    {"ΔΥΝΑΜΗ ΟΜΑΔΩΝ ΕΝΤΟΣ,ΕΚΤΟΣ", nullptr, nullptr, false},
};

} // namespace

TStatOptionsFrm::TStatOptionsFrm(QWidget *parent) : TStatOptionsDialog(parent)
{
    auto *kinds = new QGridLayout(RadioGroup1);
    for (int kind = 0; kind < KindCount; ++kind) {
        auto *radio = new QRadioButton(kKinds[kind].caption, RadioGroup1);
        RadioButtons->addButton(radio, kind);
        kinds->addWidget(radio, kind % 7, kind / 7);
    }
    FormCreate();
}

void TStatOptionsFrm::FormCreate()
{
    RadioButtons->button(0)->setChecked(true);
    AutoSteps.clear();
    AutoCursor = 0;
    ReadAutoList();
    AutoMode = false;
}

void TStatOptionsFrm::ReadAutoList()
{
    try {
        const TAutoListText list = tav::couponstats::ReadAutoList();
        const QString file = QString::fromLatin1(kAutoListFileName);
        if (list.Overflowed())
            MessageDlg(QString::fromUtf8(kTooManySteps).arg(file).arg(list.given).arg(kMaxAutoSteps),
                       mtWarning, {mbOK});
        int unknown = 0;
        for (const TAutoStep &step : list.steps) {
            if (step.kind >= 0 && step.kind < KindCount)
                AutoSteps.append(step);
            else
                ++unknown;
        }
        if (unknown > 0)
            MessageDlg(QString::fromUtf8(kUnknownKinds).arg(file).arg(unknown).arg(KindCount - 1), mtWarning,
                       {mbOK});
    } catch (const EInOutError &error) {
        // The program goes on without an AUTO list; AUTO then does nothing.
        MessageDlg(error.Message(), mtError, {mbOK});
    }
}

void TStatOptionsFrm::RadioGroup1Click()
{
    const TKind &kind = kKinds[ItemIndex()];
    if (!kind.label)
        return;
    Label1->setText(kind.label);
    EdtParam->setText(kind.param);
    ChkAll->setVisible(kind.allShown);
    ChkAll->setChecked(false);
}

void TStatOptionsFrm::SetItemIndex(int kind)
{
    RadioButtons->button(kind)->setChecked(true);
    RadioGroup1Click();
}

bool TStatOptionsFrm::TakeAutoStep()
{
    if (AutoCursor >= AutoCount()) {
        AutoMode = false;
        return false;
    }
    AutoMode = true;
    const TAutoStep &step = AutoSteps.at(AutoCursor++);
    SetItemIndex(step.kind);
    EdtParam->setText(QString::number(step.n));
    ChkAll->setChecked(false);
    return true;
}

TStatOptionsFrm *StatOptionsFrm()
{
    static TStatOptionsFrm *dialog = nullptr;
    return LongLived(dialog, [] { return new TStatOptionsFrm; });
}
