#include "app/ani_cursor.h"

#include "platform/core/paths.h"

#include <QFile>
#include <QPixmap>

#include <cstdlib>
#include <limits>
#include <vector>

namespace {

const char *const kShippedCursor = ":/varoApp2.ani";
constexpr quint32 kIconFlag = 1;       // anih attribute: the frames are icon or cursor files
constexpr int kDefaultCursorSize = 32; // the size the desktop asks for when none is given
constexpr int kMaxFrameSide = 256;

std::optional<QCursor> &RegisteredBusyCursor()
{
    static std::optional<QCursor> cursor;
    return cursor;
}

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
        const QByteArrayView id = reader.Bytes(offset, 4);
        const quint32 size = reader.U32(offset + 4);
        if (size > quint32(std::numeric_limits<qint32>::max()))
            Malformed(QStringLiteral("άκυρο μέγεθος τμήματος"));
        chunks.push_back({id, reader.Bytes(offset + 8, qsizetype(size))});
        offset += 8 + qsizetype(size) + (size & 1);
    }
    return chunks;
}

// Bottom-up DIB rows of an icon picture (BITMAPINFOHEADER, colour bits, AND mask) into ARGB.
QImage DecodeDib(QByteArrayView dib)
{
    const Reader reader(dib);
    const quint32 headerSize = reader.U32(0);
    const qint32 width = reader.I32(4);
    const qint32 doubledHeight = reader.I32(8);
    const int bitCount = reader.U16(14);
    const quint32 compression = reader.U32(16);
    const quint32 coloursUsed = reader.U32(32);
    if (headerSize < 40 || compression != 0)
        Malformed(QStringLiteral("μη υποστηριζόμενη μορφή εικόνας"));
    const int height = doubledHeight / 2;
    if (width <= 0 || width > kMaxFrameSide || height <= 0 || height > kMaxFrameSide)
        Malformed(QStringLiteral("άκυρες διαστάσεις εικόνας"));
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

// One frame: a cursor file (type 2, with its hot spot) or an icon file (type 1, hot spot in the
// middle), holding one or more pictures as DIB or PNG.
TAniFrame DecodeIconFile(QByteArrayView file)
{
    const Reader reader(file);
    const quint16 type = reader.U16(2);
    const quint16 count = reader.U16(4);
    if (reader.U16(0) != 0 || (type != 1 && type != 2) || count == 0)
        Malformed(QStringLiteral("το καρέ δεν είναι εικονίδιο"));
    qsizetype chosen = 6;
    int bestDistance = std::numeric_limits<int>::max();
    for (quint16 i = 0; i < count; ++i) {
        const qsizetype entry = 6 + qsizetype(i) * 16;
        const int side = reader.U8(entry) == 0 ? 256 : reader.U8(entry);
        if (std::abs(side - kDefaultCursorSize) < bestDistance) {
            bestDistance = std::abs(side - kDefaultCursorSize);
            chosen = entry;
        }
    }
    const QByteArrayView picture = reader.Bytes(reader.U32(chosen + 12), reader.U32(chosen + 8));

    TAniFrame frame;
    if (picture.startsWith("\x89PNG")) {
        frame.Image = QImage::fromData(picture, "PNG").convertToFormat(QImage::Format_ARGB32);
        if (frame.Image.isNull())
            Malformed(QStringLiteral("άκυρη εικόνα PNG"));
    } else {
        frame.Image = DecodeDib(picture);
    }
    frame.HotSpot = type == 2 ? QPoint(reader.U16(chosen + 4), reader.U16(chosen + 6))
                              : QPoint(frame.Image.width() / 2, frame.Image.height() / 2);
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
    if (!(header->U32(32) & kIconFlag))
        Malformed(QStringLiteral("μη υποστηριζόμενα καρέ χωρίς εικονίδιο"));
    if (frames.empty())
        Malformed(QStringLiteral("δεν υπάρχουν καρέ"));
    const quint32 first = firstStep.value_or(0);
    if (first >= frames.size())
        Malformed(QStringLiteral("η σειρά καρέ δείχνει ανύπαρκτο καρέ"));

    TAniFrame result = DecodeIconFile(frames[first]);
    result.FrameCount = int(frames.size());
    return result;
}

TAniFrame ReadAniCursor(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EInOutError(QStringLiteral("Δεν ανοίγει το αρχείο %1").arg(fileName));
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

void SetBusyCursor(const QCursor &cursor)
{
    RegisteredBusyCursor() = cursor;
}

QCursor BusyCursor()
{
    return RegisteredBusyCursor().value_or(QCursor(Qt::ArrowCursor));
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
