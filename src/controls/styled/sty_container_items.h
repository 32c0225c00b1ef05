#pragma once

#include "controls/styled/sty_container.h"

#include <QImage>
#include <QStringList>

#include "controls/styled/sty_wave.h"

// A container item with one bitmap. Read while empty, it fetches its bitmap by the owning
// container's storage mode (a container file, the program's bitmap resources or a bitmap file
// per item), found by its Ident.
class TStyBitmapListItem : public TStyListItem
{
    Q_OBJECT
    Q_PROPERTY(QImage Bitmap READ Bitmap WRITE SetBitmap STORED false)
    Q_PROPERTY(quint16 Ident READ Ident WRITE SetIdent)
    Q_PROPERTY(QString Description READ Description WRITE SetDescription)

public:
    explicit TStyBitmapListItem(QObject *owner = nullptr);

    QImage Bitmap() const;
    void SetBitmap(const QImage &value);
    TStySavePixelFormat PixelFormat() const { return pixelFormat_; }
    void SetPixelFormat(TStySavePixelFormat value);

    void Clear() override;
    bool IsEmpty() const override { return bitmap_.isNull(); }
    void ReadData(QIODevice &stream) override;
    void WriteData(QIODevice &stream) const override;
    std::uint8_t GetFlags() const override;
    void AssignItem(const TStyListItem &source) override;
    void DefineProperties(TStyFiler &filer) override;

private:
    void LoadFromStorage() const;

    mutable QImage bitmap_;
    TStySavePixelFormat pixelFormat_ = spfDefault;
};

// A container item with a list of texts, stored in the Greek code page one per line.
class TStyStringListItem : public TStyListItem
{
    Q_OBJECT
    Q_PROPERTY(QStringList Items READ Items WRITE SetItems STORED false)
    Q_PROPERTY(QString Description READ Description WRITE SetDescription)
    Q_PROPERTY(quint16 Ident READ Ident WRITE SetIdent)

public:
    explicit TStyStringListItem(QObject *owner = nullptr);

    QStringList Items() const { return items_; }
    void SetItems(const QStringList &value);

    void Clear() override;
    bool IsEmpty() const override { return items_.isEmpty(); }
    void ReadData(QIODevice &stream) override;
    void WriteData(QIODevice &stream) const override;
    std::uint8_t GetFlags() const override;
    void AssignItem(const TStyListItem &source) override;
    void DefineProperties(TStyFiler &filer) override;

private:
    QStringList items_;
};

// A container item with one wave sound.
class TStyWaveListItem : public TStyListItem
{
    Q_OBJECT
    Q_PROPERTY(TStyWave *Wave READ Wave STORED false)
    Q_PROPERTY(QString Description READ Description WRITE SetDescription)
    Q_PROPERTY(quint16 Ident READ Ident WRITE SetIdent)

public:
    explicit TStyWaveListItem(QObject *owner = nullptr);

    TStyWave *Wave() const { return wave_; }
    // Takes a copy of the sound.
    void SetWave(const TStyWave &value);

    void Clear() override;
    bool IsEmpty() const override;
    void ReadData(QIODevice &stream) override;
    void WriteData(QIODevice &stream) const override;
    std::uint8_t GetFlags() const override;
    void AssignItem(const TStyListItem &source) override;
    void DefineProperties(TStyFiler &filer) override;

private:
    TStyWave *wave_;
};

// Containers of texts and of sounds.
class TStyStringList : public TStyCustomContainer
{
    Q_OBJECT
    Q_PROPERTY(bool DefaultCompressed READ DefaultCompressed WRITE SetDefaultCompressed)

public:
    explicit TStyStringList(QObject *owner = nullptr) : TStyCustomContainer(owner) {}
    int FileKind() const override { return 3; }

protected:
    TStyListItem *NewItem() override { return new TStyStringListItem(this); }
};

class TStyWaveList : public TStyCustomContainer
{
    Q_OBJECT
    Q_PROPERTY(bool DefaultCompressed READ DefaultCompressed WRITE SetDefaultCompressed)

public:
    explicit TStyWaveList(QObject *owner = nullptr) : TStyCustomContainer(owner) {}
    int FileKind() const override { return 2; }

protected:
    TStyListItem *NewItem() override { return new TStyWaveListItem(this); }
};
