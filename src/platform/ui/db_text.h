#pragma once

#include "platform/ui/db_data_link.h"

#include <QLabel>

// A label that shows the display text of one field of the current record.
class TDBText : public QLabel
{
    Q_OBJECT

public:
    explicit TDBText(QWidget *parent = nullptr);

    TDataSource *DataSource() const { return link_.DataSource(); }
    void SetDataSource(TDataSource *source) { link_.SetDataSource(source); }
    QString DataField() const { return link_.FieldName(); }
    void SetDataField(const QString &name) { link_.SetFieldName(name); }
    TField *Field() const { return link_.Field(); }

private:
    TFieldDataLink link_;
};
