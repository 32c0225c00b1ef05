#include "analysis/ui/proistoria_form.h"

#include "data/data_module.h"
#include "platform/core/long_lived.h"
#include "platform/core/message_service.h"
#include "platform/db/data_source.h"
#include "platform/ui/db_grid.h"
#include "platform/ui/db_text.h"
#include "platform/ui/wait_cursor.h"

#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

using namespace tav::analysis;

namespace {

const char *const kCaption = "Προϊστορία Αγώνα";
const char *const kDateTitle = "Ημερομηνία";
const char *const kHomeTitle = "Γηπεδούχος";
const char *const kAwayTitle = "Φιλοξενούμενη";
const char *const kScoreTitle = "Αποτέλεσμα";
const QString kSessionName = QStringLiteral("Session1_1");
const QString kDatabaseName = QStringLiteral("tavrolin");

} // namespace

TProistoriaForm::TProistoriaForm(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      dsProistoriaQuery(new TDataSource(this)), Panel1(new QFrame(this)), DBText1(new TDBText(Panel1)),
      ProistoriaGrid(new TDBGrid(this))
{
    setWindowTitle(kCaption);
    resize(560, 360);
    Panel1->setFixedHeight(33);
    QFont headFont = DBText1->font();
    headFont.setPixelSize(15);
    DBText1->setFont(headFont);
    auto *head = new QVBoxLayout(Panel1);
    head->setContentsMargins(8, 0, 8, 0);
    head->addWidget(DBText1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Panel1);
    layout->addWidget(ProistoriaGrid, 1);

    ClubNames.SetSessionName(kSessionName);
    ClubNames.SetDatabaseName(kDatabaseName);
    ClubNames.SetTableName(QStringLiteral("Omades.db"));
    ClubNames.SetIndexFieldNames(QStringLiteral("TeamNo"));

    ProistoriaQuery.SetSessionName(kSessionName);
    ProistoriaQuery.SetDatabaseName(kDatabaseName);
    ProistoriaQuery.AddField(QStringLiteral("Score"), TFieldKind::fkCalculated, TFieldType::ftString, 7);
    ProistoriaQuery.AddLookupField(QStringLiteral("OmadGName"), TFieldType::ftString, 40,
                                   QStringLiteral("GTeamNo"), &ClubNames, QStringLiteral("TeamNo"),
                                   QStringLiteral("Name"));
    ProistoriaQuery.AddLookupField(QStringLiteral("OmadFName"), TFieldType::ftString, 40,
                                   QStringLiteral("FTeamNo"), &ClubNames, QStringLiteral("TeamNo"),
                                   QStringLiteral("Name"));
    ProistoriaQuery.OnCalcFields = [this](TDataSet &dataSet) { ProistoriaQueryCalcFields(dataSet); };
    dsProistoriaQuery->SetDataSet(&ProistoriaQuery);

    ProistoriaGrid->SetDataSource(dsProistoriaQuery);
    ProistoriaGrid->SetReadOnly(true);
    const struct
    {
        const char *field;
        const char *title;
        int width;
        Qt::Alignment alignment;
    } columns[] = {{"Date", kDateTitle, 0, Qt::AlignLeft},
                   {"OmadGName", kHomeTitle, 200, Qt::AlignLeft},
                   {"OmadFName", kAwayTitle, 196, Qt::AlignLeft},
                   {"Score", kScoreTitle, 0, Qt::AlignHCenter}};
    for (const auto &entry : columns) {
        TColumn &column = ProistoriaGrid->Columns().Add();
        column.SetFieldName(QString::fromUtf8(entry.field));
        column.Title.Caption = QString::fromUtf8(entry.title);
        column.Title.Alignment = entry.alignment;
        column.Width = entry.width;
        column.Alignment = entry.alignment;
    }
}

TProistoriaForm::~TProistoriaForm() = default;

void TProistoriaForm::ShowHomeHistory()
{
    ShowHistory(THistoryKind::Home);
}

void TProistoriaForm::ShowAllHistory()
{
    ShowHistory(THistoryKind::All);
}

void TProistoriaForm::ShowHistory(THistoryKind kind)
{
    TDataSet &matches = TavrolinDM().Agvnes;
    TWaitCursor wait;
    try {
        if (!matches.Active() || matches.IsEmpty())
            return;
        DBText1->setText(matches.FieldByName(QStringLiteral("FromOmades")).AsString());
        if (!ClubNames.Active())
            ClubNames.Open();
        PrepareHistoryQuery(ProistoriaQuery, kind, HistoryMatchOf(matches));
        ProistoriaQuery.Open();
    } catch (const Exception &error) {
        wait.Restore();
        MessageDlg(error.Message(), mtError, {mbOK});
        return;
    }
    wait.Restore();
    CentreOnScreen();
    show();
    raise();
    activateWindow();
}

void TProistoriaForm::ProistoriaQueryCalcFields(TDataSet &dataSet)
{
    dataSet.FieldByName(QStringLiteral("Score"))
        .SetAsString(HistoryScore(dataSet.FieldByName(QStringLiteral("TelGGoals")).Value(),
                                  dataSet.FieldByName(QStringLiteral("TelFGoals")).Value()));
}

void TProistoriaForm::CentreOnScreen()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

TProistoriaForm *ProistoriaForm()
{
    // Destroyed only by a test's reset: a window must not outlive the application object in a destructor.
    static TProistoriaForm *form = nullptr;
    return LongLived(form, [] { return new TProistoriaForm; });
}
