#include "report/matchday_mass_export.h"

#include "data/competition_choice.h"
#include "data/data_module.h"
#include "report/matchday_export.h"
#include "report/name_language.h"
#include "report/page_names.h"

#include <QScopeGuard>

#include <algorithm>

namespace tav::report {

namespace {

constexpr int CupTypos = 1;
// The current matchday and the two after it.
constexpr int CurrentMatchdaysWritten = 3;

// The files one language pass of a matchday writes.
int FilesWritten(const TMassMatchdayChoice &choice, const TMatchdayFileKinds &kinds)
{
    return int(choice.Text) + int(choice.Listing) + (choice.Pages ? 1 + int(!kinds.PageNumber.isEmpty()) : 0);
}

// The matchdays of the competition under the cursor, every language of each.
int ExportCompetition(TTavrolinDM &dm, TNameLanguageSwitch &names, TMassMatchdays span,
                      const TMassMatchdayChoice &choice, const std::function<void(const QString &)> &shown)
{
    const TDataSet &competition = dm.Diorganvseis;
    const QString fileName = competition.FieldByName(QStringLiteral("FileName")).AsString();
    TMatchdayChoice matchday;
    matchday.DNo = competition.FieldByName(QStringLiteral("DNo")).Value();
    if (competition.FieldByName(QStringLiteral("Typos")).AsInteger() == CupTypos)
        matchday.Group = choice.CupGroup;
    TMatchdayFileKinds kinds;
    kinds.Text = choice.Text;
    kinds.Page = choice.Pages;
    kinds.Listing = choice.Listing;
    int written = 0;
    for (const TMassMatchday &day :
         MassMatchdays(span, dm.GetCurrAgvnistikh(), dm.GetMaxAgvnistikh(), choice.NumberedPages)) {
        matchday.Matchday = QString::number(day.Matchday);
        if (shown)
            shown(matchday.Matchday);
        kinds.FileName = CheckedFileName(ProposedFileName(fileName, QLatin1Char('a'), matchday.Matchday));
        kinds.PageNumber = day.Number > 0 ? QString::number(day.Number) : QString();
        for (const TExportLanguage language : ExportLanguages) {
            if (!choice.Languages.contains(language))
                continue;
            WriteMatchdayFiles(dm, names, language, matchday, kinds);
            written += FilesWritten(choice, kinds);
        }
    }
    return written;
}

} // namespace

QList<TMassMatchday> MassMatchdays(TMassMatchdays span, int current, int highest, bool numberedPages)
{
    QList<TMassMatchday> matchdays;
    if (span == TMassMatchdays::All) {
        for (int day = 1; day <= highest; ++day)
            matchdays.append({day, 0});
        return matchdays;
    }
    const int last = std::min(current + CurrentMatchdaysWritten - 1, highest);
    for (int day = current; day <= last; ++day)
        matchdays.append({day, numberedPages ? day - current + 1 : 0});
    return matchdays;
}

int ExportMassMatchdays(TTavrolinDM &dm, TMassMatchdays span, const TMassMatchdayChoice &choice,
                        const std::function<void(const QString &matchday)> &shown)
{
    for (TTable *table : {&dm.Kathgories, &dm.Diorganvseis, &dm.Agvnes})
        tav::data::OpenIfClosed(*table);
    TTable &competitions = dm.Diorganvseis;
    const QVariant startDNo =
        competitions.IsEmpty() ? QVariant() : competitions.FieldByName(QStringLiteral("DNo")).Value();
    // Declared first, so they run last: the names are Greek again before the cursor moves back.
    const auto backToStart = qScopeGuard([&] {
        try {
            if (!startDNo.isNull())
                competitions.Locate(QStringLiteral("DNo"), {startDNo});
        } catch (const std::exception &) {
            // The competition the export started on can no longer be read: the cursor stays on the
            // last one exported.
        }
    });
    const auto noRange = qScopeGuard([&dm] {
        try {
            dm.Agvnes.CancelRange();
        } catch (const std::exception &) {
            // The matches keep the last range; the next window that lists them sets its own.
        }
    });
    TNameLanguageSwitch names(dm, TExportLanguage::Greek);
    int written = 0;
    for (const QString &category : choice.Competitions)
        if (tav::data::LocateCompetition(dm, {category, choice.Season}))
            written += ExportCompetition(dm, names, span, choice, shown);
    return written;
}

} // namespace tav::report
