// The calculated fields of the shared datasets. None of them moves a cursor of the module: a row's
// values come from keyed lookups, so a grid may paint its rows in any order.

#include "data/data_module.h"

#include "platform/core/format.h"

namespace {

const QString Unplayed = QStringLiteral("? - ?");
const QString PairFormat = QStringLiteral("%s - %s");

QString TextOf(const TDataSet &dataSet, const char *field)
{
    return dataSet.FieldByName(QString::fromLatin1(field)).AsString();
}

} // namespace

void TTavrolinDM::AgvnesCalcFields(TDataSet &DataSet)
{
    const TField &home = DataSet.FieldByName(QStringLiteral("TelGGoals"));
    TField &result = DataSet.FieldByName(QStringLiteral("Result"));
    if (!home.IsNull()) {
        const int homeGoals = home.AsInteger();
        const int awayGoals = DataSet.FieldByName(QStringLiteral("TelFGoals")).AsInteger();
        SetFieldText(DataSet.FieldByName(QStringLiteral("Score")),
                     Format(QStringLiteral("%2d-%2d"), {homeGoals, awayGoals}));
        const int sign = homeGoals > awayGoals ? 1 : (homeGoals < awayGoals ? 2 : 0);
        result.SetValue(sign);
        DataSet.FieldByName(QStringLiteral("Point"))
            .SetValue(sign == 0 ? QStringLiteral("X") : QString::number(sign));
    } else {
        SetFieldText(DataSet.FieldByName(QStringLiteral("Score")), Unplayed);
        result.SetValue(-1);
    }
    // The names follow the language the callers chose for the home-team lookup.
    const bool english = DataSet.FieldByName(QStringLiteral("GName"))
                             .LookupResultField()
                             .compare(QLatin1String("EnName"), Qt::CaseInsensitive) == 0;
    const QVariant diorgNo = DataSet.FieldByName(QStringLiteral("DiorgNo")).Value();
    const QString homeName =
        MatchTeamName(diorgNo, DataSet.FieldByName(QStringLiteral("Ghpedoyxos")).Value(), english);
    const QString awayName =
        MatchTeamName(diorgNo, DataSet.FieldByName(QStringLiteral("Filojenoymenh")).Value(), english);
    SetFieldText(DataSet.FieldByName(QStringLiteral("Omades")), Format(PairFormat, {homeName, awayName}));
    SetFieldText(DataSet.FieldByName(QStringLiteral("FromOmades")),
                 Format(PairFormat, {TextOf(DataSet, "OmadGName"), TextOf(DataSet, "OmadFName")}));
}

// The team of the competition team, among the teams of the competition's country; a side whose
// team is not found has no name.
QString TTavrolinDM::MatchTeamName(const QVariant &diorgNo, const QVariant &perTeam, bool english)
{
    if (diorgNo.isNull() || perTeam.isNull())
        return QString();
    const QVariantList names =
        SelectRow(QStringLiteral(R"(SELECT o."Name", o."EnName" FROM "PerOmades" p )"
                                 R"(JOIN "Diorganvseis" d ON d."DNo" = p."DiorNo" )"
                                 R"(JOIN "Omades" o ON o."KratosNo" = d."KratosNo" )"
                                 R"(AND o."TeamNo" = p."TeamNo" )"
                                 R"(WHERE p."DiorNo" = ?1 AND p."RecNo" = ?2 )"
                                 R"(ORDER BY o."KratosNo", o."Name", o."EnName" LIMIT 1)"),
                  {diorgNo, perTeam});
    return names.isEmpty() ? QString() : names.at(english ? 1 : 0).toString();
}

void TTavrolinDM::DiorganvseisCalcFields(TDataSet &DataSet)
{
    SetFieldText(DataSet.FieldByName(QStringLiteral("Onomasia")),
                 TextOf(DataSet, "Periodos") + QStringLiteral(", ") + TextOf(DataSet, "KatName"));
}

void TTavrolinDM::POmadesCalcFields(TDataSet &DataSet)
{
    SetFieldText(DataSet.FieldByName(QStringLiteral("CalcOmada")),
                 TextOf(DataSet, "TeamName") + '-' + TextOf(DataSet, "EnTeamName"));
}

void TTavrolinDM::POmadesTeamNameGetText(TField &Sender, QString &Text, bool)
{
    Text = Sender.DataSet().FieldByName(QStringLiteral("CalcOmada")).AsString();
}

void TTavrolinDM::QryFormaCalcFields(TDataSet &)
{
    FormaCalc(QryForma);
}

void TTavrolinDM::QryForma2CalcFields(TDataSet &)
{
    FormaCalc(QryForma2);
}

// The score goes to the column of the side the team of the form (the parameter PFil) played.
void TTavrolinDM::FormaCalc(TQuery &query)
{
    const QString score = TextOf(query, "TelGGoals") + '-' + TextOf(query, "TelFGoals");
    const TParam *team = query.Params().FindParam(QStringLiteral("PFil"));
    const QVariant home = query.FieldByName(QStringLiteral("Ghpedoyxos")).Value();
    const bool atHome = team && !team->IsNull() && !home.isNull() && home.toInt() == team->AsInteger();
    SetFieldText(query.FieldByName(QStringLiteral("Entos")), atHome ? score : QString());
    SetFieldText(query.FieldByName(QStringLiteral("Ektos")), atHome ? QString() : score);
}

void TTavrolinDM::PlegmaQueryCalcFields(TDataSet &DataSet)
{
    // Callers replace the text of the query; a result without goals shows no score.
    const TField *home = DataSet.FindField(QStringLiteral("TelGGoals"));
    const TField *away = DataSet.FindField(QStringLiteral("TelFGoals"));
    const bool played = home && away && !home->IsNull();
    SetFieldText(DataSet.FieldByName(QStringLiteral("Score")),
                 played ? Format(QStringLiteral("%2s-%2s"), {home->AsString(), away->AsString()}) : Unplayed);
}

void TTavrolinDM::GamePeriodsCalcFields(TDataSet &DataSet)
{
    // GName is no column of GamePeriods.DB: its part of the name stays empty unless a field of
    // that name is declared.
    const TField *game = DataSet.FindField(QStringLiteral("GName"));
    SetFieldText(DataSet.FieldByName(QStringLiteral("Name")),
                 (game ? game->AsString() : QString()) + ',' + TextOf(DataSet, "Periodos"));
}

// Per competition row of the summary, computed by its own number: the current competition stays.
void TTavrolinDM::DShowQueryCalcFields(TDataSet &DataSet)
{
    const QVariant dNo = DataSet.FieldByName(QStringLiteral("DNo")).Value();
    const int current = CurrAgvnistikhOf(dNo);
    DataSet.FieldByName(QStringLiteral("Agvnistikh")).SetValue(current);
    DataSet.FieldByName(QStringLiteral("MaxAgvnistikh")).SetValue(MaxAgvnistikhOf(dNo));
    QVariant date;
    try {
        date = StrToDate(AgvnistikhDateOf(dNo, current));
    } catch (const EConvertError &) {
        // No match on that matchday: the date stays empty.
    }
    DataSet.FieldByName(QStringLiteral("Date")).SetValue(date);
}
