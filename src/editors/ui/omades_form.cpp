#include "editors/ui/omades_form.h"

#include "data/data_module.h"
#include "editors/pending_edit.h"
#include "editors/team_delete.h"
#include "editors/ui/reference_editor_parts.h"
#include "platform/core/long_lived.h"
#include "platform/core/message_service.h"
#include "platform/db/data_source.h"
#include "platform/db/db_errors.h"
#include "platform/ui/db_grid.h"
#include "platform/ui/db_navigator.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

using namespace tav::data;

using namespace tav::editors;

namespace {

const QString Caption = QStringLiteral("Καταχώρηση-Αλλαγή Ομάδων");
const QString GreekNameTitle = QStringLiteral("Ελληνική Ονομασία");
const QString EnglishNameTitle = QStringLiteral("Αγγλική Ονομασία");
const QString CountryLabel = QStringLiteral("Κράτος");
const QString DeleteButton = QStringLiteral("D");
const QString DeleteHint = QStringLiteral("Διαγραφή");
const QString ConfirmDelete = QStringLiteral("Επιβεβαιώστε τη διαγραφή");
const QString ConfirmDeleteCaption = QStringLiteral("Διαγραφή");
const QString TeamInCompetition =
    QStringLiteral("Δεν μπορείτε να διαγράψετε την ομάδα.Υπάρχουν καταχωρημένες εγγραφές στις διοργανώσεις.");
const QString SessionName = QStringLiteral("Session1_1");
const QString DatabaseName = QStringLiteral("Tavrolin");

QPointer<TOmadesForm> &Global()
{
    static QPointer<TOmadesForm> form;
    return form;
}

} // namespace

TOmadesForm::TOmadesForm(QWidget *parent)
    : QDialog(parent), DataSource1(new TDataSource(this)), DBNavigator1(new TDBNavigator(this)),
      DBGrid1(new TDBGrid(this)), Label1(new QLabel(CountryLabel, this)), CmbKrath(new QComboBox(this)),
      SpeedButton1(new QToolButton(this)), ImageList1(NavigatorImageList(*this))
{
    setWindowTitle(Caption);
    setWindowState(Qt::WindowMaximized);
    LinkEditor(
        *DataSource1, TavrolinDM().Omades, *DBNavigator1,
        {nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbEdit, nbPost}, *DBGrid1,
        {{QStringLiteral("Name"), GreekNameTitle, 250}, {QStringLiteral("EnName"), EnglishNameTitle, 250}},
        true);
    CmbKrath->setEditable(false);
    CmbKrath->setMinimumWidth(200);
    connect(CmbKrath, &QComboBox::activated, this, &TOmadesForm::CmbKrathChange);
    SpeedButton1->setText(DeleteButton);
    SpeedButton1->setToolTip(DeleteHint);
    connect(SpeedButton1, &QToolButton::clicked, this, &TOmadesForm::SpeedButton1Click);
    QryDel.SetSessionName(SessionName);
    QryDel.SetDatabaseName(DatabaseName);

    auto *top = new QHBoxLayout;
    top->addWidget(DBNavigator1);
    top->addWidget(SpeedButton1);
    top->addSpacing(24);
    top->addWidget(Label1);
    top->addWidget(CmbKrath);
    top->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(DBGrid1);
}

void TOmadesForm::FormShow()
{
    TTavrolinDM &dm = TavrolinDM();
    OpenIfClosed(dm.Omades);
    dm.Omades.First();
    SetNavigatorGlyphs(*DBNavigator1, ImageList1);
    OpenIfClosed(dm.Krath);
    dm.Krath.First();
    CmbKrath->clear();
    const int name = dm.Krath.FieldByName(QStringLiteral("Name")).Index();
    const int count = dm.Krath.RecordCount();
    for (int row = 0; row < count; ++row)
        CmbKrath->addItem(dm.Krath.ValueAt(row, name).toString());
    if (CmbKrath->count() > 0) {
        CmbKrath->setCurrentIndex(0);
        ShowTeamsOf(CmbKrath->currentText());
    }
}

void TOmadesForm::FormActivate()
{
    TavrolinDM().Omades.SetFiltered(true);
}

void TOmadesForm::CmbKrathChange()
{
    try {
        ShowTeamsOf(CmbKrath->currentText());
    } catch (const Exception &error) {
        // The team being typed could not be stored before the list changed: it stays as typed.
        MessageDlg(error.Message(), mtError, {mbOK});
    }
}

bool TOmadesForm::ShowTeamsOf(const QString &countryName)
{
    TTavrolinDM &dm = TavrolinDM();
    if (!dm.Krath.Locate(QStringLiteral("Name"), {countryName}))
        return false;
    dm.Omades.SetFilter(QStringLiteral("KratosNo = ") +
                        dm.Krath.FieldByName(QStringLiteral("RecNo")).AsString());
    DBGrid1->viewport()->update();
    return true;
}

void TOmadesForm::SpeedButton1Click()
{
    TTable &omades = TavrolinDM().Omades;
    const bool inserting = omades.State() == TDataSetState::dsInsert;
    if (!omades.Active() || (omades.IsEmpty() && !inserting))
        return;
    if (ApplicationMessageBox(ConfirmDelete, ConfirmDeleteCaption,
                              MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
        return;
    // A team not stored yet is simply dropped; an edit is dropped and the stored team deleted.
    if (inserting || omades.State() == TDataSetState::dsEdit)
        omades.Cancel();
    if (inserting)
        return;
    try {
        if (DeleteTeam(QryDel, omades.FieldByName(QStringLiteral("TeamNo")).Value(),
                       omades.FieldByName(QStringLiteral("Name")).Value(),
                       omades.FieldByName(QStringLiteral("EnName")).Value()) ==
            TTeamDeleteResult::PlaysInCompetition) {
            ShowMessage(TeamInCompetition);
            return;
        }
    } catch (const EDatabaseError &error) {
        MessageDlg(error.Message(), mtError, {mbOK});
        return;
    }
    omades.Close();
    omades.Open();
}

void TOmadesForm::FormClose()
{
    TavrolinDM().Omades.SetFiltered(false);
    if (Global() == this)
        Global() = nullptr;
    deleteLater();
}

void TOmadesForm::done(int result)
{
    if (!EndPendingEdit(TavrolinDM().Omades))
        return;
    FormClose();
    QDialog::done(result);
}

void TOmadesForm::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TOmadesForm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
    QDialog::changeEvent(event);
}

TOmadesForm *OmadesForm()
{
    return LongLived(Global(), [] { return new TOmadesForm; });
}
