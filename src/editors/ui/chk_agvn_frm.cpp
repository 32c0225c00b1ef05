#include "editors/ui/chk_agvn_frm.h"

#include "data/data_module.h"
#include "editors/season_copy.h"
#include "platform/core/long_lived.h"
#include "platform/core/message_service.h"
#include "platform/db/data_source.h"
#include "platform/ui/db_lookup_combo.h"
#include "platform/ui/wait_cursor.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>

using namespace tav::editors;

namespace {

const QString kCaption = QStringLiteral("ΜΕΤΑΦΟΡΑ ΕΓΓΡΑΦΩΝ ΣΤΟ ΑΡΧΕΙΟ ΑΓΩΝΩΝ");
const QString kSeason = QStringLiteral("Περίοδος");
const QString kStart = QStringLiteral("ΕΝΑΡΞΗ");
const QString kPeriodos = QStringLiteral("Periodos");

} // namespace

TChkAgvnFrm::TChkAgvnFrm(QWidget *parent)
    : QDialog(parent), Label1(new QLabel(kSeason, this)), PeriodCombo(new TDBLookupComboBox(this)),
      BitBtn1(new QPushButton(kStart, this)), ProgBar(new QProgressBar(this)),
      dsPeriodos(new TDataSource(this))
{
    setObjectName(QStringLiteral("ChkAgvnFrm"));
    setWindowTitle(kCaption);
    setFixedSize(360, 130);

    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label1->setGeometry(16, 16, 100, 20);
    PeriodCombo->setObjectName(QStringLiteral("PeriodCombo"));
    PeriodCombo->setGeometry(16, 38, 160, 24);
    BitBtn1->setGeometry(236, 36, 108, 28);
    ProgBar->setGeometry(16, 86, 328, 20);
    ProgBar->setRange(0, 1);
    ProgBar->setValue(0);

    dsPeriodos->SetAutoEdit(false);
    PeriodCombo->SetListSource(dsPeriodos);
    PeriodCombo->SetKeyField(kPeriodos);
    PeriodCombo->SetListField(kPeriodos);

    connect(BitBtn1, &QPushButton::clicked, this, &TChkAgvnFrm::BitBtn1Click);
}

void TChkAgvnFrm::FormShow()
{
    ProgBar->setValue(0);
    TTavrolinDM &dm = TavrolinDM();
    tav::data::OpenIfClosed(dm.Periodos);
    if (!dsPeriodos->DataSet())
        dsPeriodos->SetDataSet(&dm.Periodos);
}

void TChkAgvnFrm::BitBtn1Click()
{
    ProgBar->setRange(0, 1);
    ProgBar->setValue(0);
    TWaitCursor wait;
    try {
        // The run pumps no events: the dialog is busy until it ends, and the bar repaints itself.
        CopySeasonMatches(TavrolinDM().TavrolinDb, PeriodCombo->KeyValue().toString(),
                          [this](int done, int total) {
                              ProgBar->setMaximum(total);
                              ProgBar->setValue(done);
                          });
    } catch (const Exception &error) {
        wait.Restore();
        MessageDlg(error.Message(), mtError, {mbOK});
    }
    ProgBar->setValue(0);
}

void TChkAgvnFrm::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

TChkAgvnFrm *ChkAgvnFrm()
{
    // Destroyed only by a test's reset: a window must not outlive the application object in a destructor.
    static TChkAgvnFrm *dialog = nullptr;
    return LongLived(dialog, [] { return new TChkAgvnFrm; });
}
