#include "controls/dataaware/dq_table.h"

#include "controls/dataaware/dq_str.h"
#include "platform/core/message_service.h"
#include "platform/db/db_errors.h"

using namespace tav::controls;

TdqTable::TdqTable() : TdqDataSetExtras(static_cast<TDataSet &>(*this)) {}

TdqTable::~TdqTable() = default;

void TdqTable::SetTableName(const QString &name)
{
    TTable::SetTableName(name);
    if (!name.isEmpty())
        query_.clear();
}

void TdqTable::SetQuery(const QStringList &lines)
{
    Close();
    if (!lines.isEmpty()) {
        TTable::SetTableName(QString());
        SetIndexFieldNames(QString());
        SetMasterSource(nullptr);
        SetMasterFields(QString());
    }
    query_ = lines;
}

void TdqTable::SetdqFilter(const QStringList &lines)
{
    dqFilter_ = lines;
    if (Active() && !dqSetExpressionFilter(FilterText(), *this, expressionHandle_, false))
        MessageDlg(QStringLiteral("Fail to set filter"), mtWarning, {mbOK});
}

void TdqTable::SetOnFilter(TdqTableFilterEvent handler)
{
    onFilter_ = std::move(handler);
    if (Active())
        ApplyRecordFilter();
}

bool TdqTable::IsSequenced() const
{
    return !onFilter_ && FilterText().isEmpty() && TTable::IsSequenced();
}

QString TdqTable::FilterText() const
{
    QString text;
    for (QString line : dqFilter_) {
        dqTrimRightSet(line, QStringLiteral(" \t"));
        if (line.isEmpty())
            continue;
        text += text.isEmpty() ? line : QStringLiteral(" AND (") + line + ')';
    }
    return text;
}

void TdqTable::OpenCursor()
{
    if (!query_.isEmpty()) {
        const QString firstWord = query_.first().trimmed().section(' ', 0, 0).toLower();
        throw EDatabaseError(
            firstWord == QStringLiteral("query")
                ? QStringLiteral("Τα ερωτήματα QBE δεν υποστηρίζονται: γράψτε το ερώτημα σε SQL")
                : QStringLiteral("Ο πίνακας διαβάζει μόνο πίνακες της βάσης: για ερώτημα SQL "
                                 "χρησιμοποιήστε ερώτημα (query)"));
    }
    TTable::OpenCursor();
    // The view about to be read is filtered.
    const QString filter = FilterText();
    if (!filter.isEmpty() && !dqSetExpressionFilter(filter, *this, expressionHandle_, true))
        MessageDlg(QStringLiteral("Fail to set filter"), mtWarning, {mbOK});
    if (onFilter_)
        ApplyRecordFilter();
}

void TdqTable::CloseCursor()
{
    FreeLookupTables();
    dqDropFilter(*this, expressionHandle_);
    SetRecordFilter({});
    TTable::CloseCursor();
}

void TdqTable::DoBeforePost()
{
    TTable::DoBeforePost();
    ValidateBeforePost();
}

void TdqTable::DoOnCalcFields()
{
    CalculateLookups();
    TTable::DoOnCalcFields();
}

void TdqTable::RecordsRead()
{
    TTable::RecordsRead();
    RecordsReadDone();
}

bool TdqTable::RunFilter()
{
    bool accept = true;
    onFilter_(*this, accept);
    return accept;
}

QString TdqTable::dqIndexForFields(const QString &fields)
{
    UpdateIndexDefs();
    const QString wanted = fields.toUpper();
    struct Round
    {
        bool caseInsensitive;
        bool prefix;
    };
    for (const Round round : {Round{true, false}, Round{false, false}, Round{true, true}, Round{false, true}})
        for (const TIndexDef &index : IndexDefs()) {
            if (index.Name.isEmpty() || index.Has(ixCaseInsensitive) != round.caseInsensitive)
                continue;
            const QString own = index.Fields.toUpper();
            if (own == wanted || (round.prefix && own.startsWith(wanted + ';')))
                return index.Name;
        }
    return QStringLiteral("?");
}

QString TdqTable::dqTablePictureOf(const QString &) const
{
    return QString();
}

bool TdqTable::CurrentRecordHolds(const QVariantList &keys)
{
    if (IsEmpty())
        return false;
    const QStringList fields = IndexFieldList();
    for (int i = 0; i < keys.size(); ++i)
        if (FieldByName(fields.at(i)).AsString().toLower() != keys.at(i).toString().toLower())
            return false;
    return true;
}

bool TdqTable::dqLookupKeySearch(const QVariantList &keys)
{
    const QStringList fields = IndexFieldList();
    if (fields.isEmpty()) {
        MessageDlg(QStringLiteral("Table ") + TableName() + QStringLiteral(": Table index not found"),
                   mtWarning, {mbOK});
        return false;
    }
    if (keys.size() > fields.size()) {
        const QString index = IndexName().isEmpty() ? IndexFieldNames() : IndexName();
        MessageDlg(QStringLiteral("Table ") + TableName() +
                       QStringLiteral(": FindKey has too many lookup values for index ") + index,
                   mtWarning, {mbOK});
        return false;
    }
    if (narrowSearch_)
        CancelRange();
    if (CurrentRecordHolds(keys))
        return true;
    return FindKey(keys);
}
