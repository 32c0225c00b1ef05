#pragma once

#include "platform/ui/db_data_link.h"

#include <QStringList>
#include <QVariant>

#include <functional>

// What the lookup combo box and the lookup list box share: the list of records of ListSource
// (key KeyField, text ListField), the chosen key, and the optional field of DataSource that
// holds it. A choice by the user writes the key into the field (edit state first) and moves the
// list's dataset to the chosen record.
class TDBLookupLink : public QObject
{
    Q_OBJECT

public:
    explicit TDBLookupLink(QObject *parent = nullptr);

    TDataSource *ListSource() const { return listSource_.Source(); }
    void SetListSource(TDataSource *source);
    QString KeyField() const { return keyField_; }
    void SetKeyField(const QString &name);
    // The field shown; of several (";"-separated) the first.
    QString ListField() const { return listField_; }
    void SetListField(const QString &name);
    TFieldDataLink &DataLink() { return dataLink_; }
    const TFieldDataLink &DataLink() const { return dataLink_; }

    const QStringList &Texts() const { return texts_; }
    const QVariantList &Keys() const { return keys_; }
    // The position of the key in the list, -1 when it is not there.
    int IndexOfKey(const QVariant &key) const;

    QVariant KeyValue() const { return keyValue_; }
    // Shows a key without writing it into the field.
    void SetKeyValue(const QVariant &key);
    // The user chose item index: false when the field could not take the key.
    bool Choose(int index);
    // Whether the user may choose: a data field that can be changed, or no data field.
    bool CanChoose() const;
    // Before the list is offered: when the stored data changed since the list dataset read its
    // records (a record added through another dataset, a statement or another program), the
    // dataset reads them again and the list follows.
    void RefreshIfOutdated();

    // The list was read again; the key to show changed.
    std::function<void()> OnItemsChanged;
    std::function<void()> OnKeyChanged;

private:
    void ReadItems();
    void ReadKey();
    void KeyChanged();

    TFieldDataLink dataLink_;
    TSourceConnections listSource_;
    QString keyField_;
    QString listField_;
    QStringList texts_;
    QVariantList keys_;
    QVariant keyValue_;
};
