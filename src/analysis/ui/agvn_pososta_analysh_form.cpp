#include "analysis/ui/agvn_pososta_analysh_form.h"

#include "analysis/prediction_runs.h"
#include "analysis/prediction_store.h"
#include "analysis/standings_store.h"
#include "data/data_module.h"
#include "platform/core/long_lived.h"
#include "platform/core/message_service.h"
#include "platform/db/data_source.h"
#include "platform/ui/db_grid.h"
#include "platform/ui/db_navigator.h"
#include "platform/ui/wait_cursor.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

using namespace tav::analysis;

namespace {

const char *const kCaption = "AgvnPosostaAnalyshForm";
const char *const kHomeName = "Γηπεδούχος: %1";
const char *const kAwayName = "Φιλοξενούμενη: %1";
const char *const kHomeWord = "Εντός";
const char *const kAwayWord = "Εκτός";
const QString kSessionName = QStringLiteral("Session1_1");
const QString kDatabaseName = QStringLiteral("Tavrolin");

// The side's earlier matches on its side, newest first, with the opponent's name and strength,
// the competition's name and strength, the places of both sides before that matchday and the
// sign of the result. %1 is the column of the side's club, %2 that of the opponent's record.
const char *const kHistorySql[] = {
    "SELECT a.DiorgNo, a.Agvnistikh, a.Ghpedoyxos, a.Filojenoymenh, a.Omilos, a.GameNo, a.HmGGoals, ",
    "  a.HmFGoals, a.TelGGoals, a.TelFGoals, a.\"DATE\", a.GTeamNo, a.FTeamNo, a.\"Time\", ",
    "  p.GrName AS TeamName, p.Isxys AS TeamIsxys, d.Periodos || ', ' || k.GrName AS DiorgName, ",
    "  k.Isxys AS DiorgIsxys, ",
    "  CASE WHEN a.TelGGoals IS NULL THEN '' WHEN a.TelGGoals > a.TelFGoals THEN '1' ",
    "    WHEN a.TelGGoals < a.TelFGoals THEN '2' ELSE 'X' END AS Result, ",
    "  (SELECT Position FROM TeamStat s WHERE s.TeamNo = a.Ghpedoyxos ",
    "    AND s.Agvnistikh = a.Agvnistikh - 1) AS GhpPosition, ",
    "  (SELECT PositionEntos FROM TeamStat s WHERE s.TeamNo = a.Ghpedoyxos ",
    "    AND s.Agvnistikh = a.Agvnistikh - 1) AS GhpPositionE, ",
    "  (SELECT Position FROM TeamStat s WHERE s.TeamNo = a.Filojenoymenh ",
    "    AND s.Agvnistikh = a.Agvnistikh - 1) AS FilPosition, ",
    "  (SELECT PositionEktos FROM TeamStat s WHERE s.TeamNo = a.Filojenoymenh ",
    "    AND s.Agvnistikh = a.Agvnistikh - 1) AS FilPositionE ",
    "FROM Agvnes a LEFT JOIN PerOmades p ON p.RecNo = a.%2 ",
    "  LEFT JOIN Diorganvseis d ON d.DNo = a.DiorgNo LEFT JOIN Kathgories k ON k.KatNo = d.KatNo ",
    "WHERE a.%1 = :TeamNo AND a.\"DATE\" < :CurrDate ",
    "ORDER BY a.\"DATE\" DESC",
};

struct TGridColumn
{
    const char *field;
    const char *title;
    int width;
    Qt::Alignment alignment;
};

// The columns of the home side's grid; the away side's grid shows the opponent's places first.
const TGridColumn kHomeColumns[] = {
    {"DATE", "Ημερομηνία", 0, Qt::AlignLeft},
    {"DiorgName", "Διοργάνωση", 174, Qt::AlignLeft},
    {"DiorgIsxys", "Ισχύς", 33, Qt::AlignLeft},
    {"Agvnistikh", "Αγωνιστική", 65, Qt::AlignRight},
    {"TeamName", "Αντίπαλος", 154, Qt::AlignLeft},
    {"TeamIsxys", "Ισχύς", 33, Qt::AlignLeft},
    {"GhpPosition", "Θέση Γηπεδούχου", 100, Qt::AlignHCenter},
    {"GhpPositionE", "(εντός)", 52, Qt::AlignHCenter},
    {"FilPosition", "Θέση Αντιπάλου", 89, Qt::AlignHCenter},
    {"FilPositionE", "(εκτός)", 55, Qt::AlignHCenter},
    {"TelGGoals", "Τελικό", 37, Qt::AlignRight},
    {"TelFGoals", "Σκόρ", 38, Qt::AlignLeft},
    {"Result", "Σημείο", 39, Qt::AlignLeft},
};
const TGridColumn kAwayColumns[] = {
    {"DATE", "Ημερομηνία", 0, Qt::AlignLeft},
    {"DiorgName", "Διοργάνωση", 174, Qt::AlignLeft},
    {"DiorgIsxys", "Ισχύς", 33, Qt::AlignLeft},
    {"Agvnistikh", "Αγωνιστική", 65, Qt::AlignRight},
    {"TeamName", "Αντίπαλος", 154, Qt::AlignLeft},
    {"TeamIsxys", "Ισχύς", 33, Qt::AlignLeft},
    {"GhpPosition", "Θέση Αντιπάλου", 89, Qt::AlignHCenter},
    {"GhpPositionE", "(εντός)", 54, Qt::AlignHCenter},
    {"FilPosition", "Θέση Φιλοξενούμενης", 0, Qt::AlignHCenter},
    {"FilPositionE", "(εκτός)", 52, Qt::AlignHCenter},
    {"TelGGoals", "Τελικό", 37, Qt::AlignRight},
    {"TelFGoals", "Σκόρ", 38, Qt::AlignLeft},
    {"Result", "Σημείο", 39, Qt::AlignLeft},
};

QString Text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

void OpenHistory(TQuery &query, int club, const QDate &before)
{
    query.Close();
    TParam &team = query.ParamByName(QStringLiteral("TeamNo"));
    team.SetDataType(TFieldType::ftInteger);
    team.SetValue(club);
    TParam &date = query.ParamByName(QStringLiteral("CurrDate"));
    date.SetDataType(TFieldType::ftDate);
    date.SetValue(before.isValid() ? QVariant(before) : QVariant());
    query.Open();
}

} // namespace

TAgvnPosostaAnalyshForm::TAgvnPosostaAnalyshForm(QWidget *parent)
    : QWidget(parent, Qt::Window), DataSource1(new TDataSource(this)), DataSource2(new TDataSource(this)),
      DBGrid1(new TDBGrid(this)), DBGrid2(new TDBGrid(this))
{
    setWindowTitle(Text(kCaption));
    Panel1 = MakePanel(GhpNameLabel, GhpIsxyslabel, DBNavigator1, DataSource1);
    Panel2 = MakePanel(FilNameLabel, FilIsxyslabel, DBNavigator2, DataSource2);
    SetUpQuery(Query1, true);
    SetUpQuery(Query2, false);
    DataSource1->SetDataSet(&Query1);
    DataSource2->SetDataSet(&Query2);
    SetUpGrid(*DBGrid1, true);
    SetUpGrid(*DBGrid2, false);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Panel1);
    layout->addWidget(DBGrid1, 1);
    layout->addWidget(Panel2);
    layout->addWidget(DBGrid2, 1);
    resize(1000, 640);
    setWindowState(Qt::WindowMaximized);
}

TAgvnPosostaAnalyshForm::~TAgvnPosostaAnalyshForm() = default;

QFrame *TAgvnPosostaAnalyshForm::MakePanel(QLabel *&name, QLabel *&standing, TDBNavigator *&navigator,
                                           TDataSource *source)
{
    auto *panel = new QFrame(this);
    name = new QLabel(panel);
    standing = new QLabel(panel);
    navigator = new TDBNavigator(panel);
    navigator->SetDataSource(source);
    navigator->SetVisibleButtons({nbFirst, nbPrior, nbNext, nbLast});
    auto *layout = new QHBoxLayout(panel);
    auto *labels = new QVBoxLayout;
    labels->addWidget(name);
    labels->addWidget(standing);
    layout->addLayout(labels, 1);
    layout->addWidget(navigator);
    return panel;
}

void TAgvnPosostaAnalyshForm::SetUpQuery(TQuery &query, bool home)
{
    query.SetSessionName(kSessionName);
    query.SetDatabaseName(kDatabaseName);
    const QString club = home ? QStringLiteral("GTeamNo") : QStringLiteral("FTeamNo");
    const QString opponent = home ? QStringLiteral("Filojenoymenh") : QStringLiteral("Ghpedoyxos");
    for (const char *line : kHistorySql)
        query.SQL().Add(
            Text(line).replace(QStringLiteral("%1"), club).replace(QStringLiteral("%2"), opponent));
}

void TAgvnPosostaAnalyshForm::SetUpGrid(TDBGrid &grid, bool home)
{
    grid.SetDataSource(home ? DataSource1 : DataSource2);
    grid.SetReadOnly(true);
    grid.SetOptions({dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines, dgRowSelect});
    for (const TGridColumn &entry : home ? kHomeColumns : kAwayColumns) {
        TColumn &column = grid.Columns().Add();
        column.SetFieldName(Text(entry.field));
        column.Title.Caption = Text(entry.title);
        column.Title.Alignment = entry.alignment;
        column.Width = entry.width;
    }
}

QString TAgvnPosostaAnalyshForm::StandingLine(int GameNo, const QString &TeamField, const QString &SideWord)
{
    return tav::analysis::StandingLine(TavrolinDM(), GameNo, TeamField == QLatin1String("Ghpedoyxos"),
                                       SideWord);
}

void ShowMatchDetail(TAgvnPosostaAnalyshForm &form, int GameNo)
{
    TTavrolinDM &dm = TavrolinDM();
    TWaitCursor wait;
    QString failure;
    std::optional<TListedMatch> match;
    try {
        match = ReadMatch(dm, GameNo);
        // A slot that no match occupies shows nothing.
        for (QLabel *label : {form.GhpNameLabel, form.GhpIsxyslabel, form.FilNameLabel, form.FilIsxyslabel})
            label->clear();
        if (match) {
            form.GhpNameLabel->setText(Text(kHomeName).arg(CompetitionTeamName(dm, match->Ghpedoyxos)));
            form.GhpIsxyslabel->setText(
                form.StandingLine(GameNo, QStringLiteral("Ghpedoyxos"), Text(kHomeWord)));
            form.FilNameLabel->setText(Text(kAwayName).arg(CompetitionTeamName(dm, match->Filojenoymenh)));
            form.FilIsxyslabel->setText(
                form.StandingLine(GameNo, QStringLiteral("Filojenoymenh"), Text(kAwayWord)));
        }
    } catch (const Exception &error) {
        failure = error.Message();
    }
    try {
        OpenHistory(form.Query1, match ? match->GTeamNo : 0, match ? match->Date : QDate());
        OpenHistory(form.Query2, match ? match->FTeamNo : 0, match ? match->Date : QDate());
    } catch (const Exception &error) {
        if (failure.isEmpty())
            failure = error.Message();
    }
    wait.Restore();
    form.showMaximized();
    form.raise();
    form.activateWindow();
    if (!failure.isEmpty())
        MessageDlg(failure, mtError, {mbOK});
}

TAgvnPosostaAnalyshForm *AgvnPosostaAnalyshForm()
{
    // Destroyed only by a test's reset: the window lives to the end of the program.
    static TAgvnPosostaAnalyshForm *form = nullptr;
    return LongLived(form, [] { return new TAgvnPosostaAnalyshForm; });
}
