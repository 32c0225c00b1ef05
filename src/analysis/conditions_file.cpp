#include "analysis/conditions_file.h"

#include "platform/core/errors.h"
#include "platform/core/text_file.h"

#include <algorithm>

namespace tav::analysis {

namespace {

constexpr int LeadingEmptyLines = 14;
constexpr int TrailingEmptyLines = 4;
const char BlockLine[] = "B2666666666666600";
const char MissingMatch[] = " 98 1 1";
const char LineEnd[] = "\r\n";

} // namespace

QByteArray ConditionsFileBytes(const TAnalysisTable &table)
{
    if (table.AnalysisCount > ConditionsFileMatches)
        throw EInOutError(QStringLiteral("Το αρχείο όρων χωράει έως %1 αγώνες, η αγωνιστική έχει %2. "
                                         "Δεν γράφτηκε αρχείο.")
                              .arg(ConditionsFileMatches)
                              .arg(table.AnalysisCount));
    QByteArray bytes = QByteArray(LineEnd).repeated(LeadingEmptyLines);
    bytes += BlockLine;
    bytes += LineEnd;
    bytes += "P2";
    int topTotal = 0;
    for (int k = 1; k <= table.AnalysisCount; ++k) {
        const auto &percent = table.AnalysisRows[k].Percent;
        for (int index : {Percent1, PercentX, Percent2})
            bytes += ' ' + QByteArray::number(percent[index]);
        topTotal += *std::max_element(percent.begin(), percent.end());
    }
    bytes += QByteArray(MissingMatch).repeated(ConditionsFileMatches - table.AnalysisCount);
    bytes += " 0 " + QByteArray::number(topTotal) + LineEnd;
    bytes += QByteArray("END") + LineEnd;
    bytes += QByteArray(LineEnd).repeated(TrailingEmptyLines);
    return bytes;
}

void WriteConditionsFile(const QString &path, const TAnalysisTable &table)
{
    const QByteArray bytes = ConditionsFileBytes(table);
    TextFileWriter file(path);
    file.Write(QString::fromLatin1(bytes));
    file.Close();
}

} // namespace tav::analysis
