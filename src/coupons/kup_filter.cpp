#include "coupons/kup_filter.h"

#include "coupons/kup_file.h"
#include "data/data_module.h"
#include "platform/core/format.h"

#include <algorithm>

namespace tav::coupons {

namespace {

void AddFilterDiorg(TTavrolinDM &dm, const QString &code, const QStringList &seasons, TKupFilterData &data)
{
    if (!dm.Kathgories.Locate(QStringLiteral("OPAP"), {code.trimmed()}))
        return;
    const int katNo = dm.Kathgories.FieldByName(QStringLiteral("KatNo")).AsInteger();
    const QString name = dm.Kathgories.FieldByName(QStringLiteral("GrName")).AsString();
    for (const QString &season : seasons) {
        if (!dm.Diorganvseis.Locate(QStringLiteral("KatNo;Periodos"), {katNo, season}))
            continue;
        const bool listed = std::any_of(data.competitions.begin(), data.competitions.end(),
                                        [&name](const TFilterCompetition &one) { return one.name == name; });
        if (!listed)
            data.competitions.append({name, dm.Diorganvseis.FieldByName(QStringLiteral("DNo")).AsInteger()});
        return;
    }
}

} // namespace

bool TKupFilterData::AddCode(const QString &code)
{
    int value = 0;
    if (!TryStrToInt(code, value))
        return false;
    codeFrom = std::min(codeFrom, value);
    codeTo = std::max(codeTo, value);
    return true;
}

TKupFilterData LoadFilterKup(const QString &path, const QStringList &seasons, const QDateTime &dateFrom,
                             const QDateTime &dateTo)
{
    TTavrolinDM &dm = TavrolinDM();
    if (!dm.Kathgories.Active())
        dm.Kathgories.Open();
    if (!dm.Diorganvseis.Active())
        dm.Diorganvseis.Open();
    TKupFilterData data;
    data.dateFrom = dateFrom;
    data.dateTo = dateTo;
    int kupTag = 0;
    ReadKupDateRange(path, data.dateFrom, data.dateTo, kupTag);
    const TKupReadResult read = ReadKupRecords(path);
    for (const TKupRecord &record : read.records) {
        if (!record.Row.Diorg.trimmed().isEmpty())
            AddFilterDiorg(dm, record.Row.Diorg, seasons, data);
        if (!data.AddCode(record.Row.Code)) {
            data.readFailed = true;
            break;
        }
    }
    data.readFailed = data.readFailed || read.failed;
    return data;
}

} // namespace tav::coupons
