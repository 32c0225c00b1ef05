#include "editors/ui/agvnes_form1.h"

#include "data/data_module.h"
#include "editors/match_list_engine.h"
#include "editors/pending_edit.h"
#include "editors/ui/reference_editor_parts.h"
#include "platform/core/long_lived.h"
#include "platform/core/message_service.h"
#include "platform/db/data_source.h"
#include "platform/ui/db_grid.h"
#include "platform/ui/db_navigator.h"

#include <QHideEvent>
#include <QShowEvent>
#include <QVBoxLayout>

using namespace tav::editors;

namespace {

const QString Caption = QStringLiteral("Ενημέρωση Αποτελεσμάτων");

// GName's caption is the field's own label ("Γηπεδούχος").
const QList<TEditorColumn> Columns = {
    {QStringLiteral("Agvnistikh"), QStringLiteral("Αγωνιστική"), 0},
    {QStringLiteral("Omilos"), QStringLiteral("Όμιλος"), 56},
    {QStringLiteral("Date"), QStringLiteral("Ημερομηνία"), 0},
    {QStringLiteral("Time"), QStringLiteral("Ώρα"), 54},
    {QStringLiteral("GName"), QString(), 100},
    {QStringLiteral("FName"), QStringLiteral("Φιλοξενούμενη"), 100},
    {QStringLiteral("HmGGoals"), QStringLiteral("ΤΓ (Ημ)"), 50},
    {QStringLiteral("HmFGoals"), QStringLiteral("ΤΦ (Ημ)"), 50},
    {QStringLiteral("TelGGoals"), QStringLiteral("ΤΓ"), 50},
    {QStringLiteral("TelFGoals"), QStringLiteral("ΤΦ"), 50},
};

void ClearFilter(TDataSet &dataSet)
{
    dataSet.SetFilter(QString());
    dataSet.SetFiltered(false);
}

} // namespace

QString UnplayedMatchesFilter(const QString &dNo, const QString &agvnistikh)
{
    if (dNo.isEmpty())
        return QStringLiteral("DiorgNo = null");
    return QStringLiteral("(DiorgNo = ") + dNo + QStringLiteral(") AND (Agvnistikh <= ") + agvnistikh +
           QStringLiteral(") AND (TelGGoals = null)");
}

TAgvnesForm1::TAgvnesForm1(QWidget *parent)
    : QDialog(parent), DataSource1(new TDataSource(this)), DBNavigator1(new TDBNavigator(this)),
      DBGrid1(new TDBGrid(this))
{
    setWindowTitle(Caption);
    setWindowState(Qt::WindowMaximized);
    LinkEditor(*DataSource1, TavrolinDM().Agvnes, *DBNavigator1,
               {nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbEdit, nbPost, nbCancel, nbRefresh}, *DBGrid1,
               Columns, false);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(DBNavigator1, 0, Qt::AlignLeft);
    layout->addWidget(DBGrid1);
}

void TAgvnesForm1::FormShow()
{
    TTavrolinDM &dm = TavrolinDM();
    const bool hasRow = dm.DShowQuery.Active() && !dm.DShowQuery.IsEmpty();
    const QString dNo = hasRow ? dm.DShowQuery.FieldByName(QStringLiteral("DNo")).AsString() : QString();
    const QString agvnistikh =
        hasRow ? dm.DShowQuery.FieldByName(QStringLiteral("Agvnistikh")).AsString() : QString();

    if (!dm.Diorganvseis.Active())
        dm.Diorganvseis.Open();
    dm.Diorganvseis.SetFilter(dNo.isEmpty() ? QStringLiteral("DNo = null") : QStringLiteral("DNo=") + dNo);
    dm.Diorganvseis.SetFiltered(true);
    if (!dm.POmades.Active())
        dm.POmades.Open();
    dm.POmades.SetFilter(QString());
    dm.Agvnes.SetFilter(UnplayedMatchesFilter(dNo, agvnistikh));
    dm.Agvnes.SetFiltered(true);
    if (!dm.Agvnes.Active())
        dm.Agvnes.Open();
    DBGrid1->viewport()->update();
}

void TAgvnesForm1::FormHide()
{
    TTavrolinDM &dm = TavrolinDM();
    // Hidden by other means than closing, the window cannot stay for a correction.
    if (!EndPendingEdit(dm.Agvnes))
        dm.Agvnes.Cancel();
    ClearFilter(dm.Agvnes);
    ClearFilter(dm.Diorganvseis);
}

void TAgvnesForm1::FormClose()
{
    FormHide();
}

void TAgvnesForm1::done(int result)
{
    if (!EndPendingEdit(TavrolinDM().Agvnes))
        return;
    FormClose();
    QDialog::done(result);
}

void TAgvnesForm1::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TAgvnesForm1::hideEvent(QHideEvent *event)
{
    if (!event->spontaneous())
        FormHide();
    QDialog::hideEvent(event);
}

TAgvnesForm1 *AgvnesForm1()
{
    // Destroyed only by a test's reset: a window must not outlive the application object in a destructor.
    static TAgvnesForm1 *form = nullptr;
    return LongLived(form, [] { return new TAgvnesForm1; });
}
