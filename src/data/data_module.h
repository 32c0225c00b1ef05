#pragma once

#include "platform/db/data_source.h"
#include "platform/db/database.h"
#include "platform/db/query.h"
#include "platform/db/table.h"

#include <QString>
#include <QVariant>

#include <vector>

// The program's one data module: the session "Session1_1", the connection TavrolinDb on the alias
// "Tavrolin", every shared table and query, the integrity rules of the tables (their before-insert,
// before-post, before-delete and after-scroll events), the calculated fields, and the matchday
// helpers. Windows reach the database through its public components by name. At creation nothing
// is open; a table opens when a window first opens it, and a missing table is created then.
class TTavrolinDM
{
public:
    TTavrolinDM();
    ~TTavrolinDM();
    TTavrolinDM(const TTavrolinDM &) = delete;
    TTavrolinDM &operator=(const TTavrolinDM &) = delete;

    TSession Session1;
    TDatabase TavrolinDb;

    TTable Periodos;
    TTable Kathgories;
    TTable Krath;
    TTable Omades;
    TTable Diorganvseis;
    TDataSource dsDiorganvseis;
    TTable POmades;
    TTable Agvnes;
    TTable TeamStat;
    TTable TeamNames;
    TTable LookUpTable;
    TTable TyposKathg;
    TTable Deltia;
    TTable TblUptoDateAgvn;
    TTable GamePeriods;
    // A read-only second cursor on the matches.
    TTable CheckAgvnes;
    TDataSource DsOmades;

    TQuery DShowQuery;
    TQuery QryForma;
    TQuery QryForma2;
    TQuery PlegmaQuery;
    TQuery ComboQuery;
    TQuery QryDel;
    TQuery OmadesQry;
    TQuery POmadesQry;
    TQuery QryStat;
    TQuery QryDiorg;
    TQuery QryPeriod;
    TQuery Query1;
    TQuery PLQry;
    TQuery CurrDeltQuery;
    TQuery CurrAgvnistikhQuery;
    TQuery MaxAgvnistikhQuery;
    TQuery AgvnistikhDateQuery;

    // The category name and season of the current competition; only tav::data::Choose writes them
    // (data/competition_choice.h), the module itself never reads them.
    QString CurrDiorgName;
    QString CurrPeriodos;
    // Set by the competition editor while it is shown: only then does a new competition team take
    // an English name ahead of its post (POmadesAfterInsert).
    bool CompetitionEditorOpen = false;

    // The module's shared tables, the ones windows open by name.
    std::vector<TDataSet *> Tables();
    // Stores a record whose saving the user has just confirmed in a window of its own: the
    // competition rule does not ask again. False when a rule refused it; database errors propagate.
    bool PostConfirmed(TDataSet &DataSet);

    // --- session and connection ---
    void Session1Password(TSession &Sender, bool &Continue);
    void TavrolinDbBeforeConnect(TDatabase &Sender);

    // --- integrity rules ---
    void PeriodosBeforeDelete(TDataSet &DataSet);
    void KrathBeforeDelete(TDataSet &DataSet);
    void KathgoriesBeforeDelete(TDataSet &DataSet);
    void OmadesBeforeDelete(TDataSet &DataSet);
    void DiorganvseisBeforeDelete(TDataSet &DataSet);
    void POmadesBeforeDelete(TDataSet &DataSet);
    void GamePeriodsBeforeDelete(TDataSet &DataSet);
    void OmadesBeforePost(TDataSet &DataSet);
    void DiorganvseisAfterEdit(TDataSet &DataSet);
    void DiorganvseisBeforePost(TDataSet &DataSet);
    void DiorganvseisAfterScroll(TDataSet &DataSet);
    void POmadesBeforeInsert(TDataSet &DataSet);
    void POmadesAfterInsert(TDataSet &DataSet);
    void POmadesBeforePost(TDataSet &DataSet);
    // A new match that its window has given a competition and matchday (when it entered insert
    // state) is refused at once when that league matchday is full, before anything is typed.
    void AgvnesNewRecord(TDataSet &DataSet);
    void AgvnesBeforePost(TDataSet &DataSet);

    // --- calculated fields ---
    void AgvnesCalcFields(TDataSet &DataSet);
    void DiorganvseisCalcFields(TDataSet &DataSet);
    void POmadesCalcFields(TDataSet &DataSet);
    void POmadesTeamNameGetText(TField &Sender, QString &Text, bool DisplayText);
    void QryFormaCalcFields(TDataSet &DataSet);
    void QryForma2CalcFields(TDataSet &DataSet);
    void PlegmaQueryCalcFields(TDataSet &DataSet);
    void GamePeriodsCalcFields(TDataSet &DataSet);
    void DShowQueryCalcFields(TDataSet &DataSet);

    // --- matchday helpers of the current competition (the record under Diorganvseis) ---
    // The highest matchday in which a match with a result had at least one goal; 1 when none.
    int GetCurrAgvnistikh();
    // The highest matchday entered; 0 when none.
    int GetMaxAgvnistikh();
    // The date (short date format) on which the fewest matches of matchday Agvn were played;
    // empty when the matchday has no match.
    void GetAgvnistikhDate(quint8 Agvn, QString &Text);

private:
    void SetUpTables();
    void SetUpLookupsAndCalcFields();
    void SetUpQueries();
    void SetUpEvents();

    int CurrAgvnistikhOf(const QVariant &dNo);
    int MaxAgvnistikhOf(const QVariant &dNo);
    QString AgvnistikhDateOf(const QVariant &dNo, int agvn);

    // The first row of a statement of the module's connection, with its values bound; empty when
    // there is no row. SelectValue: the first column of that row, null when there is no row.
    QVariantList SelectRow(const QString &sql, const QVariantList &values);
    QVariant SelectValue(const QString &sql, const QVariantList &values);
    // The team name of one side of a match, by keys (the program's current competition stays).
    QString MatchTeamName(const QVariant &diorgNo, const QVariant &perTeam, bool english);
    void CheckMatchLimit(TDataSet &match);
    void CopyTeamNames(TDataSet &team);
    void FormaCalc(TQuery &query);
    // Set while PostConfirmed stores a record.
    bool saveConfirmed_ = false;
    // A text field takes at most its size (whole characters), as the tables always kept it.
    static void SetFieldText(TField &field, const QString &text);

    // Keyed name lookups that no window moves or filters: the shared Omades and POmades follow
    // the current competition, which is the cursor of the shared Diorganvseis.
    TTable LkOmades;
    TTable LkPerOmades;
    TTable LkDiorganvseis;
    // The English-name query of a new competition team, in the head-to-head window's session.
    TQuery EnNameQry;
};

// The program's data module, created on first use; it lives to the end of the program.
TTavrolinDM &TavrolinDM();

// A window opens a shared dataset only when it is not open yet and never closes it, so once opened
// it stays open for the run. True when this call opened it.
namespace tav::data {
bool OpenIfClosed(TDataSet &dataSet);
} // namespace tav::data
