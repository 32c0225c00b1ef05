#include "couponstats/ui/stat_options_forma_b_frm.h"

#include "platform/core/format.h"
#include "platform/core/long_lived.h"
#include "platform/core/modal_result.h"
#include "platform/ui/modal_runner.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const char *const kHomeAway = "ΑΓΩΝΕΣ ΕΝΤΟΣ,ΕΚΤΟΣ";

} // namespace

TStatOptionsFormaBFrm::TStatOptionsFormaBFrm(QWidget *parent)
    : TStatOptionsFormaBFrm({QString::fromUtf8(kHomeAway)}, parent)
{
}

TStatOptionsFormaBFrm::TStatOptionsFormaBFrm(const QStringList &items, QWidget *parent)
    : TStatOptionsDialog(parent)
{
    auto *kinds = new QVBoxLayout(RadioGroup1);
    for (int item = 0; item < items.size(); ++item) {
        auto *radio = new QRadioButton(items[item], RadioGroup1);
        RadioButtons->addButton(radio, item);
        kinds->addWidget(radio);
    }
    RadioButtons->button(0)->setChecked(true);
}

void TStatOptionsFormaBFrm::RadioGroup1Click()
{
    Label1->setText(RecentCaption);
    Label1->setVisible(true);
    EdtParam->setText(DefaultParam);
    EdtParam->setVisible(true);
    ChkAll->setVisible(true);
    ChkAll->setChecked(false);
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

TStatOptionsFormaBFrm *StatOptionsFormaBFrm()
{
    static TStatOptionsFormaBFrm *dialog = nullptr;
    return LongLived(dialog, [] { return new TStatOptionsFormaBFrm; });
}
