// The bulk export of the match list over a 30-season history of an 18-team league (two rounds, 34
// matchdays, 9 matches a matchday), stored in a real database through the data module's schema:
// every matchday of every season written as a web page and a text file in Greek, English and
// Italian, as the bulk export's programme writes them, counted in report files per second. Then
// one season's pages, already read, formatted and written page by page, set against the same bytes
// written to the same files with one buffered write each, in the same run: the writers may cost
// at most three times the bare write (the "within_3x" counter and the summary say whether they do).
#include "data/data_module.h"
#include "platform/core/paths.h"
#include "platform/db/sqlite_statement.h"
#include "program_folder.h"
#include "report/matchday_export.h"
#include "report/matchday_mass_export.h"
#include "report/name_language.h"
#include "wall_timer.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace tav::report;

namespace {

constexpr int SeasonCount = 30;
constexpr int TeamCount = 18;
constexpr int Matchdays = 2 * (TeamCount - 1);
constexpr double Budget = 3.0;
const QList<TExportLanguage> AllLanguages{TExportLanguage::Greek, TExportLanguage::English,
                                          TExportLanguage::Italian};

QString SeasonText(int s)
{
    return QString::number(1990 + s) + QLatin1Char('-') + QString::number(91 + s).right(2);
}

// Every season of the league "Α' Εθνική" of country GR, its matches paired by the circle method,
// the first 20 matchdays of each season played.
void Store(sqlite3 *db)
{
    TransactionGuard transaction(db);
    ExecSql(db, QStringLiteral("INSERT INTO Krath (RecNo, Name, Kode) VALUES (1, 'Ελλάδα', 'GR');"
                               "INSERT INTO Kathgories (KatNo, GrName, EnName, ItName, Kratos, Kode, Typos) "
                               "VALUES (1, 'Α'' Εθνική', 'Super League', 'Serie A', 1, 'A', 0)"));
    for (int t = 1; t <= TeamCount; ++t)
        ExecSql(db, QStringLiteral("INSERT INTO Omades (KratosNo, Name, EnName, TeamNo) "
                                   "VALUES (1, 'Ομάδα %1', 'Team %1', %1)")
                        .arg(t));
    SqliteStatement season(db, QStringLiteral("INSERT INTO Periodos (Periodos) VALUES (?1)"));
    SqliteStatement competition(
        db, QStringLiteral("INSERT INTO Diorganvseis (DNo, KatNo, Periodos, Omades, Nikh, Isop, Htta, Typos, "
                           "FileName, Rounds, KratosNo) VALUES (?1, 1, ?2, ?3, 3, 1, 0, 0, 'alpha', 2, 1)"));
    SqliteStatement team(db, QStringLiteral("INSERT INTO PerOmades (RecNo, TeamNo, DiorNo, GrName, EnName, "
                                            "Timvria) VALUES (?1, ?2, ?3, ?4, ?5, 0)"));
    SqliteStatement match(
        db, QStringLiteral("INSERT INTO Agvnes (DiorgNo, Agvnistikh, Ghpedoyxos, Filojenoymenh, Omilos, "
                           "TelGGoals, TelFGoals, Date) VALUES (?1, ?2, ?3, ?4, NULL, ?5, ?6, ?7)"));
    auto run = [](SqliteStatement &statement, const QVariantList &values) {
        statement.BindAll(values);
        statement.Execute();
        statement.Reset();
    };
    for (int s = 0; s < SeasonCount; ++s) {
        const int dNo = s + 1;
        run(season, {SeasonText(s)});
        run(competition, {dNo, SeasonText(s), TeamCount});
        std::vector<int> circle;
        for (int t = 1; t <= TeamCount; ++t) {
            const int recNo = s * 100 + t;
            run(team, {recNo, t, dNo, QStringLiteral("Ομάδα %1").arg(t), QStringLiteral("Team %1").arg(t)});
            circle.push_back(recNo);
        }
        for (int day = 1; day <= Matchdays; ++day) {
            for (int k = 0; k < TeamCount / 2; ++k) {
                const bool played = day <= 20;
                run(match, {dNo, day, circle[k], circle[TeamCount - 1 - k],
                            played ? QVariant(k % 4) : QVariant(), played ? QVariant(day % 3) : QVariant(),
                            QDate(1990 + s, 8, 20).addDays(7 * day).toString(Qt::ISODate)});
            }
            std::rotate(circle.begin() + 1, circle.end() - 1, circle.end());
        }
    }
    transaction.Commit();
}

// A data module on a new program folder whose database holds the history.
TTavrolinDM &StoredHistory()
{
    static QTemporaryDir folder;
    static TTavrolinDM *dm = [] {
        const QString data = UseBenchProgramFolder(folder.path());
        qputenv("XDG_CONFIG_HOME", (folder.path() + QStringLiteral("/config")).toLocal8Bit());
        auto *module = new TTavrolinDM;
        Store(module->TavrolinDb.Handle());
        for (TTable *table : {&module->Krath, &module->Kathgories, &module->Periodos, &module->Omades,
                              &module->Diorganvseis, &module->POmades, &module->Agvnes})
            table->Open();
        return module;
    }();
    return *dm;
}

TMassMatchdayChoice EverySeason()
{
    TMassMatchdayChoice choice;
    choice.Competitions = {QStringLiteral("Α' Εθνική")};
    choice.Languages = AllLanguages;
    choice.Pages = true;
    choice.Text = true;
    return choice;
}

void BM_ProgrammeOfThirtySeasonsInThreeLanguages(benchmark::State &state)
{
    TTavrolinDM &dm = StoredHistory();
    TMassMatchdayChoice choice = EverySeason();
    int files = 0;
    for (auto _ : state) {
        files = 0;
        for (int s = 0; s < SeasonCount; ++s) {
            choice.Season = SeasonText(s);
            files += ExportMassMatchdays(dm, TMassMatchdays::All, choice);
        }
    }
    const int expected = SeasonCount * Matchdays * int(AllLanguages.size()) * 2;
    if (files != expected) {
        state.SkipWithError("the export wrote another number of files than the history has matchdays");
        return;
    }
    state.counters["files"] = files;
    state.counters["files_per_s"] = benchmark::Counter(files, benchmark::Counter::kIsIterationInvariantRate);
}

// --- one season's pages: the writers against one buffered write of their bytes ---

struct TSeasonPage
{
    TExportLanguage Language;
    QString Path;
    TMatchdayExport Matchday;
    QByteArray Bytes; // what the writer wrote, for the bare write
};

// Every page of the middle season, read once in each language.
std::vector<TSeasonPage> &SeasonPages()
{
    static std::vector<TSeasonPage> pages = [] {
        TTavrolinDM &dm = StoredHistory();
        const int dNo = SeasonCount / 2;
        dm.Diorganvseis.Locate(QStringLiteral("DNo"), {dNo});
        const QString folder = ProgramSubfolder(QStringLiteral("season"));
        QDir().mkpath(folder);
        std::vector<TSeasonPage> read;
        TNameLanguageSwitch names(dm, TExportLanguage::Greek);
        for (const TExportLanguage language : AllLanguages) {
            names.Switch(language);
            for (int day = 1; day <= Matchdays; ++day) {
                ApplyMatchdayRange(dm.Agvnes, dNo, day, QVariant());
                read.push_back({language,
                                folder + QStringLiteral("/%1%2.html").arg(PagePrefix(language)).arg(day),
                                ReadMatchdayExport(dm, QString::number(day)),
                                {}});
            }
        }
        dm.Agvnes.CancelRange();
        for (TSeasonPage &page : read) {
            WriteMatchdayPage(page.Path, page.Language, page.Matchday, false);
            QFile file(page.Path);
            file.open(QIODevice::ReadOnly);
            page.Bytes = file.readAll();
        }
        return read;
    }();
    return pages;
}

void SetPageCounters(benchmark::State &state, const std::vector<TSeasonPage> &pages)
{
    state.counters["pages_per_s"] =
        benchmark::Counter(double(pages.size()), benchmark::Counter::kIsIterationInvariantRate);
}

void BM_SeasonPagesFormattedAndWritten(benchmark::State &state)
{
    const std::vector<TSeasonPage> &pages = SeasonPages();
    WallTimer timer(state, "formatted and written");
    for (auto _ : state)
        for (const TSeasonPage &page : pages)
            WriteMatchdayPage(page.Path, page.Language, page.Matchday, false);
    SetPageCounters(state, pages);
}

// The bare write keeps the writers' way of replacing a file: the new content appears whole or
// not at all, so the two differ only in formatting and line-by-line writing.
void BM_SeasonPagesOneBufferedWrite(benchmark::State &state)
{
    const std::vector<TSeasonPage> &pages = SeasonPages();
    WallTimer timer(state, "one buffered write");
    for (auto _ : state) {
        for (const TSeasonPage &page : pages) {
            QSaveFile file(page.Path);
            if (!file.open(QIODevice::WriteOnly) || file.write(page.Bytes) != page.Bytes.size() ||
                !file.commit()) {
                state.SkipWithError("a page could not be written");
                return;
            }
        }
    }
    SetPageCounters(state, pages);
}

// Runs after the two page benchmarks: the ratio of their wall times, and whether it keeps the budget.
void BM_SeasonPagesRatio(benchmark::State &state)
{
    for (auto _ : state) {
    }
    const auto formatted = WallTimes().find("formatted and written");
    const auto bare = WallTimes().find("one buffered write");
    if (formatted == WallTimes().end() || bare == WallTimes().end()) {
        state.SkipWithError("run the two page benchmarks first");
        return;
    }
    const double ratio = formatted->second / bare->second;
    state.counters["ratio"] = ratio;
    state.counters["within_3x"] = ratio <= Budget ? 1 : 0;
}

BENCHMARK(BM_ProgrammeOfThirtySeasonsInThreeLanguages)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SeasonPagesFormattedAndWritten)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SeasonPagesOneBufferedWrite)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SeasonPagesRatio)->Iterations(1);

void PrintComparison()
{
    const auto formatted = WallTimes().find("formatted and written");
    const auto bare = WallTimes().find("one buffered write");
    if (formatted == WallTimes().end() || bare == WallTimes().end())
        return;
    const double ratio = formatted->second / bare->second;
    std::printf("\n%-22s %12s %8s\n", "one season's pages", "ms", "ratio");
    std::printf("%-22s %12.2f %7.2fx%s\n", "formatted and written", formatted->second / 1e6, ratio,
                ratio <= Budget ? "" : "  (over 3x)");
    std::printf("%-22s %12.2f\n", "one buffered write", bare->second / 1e6);
}

} // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksThenSummary(argc, argv, PrintComparison);
}
