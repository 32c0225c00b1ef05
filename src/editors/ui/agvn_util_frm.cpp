#include "editors/ui/agvn_util_frm.h"

#include "data/data_module.h"
#include "editors/agvn_util_engine.h"
#include "platform/core/message_service.h"
#include "platform/db/data_source.h"
#include "platform/ui/db_grid.h"
#include "platform/ui/db_lookup_combo.h"
#include "platform/ui/wait_cursor.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

using namespace tav::data;
using namespace tav::editors;

namespace {

const QString kCaption = QStringLiteral("Ελεγχός αρχείου Αγώνων");
const QString kCheck = QStringLiteral("ΕΛΕΓΧΟΣ");
const QString kExit = QStringLiteral("ΕΞΟΔΟΣ");
const QString kChooseSeason = QStringLiteral("Παρακαλώ επιλέξτε μία περίοδο");

struct TGridColumn
{
    const char *field;
    // nullptr: the field's own label.
    const char *caption;
    // 0: the grid's default width.
    int width;
};
const TGridColumn kColumns[] = {
    {"GName", nullptr, 120},
    {"FName", "Φιλοξενούμενη", 120},
    {"OmadGName", "Γηπ. (Ομάδες)", 120},
    {"OmadFName", "Φιλ. (Ομάδες)", 120},
    {"Agvnistikh", "Αγωνιστ.", 50},
    {"Date", "Ημ/νία", 70},
    {"DiorgName", "Διοργάνωση", 0},
};

QPointer<TAgvnUtilFrm> &OpenForm()
{
    static QPointer<TAgvnUtilFrm> form;
    return form;
}

TDataSource *ListSource(QObject *owner, TDataSet &dataSet)
{
    auto *source = new TDataSource(owner);
    source->SetDataSet(&dataSet);
    source->SetAutoEdit(false);
    return source;
}

void ShowMatches(TTable &matches, const QString &filter)
{
    matches.SetFilter(filter);
    matches.SetFiltered(true);
    matches.First();
}

} // namespace

TAgvnUtilFrm::TAgvnUtilFrm(QWidget *parent)
    : QWidget(parent), DBGrid1(new TDBGrid(this)), Panel1(new QFrame(this)),
      BitBtn1(new QPushButton(kCheck, Panel1)), BitBtn2(new QPushButton(kExit, Panel1)),
      DBLookupComboBox1(new TDBLookupComboBox(Panel1)), DBLookupComboBox2(new TDBLookupComboBox(Panel1))
{
    setObjectName(QStringLiteral("AgvnUtilFrm"));
    setWindowTitle(kCaption);
    setAttribute(Qt::WA_DeleteOnClose);
    OpenForm() = this;

    TTavrolinDM &dm = TavrolinDM();
    dsAgvnes = ListSource(this, dm.Agvnes);
    dsKathgories = ListSource(this, dm.Kathgories);
    dsPeriodos = ListSource(this, dm.Periodos);

    DBGrid1->SetDataSource(dsAgvnes);
    DBGrid1->SetOptions({dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines, dgRowSelect});
    DBGrid1->SetReadOnly(true);
    for (const TGridColumn &entry : kColumns) {
        TColumn &column = DBGrid1->Columns().Add();
        column.SetFieldName(QString::fromUtf8(entry.field));
        if (entry.caption)
            column.Title.Caption = QString::fromUtf8(entry.caption);
        column.Width = entry.width;
    }

    DBLookupComboBox1->setObjectName(QStringLiteral("DBLookupComboBox1"));
    DBLookupComboBox1->SetListSource(dsKathgories);
    DBLookupComboBox1->SetKeyField(QStringLiteral("KatNo"));
    DBLookupComboBox1->SetListField(QStringLiteral("GrName"));
    DBLookupComboBox1->setMinimumWidth(200);
    DBLookupComboBox1->OnClick = [this] { DBLookupComboBox1CloseUp(); };
    DBLookupComboBox2->setObjectName(QStringLiteral("DBLookupComboBox2"));
    DBLookupComboBox2->SetListSource(dsPeriodos);
    DBLookupComboBox2->SetKeyField(QStringLiteral("Periodos"));
    DBLookupComboBox2->SetListField(QStringLiteral("Periodos"));
    DBLookupComboBox2->setMinimumWidth(100);

    auto *bar = new QHBoxLayout(Panel1);
    bar->addWidget(BitBtn1);
    bar->addWidget(BitBtn2);
    bar->addStretch();
    bar->addWidget(DBLookupComboBox1);
    bar->addWidget(DBLookupComboBox2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(DBGrid1, 1);
    layout->addWidget(Panel1);

    connect(BitBtn1, &QPushButton::clicked, this, &TAgvnUtilFrm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TAgvnUtilFrm::BitBtn2Click);
}

void TAgvnUtilFrm::FormShow()
{
    TTavrolinDM &dm = TavrolinDM();
    for (TTable *table : {&dm.Kathgories, &dm.Periodos, &dm.Diorganvseis, &dm.Agvnes})
        OpenIfClosed(*table);
    if (started_)
        return;
    started_ = true;
    // The list starts from every match, whatever view another window left on the shared table.
    dm.Agvnes.CancelRange();
    dm.Agvnes.SetFilter(QString());
    dm.Agvnes.SetFiltered(false);
    dm.Agvnes.First();
}

void TAgvnUtilFrm::BitBtn1Click()
{
    TTavrolinDM &dm = TavrolinDM();
    TWaitCursor wait;
    const QList<int> found = CompetitionsWithMismatchedNames(dm.TavrolinDb);
    ShowMatches(dm.Agvnes, AddCompetitionsToFilter(dm.Agvnes.Filter(), found));
}

void TAgvnUtilFrm::BitBtn2Click()
{
    // The frame goes with the window.
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
        frame->close();
    else
        close();
}

void TAgvnUtilFrm::DBLookupComboBox1CloseUp()
{
    const QVariant season = DBLookupComboBox2->KeyValue();
    if (season.isNull())
        ShowMessage(kChooseSeason);
    TTavrolinDM &dm = TavrolinDM();
    const std::optional<int> dNo =
        CompetitionOf(dm.TavrolinDb, DBLookupComboBox1->KeyValue(), season.toString());
    if (dNo)
        ShowMatches(dm.Agvnes, CompetitionFilter(*dNo));
}

void TAgvnUtilFrm::FormClose()
{
    TTable &matches = TavrolinDM().Agvnes;
    matches.SetFilter(QString());
    matches.SetFiltered(false);
    emit Closed();
}

void TAgvnUtilFrm::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QWidget::showEvent(event);
}

void TAgvnUtilFrm::closeEvent(QCloseEvent *event)
{
    FormClose();
    event->accept();
}

TAgvnUtilFrm *AgvnUtilFrm()
{
    return OpenForm();
}
