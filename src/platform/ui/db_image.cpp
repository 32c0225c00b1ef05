#include "platform/ui/db_image.h"

#include <QFile>
#include <QPainter>

TDBImage::TDBImage(QWidget *parent) : QWidget(parent)
{
    link_.OnDataChange = [this]() { ShowField(); };
}

void TDBImage::SetStretch(bool stretch)
{
    stretch_ = stretch;
    update();
}

void TDBImage::SetCenter(bool center)
{
    center_ = center;
    update();
}

void TDBImage::ShowField()
{
    const TField *field = Field();
    picture_ = field && !field->IsNull() ? QImage::fromData(field->Value().toByteArray()) : QImage();
    update();
}

bool TDBImage::LoadPicture(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (QImage::fromData(bytes).isNull() || !link_.Edit())
        return false;
    Field()->SetValue(bytes);
    ShowField();
    return true;
}

void TDBImage::paintEvent(QPaintEvent *)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    if (stretch_) {
        painter.drawImage(rect(), picture_);
        return;
    }
    QRect target(QPoint(0, 0), picture_.size());
    if (center_)
        target.moveCenter(rect().center());
    painter.drawImage(target, picture_);
}
