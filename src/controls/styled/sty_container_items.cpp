#include "controls/styled/sty_container_items.h"

#include "controls/styled/sty_container_file.h"
#include "controls/styled/sty_paths.h"
#include "controls/styled/sty_resources.h"
#include "controls/styled/sty_streams.h"
#include "controls/styled/sty_wave.h"
#include "platform/core/codepage.h"

#include <QBuffer>
#include <QFileInfo>

using namespace tav::styled;

TStyBitmapListItem::TStyBitmapListItem(QObject *owner) : TStyListItem(owner) {}

QImage TStyBitmapListItem::Bitmap() const
{
    if (bitmap_.isNull() && !Loading() && Container())
        LoadFromStorage();
    return bitmap_;
}

void TStyBitmapListItem::LoadFromStorage() const
{
    const TStyCustomContainer &container = *Container();
    const QString path = container.StoragePath();
    switch (container.StorageMode()) {
    case 1:
        LoadBitmapFromFile(PrefixPath(container.StoragePrefix(), true) + path, Ident(), bitmap_);
        break;
    case 2:
        bitmap_ = LoadBitmapResource(Ident());
        break;
    case 4: {
        const QFileInfo file(path);
        const QString folder = container.StoragePrefix() == ppFixed
                                   ? file.path() + PathDelimiter
                                   : PrefixPath(container.StoragePrefix(), true);
        bitmap_.load(folder + file.fileName().left(3) + QString::number(Ident()) + QStringLiteral(".bmp"),
                     "BMP");
        break;
    }
    default:
        break;
    }
}

void TStyBitmapListItem::SetBitmap(const QImage &value)
{
    if (bitmap_ == value)
        return;
    bitmap_ = value;
    Change();
}

void TStyBitmapListItem::SetPixelFormat(TStySavePixelFormat value)
{
    if (pixelFormat_ == value)
        return;
    pixelFormat_ = value;
    Change();
}

void TStyBitmapListItem::Clear()
{
    SetBitmap(QImage());
}

std::uint8_t TStyBitmapListItem::GetFlags() const
{
    return TStyListItem::GetFlags() | (IsEmpty() ? 0 : ifData) | PixelFormatFlags(pixelFormat_);
}

void TStyBitmapListItem::WriteData(QIODevice &stream) const
{
    TStyListItem::WriteData(stream);
    if (!IsEmpty())
        WriteBitmap(stream, bitmap_, Compressed(), PixelFormatColours(pixelFormat_));
}

void TStyBitmapListItem::ReadData(QIODevice &stream)
{
    const Header header = ReadHeader(stream);
    QImage bitmap;
    if (header.flags & ifData)
        ReadBitmap(stream, bitmap, header.flags & ifCompressed);
    TakeHeader(header);
    pixelFormat_ = PixelFormatFromFlags(header.flags);
    bitmap_ = bitmap;
    Change();
}

void TStyBitmapListItem::AssignItem(const TStyListItem &source)
{
    TStyListItem::AssignItem(source);
    if (const auto *item = qobject_cast<const TStyBitmapListItem *>(&source)) {
        bitmap_ = item->bitmap_;
        pixelFormat_ = item->pixelFormat_;
    }
    Change();
}

void TStyBitmapListItem::DefineProperties(TStyFiler &filer)
{
    DefineInternal(filer);
}

TStyStringListItem::TStyStringListItem(QObject *owner) : TStyListItem(owner) {}

void TStyStringListItem::SetItems(const QStringList &value)
{
    if (items_ == value)
        return;
    items_ = value;
    Change();
}

void TStyStringListItem::Clear()
{
    SetItems({});
}

std::uint8_t TStyStringListItem::GetFlags() const
{
    return TStyListItem::GetFlags() | (IsEmpty() ? 0 : ifData);
}

void TStyStringListItem::WriteData(QIODevice &stream) const
{
    TStyListItem::WriteData(stream);
    if (IsEmpty())
        return;
    // Every line ends with a line break, as in a text file.
    QByteArray text;
    for (const QString &line : items_)
        text += ToCodePage(line, CodePage::Windows1253) + "\r\n";
    if (!Compressed()) {
        WriteInteger(stream, std::int32_t(text.size()));
        stream.write(text);
        return;
    }
    QBuffer source(&text);
    source.open(QIODevice::ReadOnly);
    WriteCompressed(source, stream, text.size());
}

void TStyStringListItem::ReadData(QIODevice &stream)
{
    const Header header = ReadHeader(stream);
    QStringList items;
    if (header.flags & ifData) {
        QByteArray text;
        if (header.flags & ifCompressed) {
            QBuffer target(&text);
            target.open(QIODevice::WriteOnly);
            ReadCompressed(stream, target);
        } else {
            const std::int32_t size = ReadInteger(stream);
            if (size < 0 || size > stream.bytesAvailable())
                throw EStyError(QStringLiteral("Τα αποθηκευμένα κείμενα είναι κατεστραμμένα."));
            text = stream.read(size);
        }
        items = FromCodePage(text, CodePage::Windows1253).split(QStringLiteral("\r\n"));
        if (!items.isEmpty() && items.back().isEmpty())
            items.removeLast();
    }
    TakeHeader(header);
    items_ = items;
    Change();
}

void TStyStringListItem::AssignItem(const TStyListItem &source)
{
    TStyListItem::AssignItem(source);
    if (const auto *item = qobject_cast<const TStyStringListItem *>(&source))
        items_ = item->items_;
    Change();
}

void TStyStringListItem::DefineProperties(TStyFiler &filer)
{
    DefineInternal(filer);
}

TStyWaveListItem::TStyWaveListItem(QObject *owner) : TStyListItem(owner), wave_(new TStyWave(this))
{
    wave_->OnChange = [this](TStyObject *) { Change(); };
}

void TStyWaveListItem::SetWave(const TStyWave &value)
{
    wave_->Assign(value);
}

void TStyWaveListItem::Clear()
{
    wave_->Assign(TStyWave());
}

bool TStyWaveListItem::IsEmpty() const
{
    return wave_->Empty();
}

std::uint8_t TStyWaveListItem::GetFlags() const
{
    return TStyListItem::GetFlags() | (IsEmpty() ? 0 : ifData);
}

void TStyWaveListItem::WriteData(QIODevice &stream) const
{
    TStyListItem::WriteData(stream);
    if (!IsEmpty())
        WriteWave(stream, *wave_, Compressed());
}

void TStyWaveListItem::ReadData(QIODevice &stream)
{
    const Header header = ReadHeader(stream);
    TStyWave wave;
    if (header.flags & ifData)
        ReadWave(stream, wave, header.flags & ifCompressed);
    TakeHeader(header);
    BeginUpdate();
    wave_->Assign(wave);
    EndUpdate(true);
}

void TStyWaveListItem::AssignItem(const TStyListItem &source)
{
    TStyListItem::AssignItem(source);
    BeginUpdate();
    if (const auto *item = qobject_cast<const TStyWaveListItem *>(&source))
        wave_->Assign(*item->wave_);
    EndUpdate(true);
}

void TStyWaveListItem::DefineProperties(TStyFiler &filer)
{
    DefineInternal(filer);
}
