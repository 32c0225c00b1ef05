#pragma once

#include "platform/ui/db_data_link.h"

#include <QImage>
#include <QWidget>

// Shows the picture held in a blob field (BMP, ICO, PNG, JPEG). Bytes that are no picture Qt
// can read (metafiles among them) show nothing.
class TDBImage : public QWidget
{
    Q_OBJECT

public:
    explicit TDBImage(QWidget *parent = nullptr);

    TDataSource *DataSource() const { return link_.DataSource(); }
    void SetDataSource(TDataSource *source) { link_.SetDataSource(source); }
    QString DataField() const { return link_.FieldName(); }
    void SetDataField(const QString &name) { link_.SetFieldName(name); }
    TField *Field() const { return link_.Field(); }

    // Scaled to the whole control; otherwise drawn at its size, centred when Center is on.
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);
    bool Center() const { return center_; }
    void SetCenter(bool center);

    // The picture shown; null when the field is empty or holds no readable picture.
    QImage Picture() const { return picture_; }

    // Reads a picture file and puts its bytes into the field (the dataset goes into edit state
    // when the source allows it). False, with the field and the picture left as they were, when
    // the file cannot be read as a picture or the field cannot be changed.
    bool LoadPicture(const QString &fileName);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void ShowField();

    TFieldDataLink link_;
    QImage picture_;
    bool stretch_ = false;
    bool center_ = true;
};
