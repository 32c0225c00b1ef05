#include "editors/ui/diorg_show_form.h"

#include "data/competition_choice.h"
#include "data/data_module.h"
#include "editors/ui/agvnes_form1.h"
#include "editors/ui/diorg_show_print.h"
#include "platform/core/message_service.h"
#include "platform/db/data_source.h"
#include "platform/ui/db_grid.h"
#include "platform/ui/printer.h"
#include "platform/ui/wait_cursor.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

using namespace tav::editors;

namespace {

const QString kCaption = QStringLiteral("Συγκεντρωτικός Πίνακας Διοργανώσεων");
const QString kSeason = QStringLiteral("Περίοδος :");
const QString kPrint = QStringLiteral("ΕΚΤΥΠΩΣΗ");
const QString kGridHint = QStringLiteral("Ενημέρωση με DblClick");
const QString kSeasonsSql = QStringLiteral("Select Periodos from Periodos order by Periodos.Periodos desc");
const QString kPrintTitle = QStringLiteral("%1 %2");

struct TGridColumn
{
    const char *field;
    const char *caption;
    int width;
};
const TGridColumn kColumns[] = {
    {"grname", "Διοργάνωση", 225},
    {"Agvnistikh", "Αγων.", 44},
    {"Date", "Ημερομηνία", 0},
    {"Omades", "Αρ. Ομάδων", 0},
    {"Rounds", "Γύροι", 41},
    {"Nikh", "ΒΝ", 28},
    {"Isop", "ΒΙ", 23},
    {"Htta", "ΒΗ", 26},
    {"Champions", "Πρωτ.", 44},
    {"OmadesUp", "Προβ.", 41},
    {"OmadesDn", "Υποβ.", 39},
    {"FileName", "Αρχείο", 72},
    {"MaxAgvnistikh", "Τελ. Αγωνιστική", 0},
};

QPointer<TDiorgShowForm> &OpenForm()
{
    static QPointer<TDiorgShowForm> form;
    return form;
}

void ClearFilter(TDataSet &dataSet)
{
    dataSet.SetFilter(QString());
    dataSet.SetFiltered(false);
}

} // namespace

TDiorgShowForm::TDiorgShowForm(QWidget *parent)
    : QWidget(parent), Panel1(new QFrame(this)), Label1(new QLabel(kSeason, Panel1)),
      PeriodCombo(new QComboBox(Panel1)), BitBtn1(new QPushButton(kPrint, Panel1)),
      DBGrid1(new TDBGrid(this)), dsDShowQuery(new TDataSource(this))
{
    setObjectName(QStringLiteral("DiorgShowForm"));
    setWindowTitle(kCaption);
    setAttribute(Qt::WA_DeleteOnClose);
    OpenForm() = this;

    auto *bar = new QHBoxLayout(Panel1);
    bar->addWidget(Label1);
    bar->addWidget(PeriodCombo);
    bar->addWidget(BitBtn1);
    bar->addStretch();
    PeriodCombo->setMinimumWidth(100);

    dsDShowQuery->SetDataSet(&TavrolinDM().DShowQuery);
    DBGrid1->SetDataSource(dsDShowQuery);
    DBGrid1->SetOptions({dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines, dgRowSelect});
    DBGrid1->SetReadOnly(true);
    DBGrid1->setToolTip(kGridHint);
    for (const TGridColumn &entry : kColumns) {
        TColumn &column = DBGrid1->Columns().Add();
        column.SetFieldName(QString::fromUtf8(entry.field));
        column.Title.Caption = QString::fromUtf8(entry.caption);
        column.Width = entry.width;
    }
    DBGrid1->OnDblClick = [this] { DBGrid1DblClick(); };

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Panel1);
    layout->addWidget(DBGrid1, 1);

    connect(PeriodCombo, &QComboBox::activated, this, &TDiorgShowForm::PeriodComboChange);
    connect(BitBtn1, &QPushButton::clicked, this, &TDiorgShowForm::BitBtn1Click);
}

void TDiorgShowForm::FormShow()
{
    TQuery &seasons = TavrolinDM().ComboQuery;
    PeriodCombo->clear();
    try {
        seasons.Close();
        seasons.SQL().Clear();
        seasons.SQL().Add(kSeasonsSql);
        seasons.Open();
        for (seasons.First(); !seasons.Eof(); seasons.Next())
            PeriodCombo->addItem(seasons.FieldByName(QStringLiteral("Periodos")).AsString());
        seasons.Close();
    } catch (const Exception &error) {
        MessageDlg(error.Message(), mtError, {mbOK});
    }
    // The season remembered, else the newest.
    const int remembered = PeriodCombo->findText(tav::data::CurrentChoice().Season);
    PeriodCombo->setCurrentIndex(remembered >= 0 ? remembered : 0);
    RunSummary();
}

void TDiorgShowForm::RunSummary()
{
    TQuery &summary = TavrolinDM().DShowQuery;
    TWaitCursor wait;
    try {
        summary.Close();
        summary.Prepare();
        summary.ParamByName(QStringLiteral("CurrPeriod")).SetAsString(PeriodCombo->currentText());
        summary.Open();
    } catch (const Exception &error) {
        wait.Restore();
        MessageDlg(error.Message(), mtError, {mbOK});
    }
}

void TDiorgShowForm::PeriodComboChange()
{
    tav::data::ChooseSeason(TavrolinDM(), PeriodCombo->currentText());
    RunSummary();
}

void TDiorgShowForm::DBGrid1DblClick()
{
    TTavrolinDM &dm = TavrolinDM();
    try {
        if (!dm.Agvnes.Active())
            dm.Agvnes.Open();
        ClearFilter(dm.Agvnes);
        dm.Agvnes.CancelRange();
    } catch (const Exception &error) {
        MessageDlg(error.Message(), mtError, {mbOK});
        return;
    }
    AgvnesForm1()->show();
}

void TDiorgShowForm::BitBtn1Click()
{
    TQuery &summary = TavrolinDM().DShowQuery;
    if (!summary.Active() || !ExecutePrintDialog(this))
        return;
    TCompetitionsSummaryPage page;
    page.Title = kPrintTitle.arg(kCaption, PeriodCombo->currentText());
    const int columns = DBGrid1->Columns().Count();
    for (int column = 0; column < columns; ++column)
        page.Titles.append(DBGrid1->Columns()[column].Caption());
    const int rows = summary.RecordCount();
    for (int row = 0; row < rows; ++row) {
        QStringList cells;
        for (int column = 0; column < columns; ++column)
            cells.append(DBGrid1->CellText(row, column));
        page.Rows.append(cells);
    }
    TWaitCursor wait;
    try {
        PrintCompetitionsSummary(Printer(), page);
    } catch (const Exception &error) {
        wait.Restore();
        MessageDlg(error.Message(), mtError, {mbOK});
    }
}

void TDiorgShowForm::FormClose()
{
    tav::data::ChooseSeason(TavrolinDM(), PeriodCombo->currentText());
    // Whatever the other windows left on the matches, competitions and teams goes with it. The
    // teams come last: every move of the competitions narrows them again.
    TTavrolinDM &dm = TavrolinDM();
    ClearFilter(dm.Agvnes);
    if (dm.Agvnes.Active())
        dm.Agvnes.CancelRange();
    ClearFilter(dm.Diorganvseis);
    ClearFilter(dm.Omades);
    emit Closed();
}

void TDiorgShowForm::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QWidget::showEvent(event);
}

void TDiorgShowForm::closeEvent(QCloseEvent *event)
{
    FormClose();
    event->accept();
}

TDiorgShowForm *DiorgShowForm()
{
    return OpenForm();
}
