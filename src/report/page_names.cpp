#include "report/page_names.h"

#include "data/data_module.h"
#include "platform/core/errors.h"

namespace tav::report {

namespace {

constexpr int LeagueTypos = 0;
constexpr int CupTypos = 1;

const char *const kRefusedFileName = "Το όνομα αρχείου «%1» δεν είναι δεκτό.";

struct TPageLetters
{
    char Page;
    char Kind;
};

TPageLetters LettersOf(TPageKind kind)
{
    switch (kind) {
    case TPageKind::MatchList:
        return {'a', 'n'};
    case TPageKind::Standings:
        return {'b', 'n'};
    case TPageKind::SpecialOrderings:
        return {'b', 'e'};
    case TPageKind::Prediction:
        return {'a', 'p'};
    case TPageKind::SuggestedOdds:
        return {'a', 'o'};
    case TPageKind::History:
        return {'a', 'r'};
    case TPageKind::ResultsGrid:
        return {'a', 's'};
    }
    return {'a', 'n'};
}

QString WithoutSeparators(QString name)
{
    return name.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QLatin1Char('\\'), QLatin1Char('_'));
}

} // namespace

QString CompetitionFileCode(const TCompetitionCodeParts &parts, TSubLetterCase subLetterCase)
{
    QString code = parts.CountryCode.toLower().left(2);
    QString subLetter;
    if (parts.Typos == LeagueTypos) {
        code += QLatin1Char('p');
        subLetter = parts.CategoryCode.left(1);
    } else if (parts.Typos == CupTypos) {
        code += QLatin1Char('k');
        subLetter = parts.Group.left(1);
    }
    return code + (subLetterCase == TSubLetterCase::Lower ? subLetter.toLower() : subLetter);
}

TCompetitionCodeParts CompetitionCodeParts(TTavrolinDM &dm, const QString &group)
{
    for (TTable *table : {&dm.Krath, &dm.Kathgories, &dm.Diorganvseis})
        tav::data::OpenIfClosed(*table);
    const TDataSet &competition = dm.Diorganvseis;
    // The category's country and code in one look-up.
    const QVariantList category =
        dm.Kathgories
            .Lookup(QStringLiteral("KatNo"), {competition.FieldByName(QStringLiteral("KatNo")).Value()},
                    QStringLiteral("Kratos;Kode"))
            .toList();
    TCompetitionCodeParts parts;
    parts.Typos = competition.FieldByName(QStringLiteral("Typos")).AsInteger();
    if (category.size() == 2) {
        parts.CategoryCode = category.at(1).toString();
        if (!category.at(0).isNull())
            parts.CountryCode =
                dm.Krath.Lookup(QStringLiteral("RecNo"), {category.at(0)}, QStringLiteral("Kode")).toString();
    }
    parts.Group = group;
    return parts;
}

QString CompetitionFileCode(TTavrolinDM &dm, const QString &group, TSubLetterCase subLetterCase)
{
    return CompetitionFileCode(CompetitionCodeParts(dm, group), subLetterCase);
}

QString MatchdayNumber(const QString &matchdayText)
{
    return matchdayText.left(2).rightJustified(2, QLatin1Char('0'));
}

QString PageFileName(TExportLanguage language, const QString &competitionCode, TPageKind kind,
                     const QString &matchdayText)
{
    const TPageLetters letters = LettersOf(kind);
    return PagePrefix(language) + WithoutSeparators(competitionCode) + QLatin1Char(letters.Page) +
           MatchdayNumber(matchdayText) + QLatin1Char(letters.Kind) + QStringLiteral(".html");
}

QString ProposedFileName(const QString &competitionFileName, QChar viewLetter, const QString &matchdayText)
{
    return competitionFileName + viewLetter + matchdayText;
}

QString CheckedFileName(const QString &name)
{
    const QString checked = WithoutSeparators(name);
    if (checked == QStringLiteral(".") || checked == QStringLiteral(".."))
        throw EInOutError(QString::fromUtf8(kRefusedFileName).arg(name));
    return checked;
}

} // namespace tav::report
