#include "controls/styled/sty_container.h"

#include "controls/styled/sty_streams.h"

#include <QIODevice>

#include <algorithm>
#include <memory>

namespace tav::styled {
namespace {

[[noreturn]] void DamagedContainer()
{
    throw EStyError(QStringLiteral("Τα αποθηκευμένα στοιχεία της αποθήκης είναι κατεστραμμένα."));
}

} // namespace

std::uint8_t PixelFormatFlags(TStySavePixelFormat format)
{
    switch (format) {
    case spfMono:
        return 0x10;
    case spf4bit:
        return 0x20;
    case spf8bit:
        return 0x40;
    default:
        return 0;
    }
}

TStySavePixelFormat PixelFormatFromFlags(std::uint8_t flags)
{
    if (flags & 0x10)
        return spfMono;
    if (flags & 0x20)
        return spf4bit;
    if (flags & 0x40)
        return spf8bit;
    return spfDefault;
}

int PixelFormatColours(TStySavePixelFormat format)
{
    switch (format) {
    case spfMono:
        return 2;
    case spf4bit:
        return 16;
    case spf8bit:
        return 256;
    default:
        return 0;
    }
}

std::uint8_t ReadItemByte(QIODevice &stream)
{
    char byte = 0;
    if (!stream.getChar(&byte))
        DamagedContainer();
    return std::uint8_t(byte);
}

QString ContainerFileExt(int kind, bool withDot)
{
    static const char *const extensions[] = {"iml", "bmp", "wav", "txt", "*", "rtf"};
    if (kind < 0 || kind > 5)
        return {};
    const QString extension = QString::fromLatin1(extensions[kind]);
    return withDot ? QLatin1Char('.') + extension : extension;
}

} // namespace tav::styled

using namespace tav::styled;

TStyListItem::TStyListItem(QObject *owner) : TStyCustomComponent(owner)
{
    if (TStyCustomContainer *container = Container())
        compressed_ = container->DefaultCompressed();
}

TStyListItem::~TStyListItem()
{
    if (TStyCustomContainer *container = Container())
        container->Forget(this);
}

TStyCustomContainer *TStyListItem::Container() const
{
    return qobject_cast<TStyCustomContainer *>(parent());
}

void TStyListItem::SetDescription(const QString &value)
{
    if (description_ == value)
        return;
    description_ = value;
    Change();
}

void TStyListItem::SetIdent(quint16 value)
{
    if (ident_ == value)
        return;
    ident_ = value;
    Change();
}

void TStyListItem::SetCompressed(bool value)
{
    if (compressed_ == value)
        return;
    compressed_ = value;
    Change();
}

std::uint8_t TStyListItem::GetFlags() const
{
    std::uint8_t flags = compressed_ ? ifCompressed : 0;
    if (!description_.isEmpty())
        flags |= ifDescription;
    if (ident_ != 0)
        flags |= ifIdent;
    return flags;
}

TStyListItem::Header TStyListItem::ReadHeader(QIODevice &stream)
{
    Header header;
    header.flags = ReadItemByte(stream);
    if (header.flags & ifDescription)
        header.description = ReadShortString(stream);
    if (header.flags & ifIdent) {
        const std::int32_t ident = ReadInteger(stream);
        if (ident < 0 || ident > 0xFFFF)
            DamagedContainer();
        header.ident = quint16(ident);
    }
    return header;
}

void TStyListItem::TakeHeader(const Header &header)
{
    description_ = header.description;
    ident_ = header.ident;
    compressed_ = header.flags & ifCompressed;
}

void TStyListItem::ReadData(QIODevice &stream)
{
    TakeHeader(ReadHeader(stream));
    Change();
}

void TStyListItem::WriteData(QIODevice &stream) const
{
    const std::uint8_t flags = GetFlags();
    WriteByte(stream, flags);
    if (flags & ifDescription)
        WriteShortString(stream, description_);
    if (flags & ifIdent)
        WriteInteger(stream, ident_);
}

void TStyListItem::AssignItem(const TStyListItem &source)
{
    description_ = source.description_;
    ident_ = source.ident_;
    compressed_ = source.compressed_;
}

void TStyListItem::DefineInternal(TStyFiler &filer)
{
    filer.DefineBinaryProperty(
        QStringLiteral("Internal"), [this](QIODevice &device) { ReadData(device); },
        [this](QIODevice &device) { WriteData(device); }, true);
}

void TStyListItem::Loaded()
{
    TStyCustomComponent::Loaded();
    if (TStyCustomContainer *container = Container(); container && container->IndexOf(this) < 0)
        container->Add(this);
}

void TStyListItem::Change()
{
    TStyCustomComponent::Change();
    if (TStyCustomContainer *container = Container();
        container && !Loading() && container->IndexOf(this) >= 0)
        container->Change();
}

TStyCustomContainer::TStyCustomContainer(QObject *owner) : TStyBaseContainer(owner) {}

TStyCustomContainer::~TStyCustomContainer()
{
    // Going away is no change to tell of.
    std::vector<TStyListItem *> items;
    items.swap(items_);
    for (TStyListItem *item : items)
        delete item;
}

void TStyCustomContainer::SetDefaultCompressed(bool value)
{
    if (defaultCompressed_ == value)
        return;
    defaultCompressed_ = value;
    Change();
}

void TStyCustomContainer::SetStorage(std::uint8_t mode, TStyPathPrefix prefix, const QString &path)
{
    storageMode_ = mode;
    storagePrefix_ = prefix;
    storagePath_ = path;
}

TStyListItem *TStyCustomContainer::Items(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return items_[std::size_t(index)];
}

int TStyCustomContainer::IndexOf(const TStyListItem *item) const
{
    const auto found = std::find(items_.begin(), items_.end(), item);
    return found == items_.end() ? -1 : int(found - items_.begin());
}

int TStyCustomContainer::Add(TStyListItem *item)
{
    if (!item)
        item = NewItem();
    else if (item->parent() != this) {
        if (TStyCustomContainer *previous = item->Container())
            previous->Forget(item);
        item->setParent(this);
    }
    if (IndexOf(item) < 0)
        items_.push_back(item);
    Change();
    return IndexOf(item);
}

void TStyCustomContainer::Forget(TStyListItem *item)
{
    const auto found = std::find(items_.begin(), items_.end(), item);
    if (found != items_.end())
        items_.erase(found);
}

void TStyCustomContainer::Clear()
{
    std::vector<TStyListItem *> items;
    items.swap(items_);
    for (TStyListItem *item : items)
        delete item;
    Change();
}

void TStyCustomContainer::Assign(const TStyCustomContainer &source)
{
    if (&source == this)
        return;
    BeginUpdate();
    Clear();
    defaultCompressed_ = source.defaultCompressed_;
    for (TStyListItem *sourceItem : source.items_) {
        TStyListItem *item = NewItem();
        item->AssignItem(*sourceItem);
        items_.push_back(item);
    }
    EndUpdate(true);
}

void TStyCustomContainer::ForEach(const std::function<void(TStyListItem &)> &proc)
{
    const std::vector<TStyListItem *> items = items_;
    for (TStyListItem *item : items)
        proc(*item);
}

void TStyCustomContainer::SaveToStream(QIODevice &stream, bool withOffsets) const
{
    WriteInteger(stream, std::int32_t(items_.size()));
    const qint64 table = stream.pos();
    if (withOffsets)
        for (std::size_t index = 0; index < items_.size(); ++index)
            WriteInteger(stream, 0);
    std::vector<qint64> offsets;
    for (const TStyListItem *item : items_) {
        offsets.push_back(stream.pos());
        item->WriteData(stream);
    }
    if (!withOffsets)
        return;
    const qint64 end = stream.pos();
    stream.seek(table);
    for (const qint64 offset : offsets)
        WriteInteger(stream, std::int32_t(offset));
    stream.seek(end);
}

void TStyCustomContainer::LoadFromStream(QIODevice &stream, bool withOffsets)
{
    const std::int32_t count = ReadInteger(stream);
    // Every item takes at least its flags byte, and its offset when there is a table.
    if (count < 0 || count > stream.bytesAvailable() / (withOffsets ? 5 : 1))
        DamagedContainer();
    if (withOffsets && !stream.seek(stream.pos() + qint64(count) * 4))
        DamagedContainer();
    std::vector<std::unique_ptr<TStyListItem>> loaded;
    for (std::int32_t index = 0; index < count; ++index) {
        loaded.emplace_back(NewItem());
        loaded.back()->ReadData(stream);
    }
    BeginUpdate();
    Clear();
    for (auto &item : loaded)
        items_.push_back(item.release());
    EndUpdate(true);
}
