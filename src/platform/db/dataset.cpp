#include "platform/db/dataset.h"

#include "platform/db/data_source.h"
#include "platform/db/database.h"
#include "platform/db/db_errors.h"
#include "platform/db/greek_collation.h"

#include <QScopeGuard>
#include <QSet>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

// Records read at once: the first part of a view (read with the records: the one the cursor
// shows; a walk or a grid reads the rest in one go), and the page read around a record.
constexpr int InitialViewSize = 1;
constexpr int PageSize = 32;
constexpr int CacheLimit = 4096;
// A cursor walking past the end of an incomplete view reads it on with the records, each read
// sixteen times the view so far (at least a few hundred records), up to this many records; past
// it only the ids are read.
constexpr int ViewGrowth = 16;
constexpr int FirstGrowth = 512;
constexpr int ExtendedViewLimit = CacheLimit;

bool IsEditState(TDataSetState state)
{
    return state == TDataSetState::dsEdit || state == TDataSetState::dsInsert;
}

// The values a caller gives for the key fields: one value for one field, a list for several.
QVariantList ConvertKeyValues(const QList<TField *> &fields, const QVariantList &values, bool &convertible)
{
    convertible = true;
    QVariantList converted;
    for (int i = 0; i < fields.size(); ++i) {
        const QVariant value = values.value(i);
        try {
            converted.append(value.typeId() == QMetaType::QString && value.toString().isEmpty()
                                 ? QVariant()
                                 : fields.at(i)->Convert(value));
        } catch (const EDatabaseError &) {
            // A value that is no value of the field matches no record.
            convertible = false;
            converted.append(value);
        }
    }
    return converted;
}

} // namespace

void Abort()
{
    throw EAbort();
}

// ---------------------------------------------------------------------------------------------

TField &TFields::operator[](int index) const
{
    if (index < 0 || index >= Count())
        throw EDatabaseError(QStringLiteral("Δεν υπάρχει πεδίο στη θέση %1").arg(index));
    return *fields_[size_t(index)];
}

TField *TFields::FindField(const QString &name) const
{
    for (const auto &field : fields_)
        if (field->FieldName().compare(name, Qt::CaseInsensitive) == 0)
            return field.get();
    return nullptr;
}

TField &TFields::FieldByName(const QString &name) const
{
    TField *field = FindField(name);
    if (!field) {
        const QString table = owner_ ? owner_->DisplayTableName() : QString();
        throw EDatabaseError(
            table.isEmpty() ? QStringLiteral("Το πεδίο '%1' δεν βρέθηκε").arg(name)
                            : QStringLiteral("Το πεδίο '%1' δεν βρέθηκε στον πίνακα %2").arg(name, table));
    }
    return *field;
}

// ---------------------------------------------------------------------------------------------

TDataSet::TDataSet()
{
    fields_.owner_ = this;
}

TDataSet::~TDataSet()
{
    for (TDataSource *source : std::as_const(dataSources_))
        source->SetDataSet(nullptr);
}

void TDataSet::SetDatabaseName(const QString &name)
{
    CheckInactive();
    databaseName_ = name;
}

void TDataSet::SetSessionName(const QString &name)
{
    CheckInactive();
    sessionName_ = name;
}

void TDataSet::SetDatabase(TDatabase *database)
{
    CheckInactive();
    database_ = database;
}

TDatabase &TDataSet::Database()
{
    if (database_)
        return *database_;
    TSession *session = TSession::FindSession(sessionName_);
    if (!session)
        RaiseError(QStringLiteral("Άγνωστη συνεδρία %1").arg(sessionName_));
    if (databaseName_.isEmpty())
        RaiseError(QStringLiteral("Δεν δόθηκε βάση δεδομένων"));
    return session->OpenDatabase(databaseName_);
}

void TDataSet::CheckSessionPassword()
{
    TSession *session = TSession::FindSession(database_ ? database_->SessionName() : sessionName_);
    if (session && !session->PasswordGiven())
        RaiseError(QStringLiteral("Δεν δόθηκε κωδικός πρόσβασης για τα δεδομένα της συνεδρίας %1")
                       .arg(session->SessionName()));
}

void TDataSet::CheckActive() const
{
    if (!Active())
        RaiseError(QStringLiteral("Η λειτουργία δεν γίνεται σε κλειστό σύνολο δεδομένων"));
}

void TDataSet::CheckInactive() const
{
    if (Active())
        RaiseError(QStringLiteral("Η λειτουργία δεν γίνεται σε ανοικτό σύνολο δεδομένων"));
}

void TDataSet::RaiseError(const QString &message) const
{
    const QString table = DisplayTableName();
    throw EDatabaseError(table.isEmpty() ? message : message + QStringLiteral(" (") + table + ')');
}

void TDataSet::SetState(TDataSetState state)
{
    if (state_ == state)
        return;
    state_ = state;
    DataEvent(TDataEvent::deUpdateState);
}

// --- fields ---------------------------------------------------------------------------------

TField &TDataSet::AddField(const QString &name, TFieldKind kind, TFieldType type, int size)
{
    CheckInactive();
    if (FindField(name))
        RaiseError(QStringLiteral("Το πεδίο '%1' υπάρχει ήδη").arg(name));
    fields_.fields_.push_back(std::make_unique<TField>(*this, name, type, size, kind));
    fields_.fields_.back()->index_ = FieldCount() - 1;
    fields_.fields_.back()->declared_ = true;
    return *fields_.fields_.back();
}

TField &TDataSet::AddLookupField(const QString &name, TFieldType type, int size, const QString &keyFields,
                                 TDataSet *lookupDataSet, const QString &lookupKeyFields,
                                 const QString &resultField)
{
    TField &field = AddField(name, TFieldKind::fkLookup, type, size);
    field.SetKeyFields(keyFields);
    field.SetLookupDataSet(lookupDataSet);
    field.SetLookupKeyFields(lookupKeyFields);
    field.lookupResultField_ = resultField;
    return field;
}

TField &TDataSet::DefineDataField(const QString &name, TFieldType type, int size, bool required)
{
    for (auto &field : fields_.fields_)
        if (field->IsDataField() && field->FieldName().compare(name, Qt::CaseInsensitive) == 0) {
            field->dataType_ = type;
            field->size_ = size;
            field->required_ = field->required_ || required;
            if (type == TFieldType::ftAutoInc)
                field->readOnly_ = true;
            return *field;
        }
    auto field = std::make_unique<TField>(*this, name, type, size, TFieldKind::fkData);
    field->required_ = required;
    fields_.fields_.push_back(std::move(field));
    return *fields_.fields_.back();
}

void TDataSet::RemoveUndefinedDataFields(const QStringList &keptNames)
{
    // A data field declared ahead that the table does not have is an error, as the engine
    // reported a missing persistent field.
    for (const auto &field : fields_.fields_)
        if (field->IsDataField() && field->declared_ &&
            !keptNames.contains(field->FieldName(), Qt::CaseInsensitive))
            RaiseError(QStringLiteral("Το πεδίο '%1' δεν βρέθηκε").arg(field->FieldName()));
    // Fields made from the columns of an earlier text of a query go with it.
    std::erase_if(fields_.fields_, [&](const std::unique_ptr<TField> &field) {
        return field->IsDataField() && !keptNames.contains(field->FieldName(), Qt::CaseInsensitive);
    });
    // Data fields first, in the order of the table, then calculated and lookup fields.
    std::vector<std::unique_ptr<TField>> ordered;
    for (const QString &name : keptNames)
        for (auto &field : fields_.fields_)
            if (field && field->IsDataField() && field->FieldName().compare(name, Qt::CaseInsensitive) == 0)
                ordered.push_back(std::move(field));
    for (auto &field : fields_.fields_)
        if (field)
            ordered.push_back(std::move(field));
    fields_.fields_ = std::move(ordered);
    for (int i = 0; i < FieldCount(); ++i)
        fields_.fields_[size_t(i)]->index_ = i;
}

QList<TField *> TDataSet::FieldList(const QString &fieldNames) const
{
    QList<TField *> list;
    for (const QString &name : fieldNames.split(';', Qt::SkipEmptyParts))
        if (!name.trimmed().isEmpty())
            list.append(&FieldByName(name.trimmed()));
    return list;
}

QVariant TDataSet::FieldValues(const QString &fieldNames) const
{
    const QList<TField *> list = FieldList(fieldNames);
    if (list.size() == 1)
        return list.first()->Value();
    QVariantList values;
    for (TField *field : list)
        values.append(field->Value());
    return values;
}

TRecordBuffer TDataSet::NewRecordBuffer() const
{
    TRecordBuffer record;
    record.values.resize(FieldCount());
    return record;
}

QVariant TDataSet::ActiveValue(int fieldIndex) const
{
    EnsureView();
    if (fieldIndex >= 0 && fieldIndex < 64) {
        const quint64 bit = quint64(1) << fieldIndex;
        fieldsUsed_ |= bit;
        // Reading a value changes nothing one can see: the record is only read further.
        if ((active_->missing & bit) && active_ == &current_)
            const_cast<TDataSet *>(this)->CompleteCurrentRecord();
    }
    return active_->values.value(fieldIndex);
}

quint64 TDataSet::FieldsToRead() const
{
    if (fieldsUsed_ == 0 || FieldCount() > 64 || HasCalculatedFields() || HasRecordFilter())
        return ~quint64(0);
    return fieldsUsed_;
}

void TDataSet::SetFieldValue(TField &field, const QVariant &value)
{
    const int index = field.Index();
    switch (state_) {
    case TDataSetState::dsCalcFields:
        if (field.IsDataField())
            RaiseError(QStringLiteral("Το πεδίο '%1' δεν μπορεί να τροποποιηθεί").arg(field.FieldName()));
        active_->values.set(index, field.Convert(value));
        return;
    case TDataSetState::dsSetKey:
        active_->values.set(index, field.Convert(value));
        return;
    case TDataSetState::dsEdit:
    case TDataSetState::dsInsert:
        break;
    default:
        RaiseError(QStringLiteral("Ο πίνακας δεν είναι σε κατάσταση επεξεργασίας ή προσθήκης"));
    }
    if (field.ReadOnly())
        RaiseError(QStringLiteral("Το πεδίο '%1' δεν μπορεί να τροποποιηθεί").arg(field.FieldName()));
    if (field.FieldKind() == TFieldKind::fkLookup) {
        ChooseLookupValue(field, value);
        return;
    }
    const QVariant converted = field.Convert(value);
    const QVariant &before = active_->values.value(index);
    if (converted != before || converted.isNull() != before.isNull())
        postRefused_ = false;
    active_->values.set(index, converted);
    modified_ = true;
    if (field.IsDataField() && !calculating_)
        CalculateFields(*active_);
    DataEvent(TDataEvent::deFieldChange, &field);
}

std::pair<QList<TField *>, QList<TField *>> TDataSet::LookupKeyPairs(const TField &field) const
{
    const QList<TField *> keys = FieldList(field.KeyFields());
    const QList<TField *> lookupKeys = field.LookupDataSet()->FieldList(field.LookupKeyFields());
    if (keys.isEmpty() || keys.size() != lookupKeys.size())
        RaiseError(QStringLiteral("Τα πεδία κλειδιού του πεδίου αναζήτησης '%1' δεν αντιστοιχούν")
                       .arg(field.FieldName()));
    return {keys, lookupKeys};
}

void TDataSet::ChooseLookupValue(TField &field, const QVariant &value)
{
    // Choosing a lookup value sets the last key field to the key of the lookup record that shows
    // it, among the records that agree with the keys the record already holds: a team's name
    // picked for a match is that competition's team, whichever other competition has a namesake.
    TDataSet *lookup = field.LookupDataSet();
    if (!lookup)
        return;
    const auto [keys, lookupKeys] = LookupKeyPairs(field);
    QStringList searched;
    QVariantList wanted;
    for (int i = 0; i + 1 < keys.size(); ++i) {
        searched.append(lookupKeys.at(i)->FieldName());
        wanted.append(keys.at(i)->Value());
    }
    searched.append(field.LookupResultField());
    wanted.append(value);
    SetFieldValue(*keys.last(), lookup->Lookup(searched.join(';'), wanted, lookupKeys.last()->FieldName()));
}

QList<TLookupItem> TDataSet::LookupList(const TField &field)
{
    TDataSet *lookup = field.LookupDataSet();
    if (field.FieldKind() != TFieldKind::fkLookup || !lookup || !lookup->Active())
        return {};
    const TField *result = lookup->FindField(field.LookupResultField());
    if (!result)
        return {};
    const auto [keys, lookupKeys] = LookupKeyPairs(field);
    const QList<TField *> narrowing = lookupKeys.mid(0, lookupKeys.size() - 1);
    QVariantList known;
    for (int i = 0; i + 1 < keys.size(); ++i)
        known.append(keys.at(i)->Value());
    bool convertible = true;
    const QVariantList values = ConvertKeyValues(narrowing, known, convertible);
    if (!convertible)
        return {};
    struct Offered
    {
        QVariant value;
        TLookupItem item;
    };
    QList<Offered> offered;
    for (TRecordBuffer &record : lookup->MatchingRecords(narrowing, values)) {
        if (!result->IsDataField() && !record.calculated)
            lookup->CalculateFields(record);
        const QVariant value = record.values.value(result->Index());
        offered.append({value,
                        {record.values.value(lookupKeys.last()->Index()),
                         TField::ValueToText(value, result->DataType())}});
    }
    const bool text = IsTextType(result->DataType());
    std::stable_sort(offered.begin(), offered.end(), [text](const Offered &a, const Offered &b) {
        return text ? CompareCaseInsensitive(a.item.text, b.item.text) < 0
                    : QVariant::compare(a.value, b.value) == QPartialOrdering::Less;
    });
    // Several records of one key showing one text (the spellings of a team) are one choice.
    QList<TLookupItem> distinct;
    for (const auto &[value, item] : std::as_const(offered)) {
        bool seen = false;
        for (auto it = distinct.crbegin(); it != distinct.crend() && it->text == item.text && !seen; ++it)
            seen = it->key == item.key;
        if (!seen)
            distinct.append(item);
    }
    return distinct;
}

QVector<TRecordBuffer> TDataSet::MatchingRecords(const QList<TField *> &fields, const QVariantList &values)
{
    EnsureViewComplete();
    QVector<TRecordBuffer> found;
    for (int position = 0; position < view_.size(); ++position) {
        const TRecordBuffer &record = CachedRecord(position);
        bool match = true;
        for (int i = 0; i < fields.size() && match; ++i)
            match = ValuesMatch(record.values.at(fields.at(i)->Index()), values.value(i),
                                fields.at(i)->DataType(), {});
        if (match)
            found.append(record);
    }
    return found;
}

void TDataSet::InvalidateCalculatedFields()
{
    EnsureView();
    for (TRecordBuffer &record : cache_)
        record.calculated = false;
    if (Active() && !calculating_) {
        if (state_ == TDataSetState::dsBrowse)
            LoadCurrent();
        DataEvent(TDataEvent::deDataSetChange);
    }
}

bool TDataSet::HasCalculatedFields() const
{
    return std::any_of(fields_.fields_.begin(), fields_.fields_.end(),
                       [](const std::unique_ptr<TField> &field) { return !field->IsDataField(); });
}

void TDataSet::CalculateFields(TRecordBuffer &record)
{
    record.calculated = true;
    if (!HasCalculatedFields())
        return;
    const TDataSetState savedState = state_;
    TRecordBuffer *savedActive = active_;
    const bool savedCalculating = calculating_;
    calculating_ = true;
    state_ = TDataSetState::dsCalcFields;
    active_ = &record;
    auto restore = [&]() {
        state_ = savedState;
        active_ = savedActive;
        calculating_ = savedCalculating;
    };
    try {
        for (const auto &field : fields_.fields_) {
            if (field->IsDataField())
                continue;
            QVariant value;
            TDataSet *lookup = field->LookupDataSet();
            if (field->FieldKind() == TFieldKind::fkLookup && lookup && lookup->Active()) {
                QVariantList keys;
                bool complete = true;
                for (TField *key : FieldList(field->KeyFields())) {
                    keys.append(record.values.at(key->Index()));
                    complete = complete && !keys.last().isNull();
                }
                if (complete) {
                    value = lookup->Lookup(field->LookupKeyFields(), keys, field->LookupResultField());
                    try {
                        value = field->Convert(value);
                    } catch (const EDatabaseError &) {
                        // A result of another type than the field is shown as it is.
                    }
                }
            }
            record.values.set(field->Index(), value);
        }
        DoOnCalcFields();
    } catch (...) {
        restore();
        throw;
    }
    restore();
}

// --- open and close -------------------------------------------------------------------------

void TDataSet::SetActive(bool active)
{
    if (active)
        Open();
    else
        Close();
}

void TDataSet::Open()
{
    if (Active())
        return;
    compiledFilter_.reset();
    if (!RunBeforeEvent(BeforeOpen))
        return;
    CheckSessionPassword();
    try {
        OpenCursor();
        for (int i = 0; i < FieldCount(); ++i)
            fields_.fields_[size_t(i)]->index_ = i;
        cache_.clear();
        cacheStamp_ = DataStamp();
        fieldsUsed_ = 0;
        current_ = NewRecordBuffer();
        active_ = &current_;
        state_ = TDataSetState::dsBrowse;
        modified_ = false;
        viewStale_ = false;
        BuildViewFromSource(InitialViewSize);
        cursor_ = view_.isEmpty() ? -1 : 0;
        bof_ = true;
        eof_ = view_.isEmpty();
        LoadCurrent();
    } catch (...) {
        state_ = TDataSetState::dsInactive;
        view_.clear();
        cache_.clear();
        cursor_ = -1;
        CloseCursor();
        throw;
    }
    DataEvent(TDataEvent::deUpdateState);
    DataEvent(TDataEvent::deDataSetChange);
    DoAfterOpen();
    if (!view_.isEmpty() && AfterScroll)
        AfterScroll(*this);
}

void TDataSet::Close()
{
    if (!Active())
        return;
    if (!RunBeforeEvent(BeforeClose))
        return;
    state_ = TDataSetState::dsInactive;
    modified_ = false;
    active_ = &current_;
    view_.clear();
    viewComplete_ = true;
    viewStale_ = false;
    cache_.clear();
    cursor_ = -1;
    eof_ = bof_ = true;
    current_ = TRecordBuffer();
    edit_ = TRecordBuffer();
    CloseCursor();
    DataEvent(TDataEvent::deUpdateState);
    DataEvent(TDataEvent::deDataSetChange);
    if (AfterClose)
        AfterClose(*this);
}

// --- the view and the record cache ------------------------------------------------------------

void TDataSet::BuildViewFromSource(int limit)
{
    bool complete = true;
    SyncRecordCache();
    // A new view keeps no records of the last one: what it shows first is read along with it.
    if (limit >= 0)
        cache_.clear();
    viewStamp_ = DataStamp();
    if (!HasRecordFilter()) {
        view_ = QueryView(0, limit, limit >= 0 ? &cache_ : nullptr, complete);
        viewComplete_ = complete;
        RecordsRead();
        return;
    }
    const QVector<qint64> candidates = QueryView(0, -1, nullptr, complete);
    QVector<qint64> accepted;
    for (int start = 0; start < candidates.size(); start += PageSize) {
        const QVector<qint64> batch = candidates.mid(start, PageSize);
        QHash<qint64, TRecordBuffer> records;
        FetchRecords(batch, records);
        for (qint64 id : batch) {
            auto it = records.find(id);
            if (it != records.end() && RecordAccepted(it.value())) {
                accepted.append(id);
                cache_.insert(id, it.value());
            }
        }
    }
    view_ = accepted;
    viewComplete_ = true;
    RecordsRead();
}

bool TDataSet::RecordAccepted(TRecordBuffer &record)
{
    CalculateFields(record);
    const TDataSetState savedState = state_;
    TRecordBuffer *savedActive = active_;
    state_ = TDataSetState::dsFilter;
    active_ = &record;
    bool accept = true;
    try {
        if (filtered_ && onFilterRecord_)
            onFilterRecord_(*this, accept);
        if (accept && recordFilter_)
            accept = recordFilter_(*this);
    } catch (...) {
        state_ = savedState;
        active_ = savedActive;
        throw;
    }
    state_ = savedState;
    active_ = savedActive;
    return accept;
}

void TDataSet::ExtendView(int position)
{
    while (!viewComplete_ && position >= view_.size()) {
        // A view that others changed since its ids were read is read again whole, as is a large one.
        if (view_.isEmpty() || view_.size() >= ExtendedViewLimit || DataStamp() != viewStamp_) {
            EnsureViewComplete();
            return;
        }
        SyncRecordCache();
        if (cache_.size() > CacheLimit)
            cache_.clear();
        // The read starts at the last id known, which must still be there.
        const int offset = int(view_.size()) - 1;
        const int count =
            std::min(std::max(int(view_.size()) * ViewGrowth, FirstGrowth), ExtendedViewLimit - offset);
        bool complete = true;
        const QVector<qint64> more = QueryView(offset, count, &cache_, complete);
        if (more.isEmpty() || more.first() != view_.last()) {
            EnsureViewComplete();
            return;
        }
        view_ += more.mid(1);
        viewComplete_ = complete;
        RecordsRead();
    }
}

void TDataSet::EnsureViewComplete()
{
    EnsureView();
    if (viewComplete_)
        return;
    const std::optional<qint64> keep =
        cursor_ >= 0 && cursor_ < view_.size() ? std::optional<qint64>(view_.at(cursor_)) : std::nullopt;
    BuildViewFromSource(-1);
    if (keep) {
        const int position = int(view_.indexOf(*keep));
        cursor_ = position >= 0 ? position : std::min(cursor_, int(view_.size()) - 1);
    }
}

int TDataSet::PositionOf(qint64 id)
{
    EnsureView();
    int position = int(view_.indexOf(id));
    if (position < 0 && !viewComplete_) {
        EnsureViewComplete();
        position = int(view_.indexOf(id));
    }
    return position;
}

void TDataSet::SyncRecordCache()
{
    const qint64 stamp = DataStamp();
    if (stamp != cacheStamp_) {
        cache_.clear();
        cacheStamp_ = stamp;
    }
}

void TDataSet::KeepCacheAfterOwnWrite(qint64 stampBefore)
{
    // A write that changed one row changed only the record written (the caller drops it), so
    // the other cached records stay valid.
    if (cacheStamp_ == stampBefore && DataStamp() == stampBefore + 1)
        cacheStamp_ = stampBefore + 1;
}

const TRecordBuffer &TDataSet::CachedRecord(int position, bool partialOk)
{
    SyncRecordCache();
    const qint64 id = view_.at(position);
    const int previous = std::exchange(lastReadPosition_, position);
    auto it = cache_.find(id);
    if (it != cache_.end() && (partialOk || it->missing == 0))
        return it.value();
    if (cache_.size() > CacheLimit)
        cache_.clear();
    // Walking reads a page of records at once; a jump (a search, a bookmark) reads only the
    // record it lands on.
    QVector<qint64> page;
    const bool walking = std::abs(position - previous) == 1;
    const int first = walking ? position - position % PageSize : position;
    const int last = walking ? std::min(first + PageSize, int(view_.size())) : position + 1;
    for (int i = first; i < last; ++i) {
        const auto cached = cache_.constFind(view_.at(i));
        if (cached == cache_.cend() || cached->missing != 0)
            page.append(view_.at(i));
    }
    FetchRecords(page, cache_);
    // A record that another user deleted meanwhile reads as empty.
    for (qint64 gone : page)
        if (const auto cached = cache_.constFind(gone); cached == cache_.cend() || cached->missing != 0) {
            TRecordBuffer empty = NewRecordBuffer();
            empty.id = gone;
            cache_.insert(gone, empty);
        }
    return cache_.find(id).value();
}

void TDataSet::LoadCurrent()
{
    if (cursor_ < 0 || cursor_ >= view_.size()) {
        current_ = NewRecordBuffer();
        return;
    }
    current_ = CachedRecord(cursor_, true);
    if (HasCalculatedFields()) {
        CalculateFields(current_);
        cache_.insert(current_.id, current_);
    }
}

void TDataSet::CompleteCurrentRecord()
{
    if (cursor_ < 0 || cursor_ >= view_.size())
        return;
    for (auto it = cache_.begin(); it != cache_.end();)
        it = (it->missing & fieldsUsed_) != 0 ? cache_.erase(it) : std::next(it);
    current_ = CachedRecord(cursor_);
}

void TDataSet::EnsureView() const
{
    // Reading the view's state reads the view: nothing else one can see changes.
    if (viewStale_)
        const_cast<TDataSet *>(this)->RebuildView(std::nullopt);
}

bool TDataSet::Eof() const
{
    EnsureView();
    return eof_;
}

bool TDataSet::Bof() const
{
    EnsureView();
    return bof_;
}

int TDataSet::RecNo() const
{
    EnsureView();
    return cursor_ + 1;
}

const TRecordBuffer *TDataSet::CurrentRecord() const
{
    EnsureView();
    return cursor_ >= 0 ? &current_ : nullptr;
}

void TDataSet::SetCursor(int position)
{
    cursor_ = view_.isEmpty() ? -1 : std::clamp(position, 0, int(view_.size()) - 1);
    LoadCurrent();
}

void TDataSet::RebuildView(std::optional<qint64> keepId, bool notify)
{
    viewStale_ = false;
    const int previous = cursor_;
    BuildViewFromSource(InitialViewSize);
    int position = 0;
    if (keepId) {
        position = PositionOf(*keepId);
        if (position < 0) {
            if (previous >= view_.size())
                EnsureViewComplete();
            position = std::max(previous, 0);
        }
    }
    SetCursor(position);
    bof_ = cursor_ <= 0;
    eof_ = view_.isEmpty();
    if (notify)
        DataEvent(TDataEvent::deDataSetChange);
}

QVariant TDataSet::ValueAt(int row, int fieldIndex)
{
    EnsureView();
    if (!Active() || fieldIndex < 0 || fieldIndex >= FieldCount() || row < 0)
        return QVariant();
    if (row >= view_.size())
        ExtendView(row);
    if (row >= view_.size())
        return QVariant();
    // The record being edited shows its typed values; any other row is read as stored.
    if (row == cursor_ && state_ == TDataSetState::dsEdit)
        return active_->values.value(fieldIndex);
    const TRecordBuffer &cached = CachedRecord(row);
    if (cached.calculated || fields_[fieldIndex].IsDataField())
        return cached.values.value(fieldIndex);
    TRecordBuffer copy = cached;
    CalculateFields(copy);
    cache_.insert(copy.id, copy);
    return copy.values.value(fieldIndex);
}

QString TDataSet::DisplayTextAt(int row, int fieldIndex)
{
    EnsureView();
    if (!Active() || fieldIndex < 0 || fieldIndex >= FieldCount())
        return QString();
    if (row == cursor_ && state_ == TDataSetState::dsEdit)
        return fields_[fieldIndex].DisplayText();
    ValueAt(row, fieldIndex);
    if (row < 0 || row >= view_.size())
        return QString();
    // The field's text routines read the active record; show this row through them.
    TRecordBuffer record = cache_.value(view_.at(row));
    TRecordBuffer *saved = active_;
    active_ = &record;
    QString text;
    try {
        text = fields_[fieldIndex].DisplayText();
    } catch (...) {
        active_ = saved;
        throw;
    }
    active_ = saved;
    return text;
}

int TDataSet::ScanFieldValues(int from, int fieldIndex, const std::function<bool(const QVariant &)> &visit)
{
    EnsureView();
    CheckActive();
    EnsureViewComplete();
    for (int row = std::max(from, 0); row < view_.size(); ++row)
        if (visit(ValueAt(row, fieldIndex)))
            return row;
    return -1;
}

// --- navigation -----------------------------------------------------------------------------

void TDataSet::FireScroll(const std::function<void()> &move)
{
    EnsureView();
    CheckActive();
    CheckBrowseMode();
    if (IsEditState(state_))
        return;
    if (!RunBeforeEvent(BeforeScroll))
        return;
    const int before = cursor_;
    move();
    DataEvent(before != cursor_ ? TDataEvent::deDataSetScroll : TDataEvent::deRecordChange);
    if (AfterScroll)
        AfterScroll(*this);
}

void TDataSet::First()
{
    FireScroll([this]() {
        SetCursor(0);
        bof_ = true;
        eof_ = view_.isEmpty();
    });
}

void TDataSet::Last()
{
    FireScroll([this]() {
        EnsureViewComplete();
        SetCursor(int(view_.size()) - 1);
        eof_ = true;
        bof_ = view_.isEmpty();
    });
}

void TDataSet::Next()
{
    MoveBy(1);
}

void TDataSet::Prior()
{
    MoveBy(-1);
}

int TDataSet::MoveBy(int distance)
{
    int moved = 0;
    FireScroll([&]() {
        int from = cursor_;
        if (distance > 0 && cursor_ + distance >= view_.size()) {
            const qint64 currentId = cursor_ >= 0 ? view_.at(cursor_) : -1;
            ExtendView(cursor_ + distance);
            // A current record that another program deleted meanwhile left its place to the next.
            if (currentId >= 0 && cursor_ >= 0 && view_.value(cursor_, -1) != currentId)
                from = cursor_ - 1;
        }
        const int last = int(view_.size()) - 1;
        const int target = std::clamp(from + distance, 0, std::max(last, 0));
        moved = view_.isEmpty() ? 0 : target - from;
        if (distance > 0) {
            bof_ = false;
            eof_ = moved < distance;
        } else if (distance < 0) {
            eof_ = false;
            bof_ = moved > distance;
        }
        if (moved != 0 || from != cursor_)
            SetCursor(target);
    });
    return moved;
}

void TDataSet::SetRecNo(int recNo)
{
    FireScroll([&]() {
        if (recNo > view_.size())
            ExtendView(recNo - 1);
        SetCursor(recNo - 1);
        bof_ = cursor_ <= 0;
        eof_ = view_.isEmpty();
    });
}

int TDataSet::RecordCount()
{
    EnsureView();
    CheckActive();
    EnsureViewComplete();
    return int(view_.size());
}

bool TDataSet::IsEmpty()
{
    EnsureView();
    CheckActive();
    return view_.isEmpty();
}

TBookmark TDataSet::GetBookmark() const
{
    EnsureView();
    if (!Active() || cursor_ < 0)
        return {};
    return {view_.at(cursor_)};
}

bool TDataSet::BookmarkValid(const TBookmark &bookmark)
{
    return Active() && bookmark.IsValid() && PositionOf(bookmark.recordId) >= 0;
}

void TDataSet::GotoBookmark(const TBookmark &bookmark)
{
    CheckActive();
    const int position = bookmark.IsValid() ? PositionOf(bookmark.recordId) : -1;
    if (position < 0)
        RaiseError(QStringLiteral("Η εγγραφή δεν βρέθηκε"));
    FireScroll([&]() {
        SetCursor(position);
        bof_ = eof_ = false;
    });
}

void TDataSet::Refresh()
{
    EnsureView();
    CheckActive();
    CheckBrowseMode();
    cache_.clear();
    RebuildView(cursor_ >= 0 ? std::optional<qint64>(view_.at(cursor_)) : std::nullopt);
}

void TDataSet::DisableControls()
{
    ++disableCount_;
}

void TDataSet::EnableControls()
{
    if (disableCount_ == 0)
        return;
    if (--disableCount_ == 0 && pendingDataSetChange_) {
        pendingDataSetChange_ = false;
        DataEvent(TDataEvent::deUpdateState);
        DataEvent(TDataEvent::deDataSetChange);
    }
}

void TDataSet::AttachDataSource(TDataSource *source)
{
    EnsureView();
    if (!dataSources_.contains(source))
        dataSources_.append(source);
}

void TDataSet::DetachDataSource(TDataSource *source)
{
    dataSources_.removeAll(source);
}

void TDataSet::DataEvent(TDataEvent event, TField *field)
{
    if (disableCount_ > 0 && event != TDataEvent::deUpdateRecord) {
        pendingDataSetChange_ = true;
        return;
    }
    const QList<TDataSource *> sources = dataSources_;
    for (TDataSource *source : sources)
        source->NotifyDataEvent(event, field);
}

// --- editing --------------------------------------------------------------------------------

bool TDataSet::RunBeforeEvent(const TDataSetNotifyEvent &event)
{
    if (!event)
        return true;
    try {
        event(*this);
    } catch (const EAbort &) {
        return false;
    }
    return true;
}

bool TDataSet::Edit()
{
    EnsureView();
    CheckActive();
    if (IsEditState(state_))
        return true;
    if (!CanModify())
        RaiseError(QStringLiteral("Τα δεδομένα είναι μόνο για ανάγνωση"));
    if (view_.isEmpty())
        return Insert();
    if (!RunBeforeEvent(BeforeEdit))
        return false;
    // Edit starts from the record as it is stored now.
    cache_.remove(view_.at(cursor_));
    LoadCurrent();
    edit_ = current_;
    active_ = &edit_;
    modified_ = false;
    postRefused_ = false;
    SetState(TDataSetState::dsEdit);
    if (AfterEdit)
        AfterEdit(*this);
    return true;
}

bool TDataSet::Insert()
{
    return BeginInsert(false);
}

bool TDataSet::Append()
{
    return BeginInsert(true);
}

bool TDataSet::BeginInsert(bool append)
{
    CheckActive();
    CheckBrowseMode();
    EnsureView();
    if (IsEditState(state_))
        return false;
    if (!CanModify())
        RaiseError(QStringLiteral("Τα δεδομένα είναι μόνο για ανάγνωση"));
    if (!RunBeforeEvent(BeforeInsert) || !RunBeforeEvent(BeforeScroll))
        return false;
    cursorBeforeInsert_ = cursor_;
    const bool eofBefore = eof_;
    if (append) {
        EnsureViewComplete();
        eof_ = true;
    }
    edit_ = NewRecordBuffer();
    InitNewRecord(edit_);
    active_ = &edit_;
    postRefused_ = false;
    SetState(TDataSetState::dsInsert);
    // A new record refused at its start leaves the dataset as it was.
    auto undo = [this, eofBefore]() {
        active_ = &current_;
        modified_ = false;
        eof_ = eofBefore;
        SetState(TDataSetState::dsBrowse);
    };
    try {
        if (OnNewRecord)
            OnNewRecord(*this);
    } catch (const EAbort &) {
        undo();
        return false;
    } catch (...) {
        undo();
        throw;
    }
    modified_ = false;
    CalculateFields(edit_);
    DataEvent(TDataEvent::deDataSetChange);
    if (AfterInsert)
        AfterInsert(*this);
    if (AfterScroll)
        AfterScroll(*this);
    return true;
}

void TDataSet::CheckRequiredFields()
{
    for (const auto &field : fields_.fields_)
        if (field->IsDataField() && field->Required() && field->DataType() != TFieldType::ftAutoInc &&
            edit_.values.at(field->Index()).isNull())
            throw EDatabaseError(QStringLiteral("Το πεδίο '%1' του πίνακα %2 πρέπει να έχει τιμή")
                                     .arg(field->FieldName(), DisplayTableName()));
}

bool TDataSet::Post()
{
    CheckActive();
    if (!IsEditState(state_))
        return true;
    // Whatever stops the store (a rule, a required field, the database) leaves the record as typed.
    const auto refused = qScopeGuard([this] { postRefused_ = IsEditState(state_); });
    DataEvent(TDataEvent::deUpdateRecord);
    try {
        DoBeforePost();
    } catch (const EAbort &) {
        return false;
    }
    // A handler that cancelled the record has ended the post.
    if (!IsEditState(state_))
        return false;
    CheckRequiredFields();
    const bool inserting = state_ == TDataSetState::dsInsert;
    TRecordBuffer posted = edit_;
    const qint64 stamp = DataStamp();
    InternalPost(posted, inserting);
    KeepCacheAfterOwnWrite(stamp);
    cache_.remove(posted.id);
    EndEditing();
    PlacePostedRecord(posted, inserting);
    DataEvent(TDataEvent::deUpdateState);
    DataEvent(TDataEvent::deDataSetChange);
    if (AfterPost)
        AfterPost(*this);
    return true;
}

void TDataSet::EndEditing()
{
    state_ = TDataSetState::dsBrowse;
    active_ = &current_;
    modified_ = false;
    postRefused_ = false;
    edit_ = TRecordBuffer();
}

void TDataSet::PlacePostedRecord(const TRecordBuffer &posted, bool inserting)
{
    int fallback = inserting ? cursorBeforeInsert_ : cursor_;
    if (!inserting && cursor_ >= 0 && cursor_ < view_.size() && view_.at(cursor_) == posted.id)
        view_.remove(cursor_);
    else
        view_.removeAll(posted.id);
    TRecordBuffer stored;
    bool inView = posted.id >= 0 && ReadStoredRecordInView(posted.id, stored);
    if (inView && HasRecordFilter())
        inView = RecordAccepted(stored);
    if (!inView) {
        SetCursor(std::min(std::max(fallback, 0), int(view_.size()) - 1));
        bof_ = cursor_ <= 0;
        eof_ = view_.isEmpty();
        return;
    }
    // The posted record takes its place in the order of the view: after the last record when
    // it sorts there (the usual case of appending in order), else found by halving.
    auto recordAt = [&](int position) -> const TRecordBuffer & { return CachedRecord(position); };
    int position = int(view_.size());
    if (!view_.isEmpty() && CompareRecords(recordAt(int(view_.size()) - 1), stored) > 0) {
        int low = 0;
        int high = int(view_.size());
        while (low < high) {
            const int middle = (low + high) / 2;
            if (CompareRecords(recordAt(middle), stored) < 0)
                low = middle + 1;
            else
                high = middle;
        }
        position = low;
    } else if (!viewComplete_) {
        EnsureViewComplete();
        view_.removeAll(posted.id);
        PlacePostedRecord(posted, inserting);
        return;
    }
    view_.insert(position, posted.id);
    cache_.insert(posted.id, stored);
    SetCursor(position);
    bof_ = eof_ = false;
}

void TDataSet::Cancel()
{
    if (state_ == TDataSetState::dsSetKey) {
        SetActiveBuffer(nullptr);
        SetState(TDataSetState::dsBrowse);
        return;
    }
    if (!IsEditState(state_))
        return;
    if (!RunBeforeEvent(BeforeCancel))
        return;
    const bool inserting = state_ == TDataSetState::dsInsert;
    EndEditing();
    if (inserting)
        SetCursor(cursorBeforeInsert_);
    else
        LoadCurrent();
    DataEvent(TDataEvent::deUpdateState);
    DataEvent(TDataEvent::deDataSetChange);
    if (AfterCancel)
        AfterCancel(*this);
}

bool TDataSet::Delete()
{
    EnsureView();
    CheckActive();
    if (state_ == TDataSetState::dsInsert || state_ == TDataSetState::dsSetKey) {
        Cancel();
        return true;
    }
    if (view_.isEmpty())
        RaiseError(QStringLiteral("Δεν γίνεται διαγραφή: δεν υπάρχουν εγγραφές"));
    if (!CanModify())
        RaiseError(QStringLiteral("Τα δεδομένα είναι μόνο για ανάγνωση"));
    if (!RunBeforeEvent(BeforeDelete) || !RunBeforeEvent(BeforeScroll))
        return false;
    if (state_ == TDataSetState::dsEdit)
        EndEditing();
    const qint64 id = view_.at(cursor_);
    const qint64 stamp = DataStamp();
    InternalDelete(id);
    KeepCacheAfterOwnWrite(stamp);
    cache_.remove(id);
    view_.remove(cursor_);
    SetCursor(cursor_);
    bof_ = cursor_ <= 0;
    eof_ = view_.isEmpty();
    DataEvent(TDataEvent::deUpdateState);
    DataEvent(TDataEvent::deDataSetChange);
    if (AfterDelete)
        AfterDelete(*this);
    if (AfterScroll)
        AfterScroll(*this);
    return true;
}

void TDataSet::CheckBrowseMode()
{
    CheckActive();
    if (state_ == TDataSetState::dsSetKey) {
        Cancel();
        return;
    }
    if (!IsEditState(state_))
        return;
    UpdateRecord();
    if (modified_)
        Post();
    else
        Cancel();
}

void TDataSet::UpdateRecord()
{
    if (IsEditState(state_))
        DataEvent(TDataEvent::deUpdateRecord);
}

bool TDataSet::LeaveEditing()
{
    if (!Active())
        return true;
    CheckBrowseMode();
    return !IsEditState(state_);
}

void TDataSet::InternalPost(TRecordBuffer &, bool)
{
    RaiseError(QStringLiteral("Τα δεδομένα είναι μόνο για ανάγνωση"));
}

void TDataSet::InternalDelete(qint64)
{
    RaiseError(QStringLiteral("Τα δεδομένα είναι μόνο για ανάγνωση"));
}

bool TDataSet::ReadStoredRecordInView(qint64 id, TRecordBuffer &record)
{
    QHash<qint64, TRecordBuffer> read;
    FetchRecords({id}, read);
    const auto it = read.constFind(id);
    if (it == read.cend())
        return false;
    record = it.value();
    return true;
}

int TDataSet::CompareRecords(const TRecordBuffer &a, const TRecordBuffer &b) const
{
    return a.id < b.id ? -1 : (a.id > b.id ? 1 : 0);
}

// --- searching ------------------------------------------------------------------------------

bool TDataSet::ValuesMatch(const QVariant &fieldValue, const QVariant &wanted, TFieldType type,
                           TLocateOptions options)
{
    const bool wantedEmpty =
        wanted.isNull() || (wanted.typeId() == QMetaType::QString && wanted.toString().isEmpty());
    if (wantedEmpty)
        return fieldValue.isNull() ||
               (fieldValue.typeId() == QMetaType::QString && fieldValue.toString().isEmpty());
    if (fieldValue.isNull())
        return false;
    if (IsTextType(type) || fieldValue.typeId() == QMetaType::QString) {
        QString have = TField::ValueToText(fieldValue, type);
        QString want = TField::ValueToText(wanted, type);
        if (options.caseInsensitive) {
            have = FoldForCompare(have);
            want = FoldForCompare(want);
        }
        return options.partialKey ? have.startsWith(want) : have == want;
    }
    if (fieldValue.typeId() == QMetaType::Double || wanted.typeId() == QMetaType::Double)
        return fieldValue.toDouble() == wanted.toDouble();
    return fieldValue == wanted;
}

std::optional<std::optional<qint64>> TDataSet::SearchView(const QList<TField *> &, const QVariantList &,
                                                          TLocateOptions)
{
    return std::nullopt;
}

std::optional<qint64> TDataSet::FindRecord(const QString &keyFields, const QVariantList &values,
                                           TLocateOptions options)
{
    EnsureView();
    CheckActive();
    const QList<TField *> fields = FieldList(keyFields);
    if (fields.isEmpty())
        return std::nullopt;
    bool convertible = true;
    const QVariantList wanted = ConvertKeyValues(fields, values, convertible);
    // Partial keys compare texts, so a converted value would lose its meaning there.
    const QVariantList given = options.partialKey ? values : wanted;
    if (!convertible && !options.partialKey)
        return std::nullopt;
    bool searchable = !HasRecordFilter();
    for (TField *field : fields)
        searchable = searchable && field->IsDataField();
    if (searchable)
        if (const auto found = SearchView(fields, given, options))
            return *found;
    EnsureViewComplete();
    for (int position = 0; position < view_.size(); ++position) {
        TRecordBuffer record = CachedRecord(position);
        bool needsCalc = false;
        for (TField *field : fields)
            needsCalc = needsCalc || !field->IsDataField();
        if (needsCalc && !record.calculated) {
            CalculateFields(record);
            cache_.insert(record.id, record);
        }
        bool match = true;
        for (int i = 0; i < fields.size() && match; ++i)
            match = ValuesMatch(record.values.at(fields.at(i)->Index()), given.value(i),
                                fields.at(i)->DataType(), options);
        if (match)
            return record.id;
    }
    return std::nullopt;
}

bool TDataSet::Locate(const QString &keyFields, const QVariantList &values, TLocateOptions options)
{
    CheckBrowseMode();
    const std::optional<qint64> found = FindRecord(keyFields, values, options);
    if (!found)
        return false;
    const int position = PositionOf(*found);
    if (position < 0)
        return false;
    FireScroll([&]() {
        SetCursor(position);
        bof_ = eof_ = false;
    });
    return true;
}

QVariant TDataSet::Lookup(const QString &keyFields, const QVariantList &values, const QString &resultFields)
{
    if (!Active())
        return QVariant();
    const std::optional<qint64> found = FindRecord(keyFields, values, {});
    if (!found)
        return QVariant();
    // The record is read as stored now, not as an earlier look at it left it in the cache.
    SyncRecordCache();
    TRecordBuffer record;
    if (auto it = cache_.find(*found); it != cache_.end() && it->missing == 0) {
        record = it.value();
    } else {
        QHash<qint64, TRecordBuffer> read;
        FetchRecords({*found}, read);
        if (!read.contains(*found))
            return QVariant();
        record = read.value(*found);
    }
    const QList<TField *> results = FieldList(resultFields);
    bool needsCalc = false;
    for (TField *field : results)
        needsCalc = needsCalc || !field->IsDataField();
    if (needsCalc && !record.calculated)
        CalculateFields(record);
    if (results.size() == 1)
        return record.values.at(results.first()->Index());
    QVariantList list;
    for (TField *field : results)
        list.append(record.values.at(field->Index()));
    return list;
}

// --- filters --------------------------------------------------------------------------------

// A filter that changes the view first ends the record being edited; while that record cannot be
// stored the filter stays as it was, so that the view always shows what the filter says.

void TDataSet::SetFilter(const QString &filter)
{
    if (filter_ == filter)
        return;
    if (filtered_ && !LeaveEditing())
        return;
    filter_ = filter;
    compiledFilter_.reset();
    if (Active() && filtered_)
        FilterChanged();
}

void TDataSet::SetFiltered(bool filtered)
{
    if (filtered_ == filtered)
        return;
    if (!LeaveEditing())
        return;
    filtered_ = filtered;
    if (Active())
        FilterChanged();
}

void TDataSet::SetFilterOptions(TFilterOptions options)
{
    if (filtered_ && !LeaveEditing())
        return;
    filterOptions_ = options;
    compiledFilter_.reset();
    if (Active() && filtered_)
        FilterChanged();
}

CompiledFilter TDataSet::CompileOwnFilter() const
{
    if (!compiledFilter_) {
        const FilterFieldResolver resolve = [this](const QString &name) -> std::optional<FilterField> {
            const TField *field = FindField(name);
            if (!field || !field->IsDataField())
                return std::nullopt;
            return FilterField{field->FieldName(), field->DataType()};
        };
        compiledFilter_ = CompileFilter(Filter(), resolve, FilterOptions());
    }
    return *compiledFilter_;
}

void TDataSet::SetOnFilterRecord(TFilterRecordEvent handler)
{
    if (filtered_ && !LeaveEditing())
        return;
    onFilterRecord_ = std::move(handler);
    if (Active() && filtered_)
        FilterChanged();
}

void TDataSet::SetRecordFilter(TRecordFilter filter)
{
    recordFilter_ = std::move(filter);
}

void TDataSet::SetExpressionCondition(std::optional<CompiledFilter> condition)
{
    expressionCondition_ = std::move(condition);
}

std::optional<CompiledFilter> TDataSet::ViewFilter() const
{
    const bool text = filtered_ && !filter_.trimmed().isEmpty();
    if (!text)
        return expressionCondition_;
    CompiledFilter filter = CompileOwnFilter();
    if (expressionCondition_) {
        filter.whereSql = '(' + filter.whereSql + ") AND (" + expressionCondition_->whereSql + ')';
        filter.values += expressionCondition_->values;
    }
    return filter;
}

void TDataSet::DoAfterOpen()
{
    if (AfterOpen)
        AfterOpen(*this);
}

void TDataSet::DoBeforePost()
{
    if (BeforePost)
        BeforePost(*this);
}

void TDataSet::DoOnCalcFields()
{
    if (OnCalcFields)
        OnCalcFields(*this);
}

void TDataSet::FilterChanged()
{
    ResetView();
}

void TDataSet::ResetView()
{
    if (!LeaveEditing())
        return;
    // Nothing shows the view nor follows its moves: it is read when it is next used, so that
    // several changes in a row (a filter set and switched on) read it once.
    if (!BeforeScroll && !AfterScroll && dataSources_.isEmpty() && state_ == TDataSetState::dsBrowse) {
        viewStale_ = true;
        return;
    }
    if (!RunBeforeEvent(BeforeScroll))
        return;
    RebuildView(std::nullopt);
    if (AfterScroll)
        AfterScroll(*this);
}
