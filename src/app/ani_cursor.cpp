#include "app/ani_cursor.h"

#include "platform/core/paths.h"

#include <QFile>
#include <QPixmap>

#include <cstdlib>
#include <limits>
#include <vector>

namespace tav::app {

namespace {

const char *const kShippedCursor = ":/varoApp2.ani";
constexpr quint32 kIconFlag = 1;       // anih attribute: the frames are icon or cursor files
constexpr int kDefaultCursorSize = 32; // the size the desktop asks for when none is given
// A pointer is at most 256 pixels a side; a larger picture could not be shown by the window
// system (X11 drops the connection), so it is refused before it is decoded.
constexpr int kMaxFrameSide = 256;
// Limits far above any real pointer file, so that a broken or hostile one costs little to refuse.
constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;
constexpr quint32 kMaxChunks = 1024; // chunks of one list, so also frames and steps
constexpr quint16 kMaxPictures = 64; // pictures of one icon file

[[noreturn]] void Malformed(const QString &why)
{
    throw EAniCursorError(QStringLiteral("Μη έγκυρο αρχείο κέρσορα: ") + why);
}

// Little-endian reads with bounds checks; every offset comes from the file.
class Reader
{
public:
    explicit Reader(QByteArrayView data) : data_(data) {}

    qsizetype Size() const { return data_.size(); }
    bool Has(qsizetype offset, qsizetype count) const
    {
        return offset >= 0 && count >= 0 && offset <= data_.size() && count <= data_.size() - offset;
    }
    quint8 U8(qsizetype offset) const { return static_cast<quint8>(Bytes(offset, 1)[0]); }
    quint16 U16(qsizetype offset) const
    {
        const QByteArrayView b = Bytes(offset, 2);
        return quint16(quint8(b[0]) | quint8(b[1]) << 8);
    }
    quint32 U32(qsizetype offset) const
    {
        const QByteArrayView b = Bytes(offset, 4);
        return quint32(quint8(b[0])) | quint32(quint8(b[1])) << 8 | quint32(quint8(b[2])) << 16 |
               quint32(quint8(b[3])) << 24;
    }
    qint32 I32(qsizetype offset) const { return static_cast<qint32>(U32(offset)); }
    QByteArrayView Bytes(qsizetype offset, qsizetype count) const
    {
        if (!Has(offset, count))
            Malformed(QStringLiteral("το αρχείο τελειώνει πρόωρα"));
        return data_.sliced(offset, count);
    }

private:
    QByteArrayView data_;
};

struct Chunk
{
    QByteArrayView Id;
    QByteArrayView Data;
};

// The chunks of a RIFF body, each padded to an even length.
std::vector<Chunk> ReadChunks(QByteArrayView body)
{
    const Reader reader(body);
    std::vector<Chunk> chunks;
    qsizetype offset = 0;
    while (offset + 8 <= reader.Size()) {
        if (chunks.size() == kMaxChunks)
            Malformed(QStringLiteral("υπερβολικά πολλά τμήματα"));
        const QByteArrayView id = reader.Bytes(offset, 4);
        const quint32 size = reader.U32(offset + 4);
        if (size > quint32(std::numeric_limits<qint32>::max()))
            Malformed(QStringLiteral("άκυρο μέγεθος τμήματος"));
        chunks.push_back({id, reader.Bytes(offset + 8, qsizetype(size))});
        offset += 8 + qsizetype(size) + (size & 1);
    }
    return chunks;
}

bool IsPng(QByteArrayView picture)
{
    return picture.startsWith("\x89PNG\r\n\x1a\n");
}

quint32 BigEndian32(QByteArrayView bytes)
{
    return quint32(quint8(bytes[0])) << 24 | quint32(quint8(bytes[1])) << 16 |
           quint32(quint8(bytes[2])) << 8 | quint32(quint8(bytes[3]));
}

// The size a picture gives in its header (the DIB header, or the PNG's IHDR chunk, which must come
// first), read without decoding anything and refused beyond a pointer's size.
QSize PictureSize(QByteArrayView picture)
{
    const Reader reader(picture);
    qint64 width = 0;
    qint64 height = 0;
    if (IsPng(picture)) {
        if (!reader.Has(8, 16) || BigEndian32(reader.Bytes(8, 4)) != 13 || reader.Bytes(12, 4) != "IHDR")
            Malformed(QStringLiteral("άκυρη εικόνα PNG"));
        width = BigEndian32(reader.Bytes(16, 4));
        height = BigEndian32(reader.Bytes(20, 4));
    } else {
        width = reader.I32(4);
        height = reader.I32(8) / 2; // the colour rows and the mask rows
    }
    if (width <= 0 || width > kMaxFrameSide || height <= 0 || height > kMaxFrameSide)
        Malformed(QStringLiteral("άκυρες διαστάσεις εικόνας"));
    return QSize(int(width), int(height));
}

QImage DecodePng(QByteArrayView png, QSize size)
{
    const QImage image = QImage::fromData(png, "PNG");
    if (image.size() != size)
        Malformed(QStringLiteral("άκυρη εικόνα PNG"));
    return image.convertToFormat(QImage::Format_ARGB32);
}

// Bottom-up DIB rows of an icon picture (BITMAPINFOHEADER, colour bits, AND mask) into ARGB.
QImage DecodeDib(QByteArrayView dib, QSize size)
{
    const Reader reader(dib);
    const quint32 headerSize = reader.U32(0);
    const int width = size.width();
    const int height = size.height();
    const int bitCount = reader.U16(14);
    const quint32 compression = reader.U32(16);
    const quint32 coloursUsed = reader.U32(32);
    if (headerSize < 40 || compression != 0)
        Malformed(QStringLiteral("μη υποστηριζόμενη μορφή εικόνας"));
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32)
        Malformed(QStringLiteral("μη υποστηριζόμενο βάθος χρώματος"));

    std::vector<QRgb> palette;
    qsizetype offset = headerSize;
    if (bitCount <= 8) {
        const quint32 entries = coloursUsed ? coloursUsed : (1u << bitCount);
        if (entries > (1u << bitCount))
            Malformed(QStringLiteral("άκυρη παλέτα"));
        for (quint32 i = 0; i < entries; ++i, offset += 4)
            palette.push_back(qRgb(reader.U8(offset + 2), reader.U8(offset + 1), reader.U8(offset)));
    }
    const qsizetype colourStride = ((qsizetype(width) * bitCount + 31) / 32) * 4;
    const qsizetype maskStride = ((qsizetype(width) + 31) / 32) * 4;
    const QByteArrayView colours = reader.Bytes(offset, colourStride * height);
    // Some 32-bit pictures leave the mask out and rely on their alpha channel alone.
    const qsizetype maskOffset = offset + colourStride * height;
    const bool hasMask = reader.Has(maskOffset, maskStride * height);

    QImage image(width, height, QImage::Format_ARGB32);
    bool anyAlpha = false;
    for (int y = 0; y < height; ++y) {
        const qsizetype row = qsizetype(height - 1 - y) * colourStride;
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            QRgb pixel = 0;
            if (bitCount == 32 || bitCount == 24) {
                const qsizetype at = row + qsizetype(x) * (bitCount / 8);
                const int alpha = bitCount == 32 ? quint8(colours[at + 3]) : 255;
                anyAlpha = anyAlpha || (bitCount == 32 && alpha != 0);
                pixel = qRgba(quint8(colours[at + 2]), quint8(colours[at + 1]), quint8(colours[at]), alpha);
            } else {
                const qsizetype bit = qsizetype(x) * bitCount;
                const int shift = 8 - bitCount - int(bit % 8);
                const quint32 index = (quint8(colours[row + bit / 8]) >> shift) & ((1u << bitCount) - 1);
                if (index >= palette.size())
                    Malformed(QStringLiteral("άκυρο χρώμα παλέτας"));
                pixel = palette[index];
            }
            line[x] = pixel;
        }
    }
    const bool maskDecides = bitCount != 32 || !anyAlpha;
    if (maskDecides && hasMask) {
        const QByteArrayView mask = reader.Bytes(maskOffset, maskStride * height);
        for (int y = 0; y < height; ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            const qsizetype row = qsizetype(height - 1 - y) * maskStride;
            for (int x = 0; x < width; ++x) {
                const bool transparent = (quint8(mask[row + x / 8]) >> (7 - x % 8)) & 1;
                line[x] = transparent ? 0 : (line[x] | 0xff000000u);
            }
        }
    } else if (maskDecides) {
        image = image.convertToFormat(QImage::Format_RGB32).convertToFormat(QImage::Format_ARGB32);
    }
    return image;
}

struct IconPicture
{
    QByteArrayView Bytes; // DIB or PNG
    QSize Size;           // from the picture's own header, within a pointer's size
    int Side = 0;         // what the directory says, 0 standing for 256
    QPoint HotSpot;       // what the directory says (cursor files only)
};

// One frame: a cursor file (type 2, with hot spots) or an icon file (type 1), holding one or more
// pictures as DIB or PNG. Every picture's size is checked, decoded or not.
struct IconFile
{
    quint16 Type = 0;
    std::vector<IconPicture> Pictures;
};

IconFile ReadIconFile(QByteArrayView file)
{
    const Reader reader(file);
    IconFile icon;
    icon.Type = reader.U16(2);
    const quint16 count = reader.U16(4);
    if (reader.U16(0) != 0 || (icon.Type != 1 && icon.Type != 2) || count == 0)
        Malformed(QStringLiteral("το καρέ δεν είναι εικονίδιο"));
    if (count > kMaxPictures)
        Malformed(QStringLiteral("υπερβολικά πολλές εικόνες σε ένα καρέ"));
    for (quint16 i = 0; i < count; ++i) {
        const qsizetype entry = 6 + qsizetype(i) * 16;
        IconPicture picture;
        picture.Bytes = reader.Bytes(reader.U32(entry + 12), reader.U32(entry + 8));
        picture.Size = PictureSize(picture.Bytes);
        picture.Side = reader.U8(entry) == 0 ? 256 : reader.U8(entry);
        picture.HotSpot = QPoint(reader.U16(entry + 4), reader.U16(entry + 6));
        icon.Pictures.push_back(picture);
    }
    return icon;
}

// The picture whose width is closest to the usual pointer size (an icon file has no hot spot of
// its own: the pointer is the middle of the picture).
TAniFrame DecodeFrame(const IconFile &icon)
{
    const IconPicture *chosen = &icon.Pictures.front();
    for (const IconPicture &picture : icon.Pictures)
        if (std::abs(picture.Side - kDefaultCursorSize) < std::abs(chosen->Side - kDefaultCursorSize))
            chosen = &picture;

    TAniFrame frame;
    frame.Image = IsPng(chosen->Bytes) ? DecodePng(chosen->Bytes, chosen->Size)
                                       : DecodeDib(chosen->Bytes, chosen->Size);
    frame.HotSpot =
        icon.Type == 2 ? chosen->HotSpot : QPoint(frame.Image.width() / 2, frame.Image.height() / 2);
    if (!frame.Image.rect().contains(frame.HotSpot))
        frame.HotSpot = QPoint(0, 0);
    return frame;
}

} // namespace

TAniFrame ParseAniCursor(const QByteArray &bytes)
{
    const Reader file(bytes);
    if (file.Size() < 12 || file.Bytes(0, 4) != "RIFF" || file.Bytes(8, 4) != "ACON")
        Malformed(QStringLiteral("λείπει η επικεφαλίδα RIFF ACON"));
    // Writers often get the RIFF length wrong by a few bytes: the file's own end counts.
    const QByteArrayView body = QByteArrayView(bytes).sliced(12);

    std::optional<Reader> header;
    std::vector<QByteArrayView> frames;
    std::optional<quint32> firstStep;
    for (const Chunk &chunk : ReadChunks(body)) {
        if (chunk.Id == "anih") {
            header.emplace(chunk.Data);
        } else if (chunk.Id == "seq ") {
            firstStep = Reader(chunk.Data).U32(0);
        } else if (chunk.Id == "LIST" && chunk.Data.startsWith("fram")) {
            for (const Chunk &frame : ReadChunks(chunk.Data.sliced(4)))
                if (frame.Id == "icon")
                    frames.push_back(frame.Data);
        }
    }
    if (!header || header->Size() < 36)
        Malformed(QStringLiteral("λείπει η επικεφαλίδα anih"));
    if (header->U32(4) > kMaxChunks || header->U32(8) > kMaxChunks)
        Malformed(QStringLiteral("υπερβολικά πολλά καρέ"));
    if (!(header->U32(32) & kIconFlag))
        Malformed(QStringLiteral("μη υποστηριζόμενα καρέ χωρίς εικονίδιο"));
    if (frames.empty())
        Malformed(QStringLiteral("δεν υπάρχουν καρέ"));
    const quint32 first = firstStep.value_or(0);
    if (first >= frames.size())
        Malformed(QStringLiteral("η σειρά καρέ δείχνει ανύπαρκτο καρέ"));

    // A frame that is not shown first still has to be a valid pointer: the file is one cursor.
    std::vector<IconFile> icons;
    for (const QByteArrayView frame : frames)
        icons.push_back(ReadIconFile(frame));
    TAniFrame result = DecodeFrame(icons[first]);
    result.FrameCount = int(frames.size());
    return result;
}

TAniFrame ReadAniCursor(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EInOutError(QStringLiteral("Δεν ανοίγει το αρχείο %1").arg(fileName));
    if (file.size() > kMaxFileSize)
        Malformed(QStringLiteral("το αρχείο είναι υπερβολικά μεγάλο"));
    return ParseAniCursor(file.readAll());
}

std::optional<QCursor> LoadAniCursor(const QString &fileName)
{
    try {
        const TAniFrame frame = ReadAniCursor(fileName);
        return QCursor(QPixmap::fromImage(frame.Image), frame.HotSpot.x(), frame.HotSpot.y());
    } catch (const Exception &) {
        return std::nullopt;
    }
}

QString BusyCursorFile()
{
    return JoinPath(ProgramFolder(), BusyCursorFileName);
}

bool InstallBusyCursorFile()
{
    const QString target = BusyCursorFile();
    if (QFile::exists(target))
        return true;
    if (!QFile::copy(kShippedCursor, target))
        return false;
    // A copy out of the program's resources is read-only; the user may replace the file.
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    return true;
}

} // namespace tav::app
