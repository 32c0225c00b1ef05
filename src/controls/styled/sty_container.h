#pragma once

#include "controls/styled/sty_change_link.h"
#include "controls/styled/sty_procs.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class QIODevice;
class TStyCustomContainer;

// The depth at which a container stores its bitmaps.
namespace tav::styled::savepixelformat {
Q_NAMESPACE
enum TStySavePixelFormat
{
    spfDefault, // as the bitmap is
    spfMono,
    spf4bit,
    spf8bit,
};
Q_ENUM_NS(TStySavePixelFormat)
} // namespace tav::styled::savepixelformat

using TStySavePixelFormat = tav::styled::savepixelformat::TStySavePixelFormat;
using enum tav::styled::savepixelformat::TStySavePixelFormat;

namespace tav::styled {

// The flags byte in front of every stored item.
inline constexpr std::uint8_t ifCompressed = 0x01;
inline constexpr std::uint8_t ifDescription = 0x02;
inline constexpr std::uint8_t ifIdent = 0x04;
inline constexpr std::uint8_t ifData = 0x08;

std::uint8_t PixelFormatFlags(TStySavePixelFormat format);
TStySavePixelFormat PixelFormatFromFlags(std::uint8_t flags);
// The colour count the bitmap writer is asked for: 0 keeps the bitmap's depth.
int PixelFormatColours(TStySavePixelFormat format);
// One byte of an item's stored form; a short stream raises EStyError.
std::uint8_t ReadItemByte(QIODevice &stream);

} // namespace tav::styled

// One numbered entry of a container: a bitmap, an image strip, a list of texts or a sound. It is
// a component of its own, so that a design can hold it; read from a design into a container's
// child, it joins that container.
class TStyListItem : public TStyCustomComponent
{
    Q_OBJECT

public:
    // Takes the owner's DefaultCompressed when the owner is a container.
    explicit TStyListItem(QObject *owner = nullptr);
    ~TStyListItem() override;

    QString Description() const { return description_; }
    void SetDescription(const QString &value);
    quint16 Ident() const { return ident_; }
    void SetIdent(quint16 value);
    bool Compressed() const { return compressed_; }
    void SetCompressed(bool value);

    // The container that owns the item, or nullptr.
    TStyCustomContainer *Container() const;

    virtual void Clear() {}
    virtual bool IsEmpty() const { return false; }
    // The flags byte, the description and the ident, then the data of the class. Reading keeps
    // the item as it was when the stream is damaged.
    virtual void ReadData(QIODevice &stream);
    virtual void WriteData(QIODevice &stream) const;
    virtual std::uint8_t GetFlags() const;
    // Copies the stored settings and data of an item of the same class.
    virtual void AssignItem(const TStyListItem &source);

    void Loaded() override;
    // The owning container changes with its item.
    void Change() override;

protected:
    struct Header
    {
        std::uint8_t flags = 0;
        QString description;
        quint16 ident = 0;
    };
    static Header ReadHeader(QIODevice &stream);
    // Takes the description, ident and compression of a header that was read whole.
    void TakeHeader(const Header &header);
    // The item's binary design property "Internal": the stored form of ReadData/WriteData.
    void DefineInternal(TStyFiler &filer);

private:
    QString description_;
    quint16 ident_ = 0;
    bool compressed_ = false;
};

// A component that holds numbered items and stores them in designs and container files.
class TStyCustomContainer : public TStyBaseContainer
{
    Q_OBJECT
    Q_PROPERTY(QString About READ About WRITE SetAbout)

public:
    explicit TStyCustomContainer(QObject *owner = nullptr);
    ~TStyCustomContainer() override;

    bool DefaultCompressed() const { return defaultCompressed_; }
    void SetDefaultCompressed(bool value);

    // Where the items' bitmaps come from when the design holds none: 0 nothing more, 1 a
    // container file, 2 the program's bitmap resources, 4 one bitmap file per item.
    std::uint8_t StorageMode() const { return storageMode_; }
    TStyPathPrefix StoragePrefix() const { return storagePrefix_; }
    QString StoragePath() const { return storagePath_; }
    void SetStorage(std::uint8_t mode, TStyPathPrefix prefix, const QString &path);

    virtual int Count() const { return int(items_.size()); }
    virtual bool IsEmpty() const { return items_.empty(); }
    virtual TStyListItem *Items(int index) const;
    // The item count, with offsets a table of the items' stream positions, then the items.
    // Loading replaces the items only when the whole stream could be read.
    virtual void LoadFromStream(QIODevice &stream, bool withOffsets);
    virtual void SaveToStream(QIODevice &stream, bool withOffsets) const;
    // The kind of container file it is stored in (see ContainerFileExt).
    virtual int FileKind() const = 0;

    // Adds the item, or a new one of the container's item class for nullptr; returns its index.
    int Add(TStyListItem *item = nullptr);
    // Frees every item.
    void Clear();
    // Takes the items and defaults of a container of the same class with one change.
    virtual void Assign(const TStyCustomContainer &source);
    virtual void ForEach(const std::function<void(TStyListItem &)> &proc);
    int IndexOf(const TStyListItem *item) const;

protected:
    // A new, empty item of the container's class owned by the container.
    virtual TStyListItem *NewItem() = 0;

private:
    friend class TStyListItem;
    void Forget(TStyListItem *item);

    bool defaultCompressed_ = false;
    std::vector<TStyListItem *> items_;
    TStyPathPrefix storagePrefix_ = ppProgram;
    std::uint8_t storageMode_ = 0;
    QString storagePath_;
};

namespace tav::styled {

// The file extension of a container file kind 0..5 ("iml", "bmp", "wav", "txt", "*", "rtf").
QString ContainerFileExt(int kind, bool withDot);

} // namespace tav::styled
