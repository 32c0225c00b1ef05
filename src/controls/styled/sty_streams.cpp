#include "controls/styled/sty_streams.h"

#include "controls/styled/sty_procs.h"
#include "controls/styled/sty_wave.h"
#include "platform/core/codepage.h"

#include <QBuffer>
#include <QtEndian>

#include <algorithm>
#include <limits>
#include <span>
#include <vector>

namespace tav::styled {
namespace {

constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;

[[noreturn]] void ShortRead()
{
    throw EStyError(QStringLiteral("Σφάλμα ανάγνωσης ροής: τα δεδομένα τελειώνουν πριν από την ώρα τους."));
}

[[noreturn]] void DamagedBlocks()
{
    throw EStyError(QStringLiteral("Τα συμπιεσμένα δεδομένα είναι κατεστραμμένα."));
}

[[noreturn]] void InvalidBitmap()
{
    throw EInvalidGraphic(QStringLiteral("Η εικόνα δεν είναι έγκυρη."));
}

void WriteBytes(QIODevice &stream, const char *data, qint64 size)
{
    if (stream.write(data, size) != size)
        throw EInOutError(QStringLiteral("Σφάλμα εγγραφής ροής: %1").arg(stream.errorString()));
}

void WriteBytes(QIODevice &stream, const QByteArray &bytes)
{
    WriteBytes(stream, bytes.constData(), bytes.size());
}

void ReadExactly(QIODevice &stream, char *data, qint64 size)
{
    if (stream.read(data, size) != size)
        ShortRead();
}

// A 32-bit length followed by that many bytes, which must be there.
QByteArray ReadSized(QIODevice &stream, void (*damaged)())
{
    const std::int32_t size = ReadInteger(stream);
    if (size < 0 || size > stream.bytesAvailable())
        damaged();
    return stream.read(size);
}

QByteArray Expanded(QIODevice &stream)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    ReadCompressed(stream, buffer);
    return bytes;
}

void WriteForm(QIODevice &stream, QByteArray bytes, bool compressed)
{
    if (!compressed) {
        WriteInteger(stream, std::int32_t(bytes.size()));
        WriteBytes(stream, bytes);
        return;
    }
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    WriteCompressed(buffer, stream, bytes.size());
}

QByteArray ReadForm(QIODevice &stream, bool compressed, void (*damaged)())
{
    if (!compressed)
        return ReadSized(stream, damaged);
    try {
        return Expanded(stream);
    } catch (const EStyError &) {
        damaged();
    }
    return {};
}

int BitsFor(const QImage &bitmap, int depth)
{
    int bits = 0;
    switch (depth) {
    case 0:
        bits = bitmap.depth();
        break;
    case 2:
        bits = 1;
        break;
    case 16:
        bits = 4;
        break;
    case 256:
        bits = 8;
        break;
    default:
        bits = 24;
    }
    return bits == 1 || bits == 4 || bits == 8 ? bits : 24;
}

// The sixteen colours of the standard 4-bit palette.
QList<QRgb> StandardPalette16()
{
    return {0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFF808080,
            0xFFC0C0C0, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF};
}

QImage Indexed(const QImage &bitmap, QImage::Format format, const QList<QRgb> &palette)
{
    if (palette.isEmpty())
        return bitmap.convertToFormat(format);
    // Through 32 bits, so that an indexed bitmap takes the given table instead of keeping its own.
    return bitmap.convertToFormat(QImage::Format_ARGB32).convertToFormat(format, palette);
}

void PutDword(char *at, std::uint32_t value)
{
    qToLittleEndian(value, at);
}

void PutWord(char *at, std::uint16_t value)
{
    qToLittleEndian(value, at);
}

} // namespace

void WriteInteger(QIODevice &stream, std::int32_t value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    WriteBytes(stream, bytes, 4);
}

std::int32_t ReadInteger(QIODevice &stream)
{
    char bytes[4];
    ReadExactly(stream, bytes, 4);
    return qFromLittleEndian<std::int32_t>(bytes);
}

void WriteByte(QIODevice &stream, std::uint8_t value)
{
    WriteBytes(stream, reinterpret_cast<const char *>(&value), 1);
}

void WriteShortString(QIODevice &stream, const QString &text)
{
    const QByteArray bytes = ToCodePage(text, CodePage::Windows1253).left(255);
    WriteByte(stream, std::uint8_t(bytes.size()));
    WriteBytes(stream, bytes);
}

QString ReadShortString(QIODevice &stream)
{
    char length = 0;
    ReadExactly(stream, &length, 1);
    QByteArray bytes(std::uint8_t(length), Qt::Uninitialized);
    ReadExactly(stream, bytes.data(), bytes.size());
    return FromCodePage(bytes, CodePage::Windows1253);
}

void WriteCompressed(QIODevice &source, QIODevice &destination, qint64 count)
{
    const qint64 start = destination.pos();
    WriteInteger(destination, 0);
    std::vector<std::uint8_t> block(CompressBlockSize);
    std::vector<std::uint8_t> packed(CompressBlockSize + LZRWSlack);
    qint64 total = 0;
    while (count > 0) {
        const int size = int(std::min<qint64>(count, CompressBlockSize));
        ReadExactly(source, reinterpret_cast<char *>(block.data()), size);
        const std::uint16_t length =
            LZRWCompressBuffer(std::span(block.data(), std::size_t(size)), std::span(packed));
        WriteInteger(destination, length);
        WriteBytes(destination, reinterpret_cast<const char *>(packed.data()), length);
        total += 4 + length;
        count -= size;
    }
    if (total > std::numeric_limits<std::int32_t>::max())
        throw EStyError(QStringLiteral("Τα δεδομένα είναι πολύ μεγάλα για συμπίεση."));
    const qint64 end = destination.pos();
    destination.seek(start);
    WriteInteger(destination, std::int32_t(total));
    destination.seek(end);
}

void ReadCompressed(QIODevice &source, QIODevice &destination)
{
    std::int32_t remaining = ReadInteger(source);
    if (remaining < 0 || remaining > source.bytesAvailable())
        DamagedBlocks();
    std::vector<std::uint8_t> packed(CompressBlockSize + 1);
    std::vector<std::uint8_t> block(CompressBlockSize);
    while (remaining > 0) {
        if (remaining < 4)
            DamagedBlocks();
        const std::int32_t length = ReadInteger(source);
        remaining -= 4;
        if (length < 1 || length > CompressBlockSize + 1 || length > remaining)
            DamagedBlocks();
        ReadExactly(source, reinterpret_cast<char *>(packed.data()), length);
        remaining -= length;
        const std::uint16_t size =
            LZRWDecompressBuffer(std::span(packed.data(), std::size_t(length)), std::span(block));
        WriteBytes(destination, reinterpret_cast<const char *>(block.data()), size);
    }
}

QByteArray BitmapToDIB(const QImage &bitmap, const QList<QRgb> &palette, int depth)
{
    if (bitmap.isNull())
        InvalidBitmap();
    const int bits = BitsFor(bitmap, depth);
    QImage image;
    QList<QRgb> colours;
    switch (bits) {
    case 1:
        image = Indexed(bitmap, QImage::Format_Mono, palette);
        break;
    case 4:
        image = Indexed(bitmap, QImage::Format_Indexed8, palette.isEmpty() ? StandardPalette16() : palette);
        break;
    case 8:
        image = Indexed(bitmap, QImage::Format_Indexed8, palette);
        break;
    default:
        image = bitmap.convertToFormat(QImage::Format_RGB888);
    }
    if (bits != 24) {
        colours = image.colorTable();
        colours.resize(1 << bits);
    }
    const int width = image.width(), height = image.height();
    const int stride = ((width * bits + 31) / 32) * 4;
    const int imageSize = stride * height;
    const int offset = FileHeaderSize + InfoHeaderSize + 4 * int(colours.size());

    QByteArray dib(offset + imageSize, '\0');
    char *at = dib.data();
    at[0] = 'B';
    at[1] = 'M';
    PutDword(at + 2, std::uint32_t(dib.size()));
    PutDword(at + 10, std::uint32_t(offset));
    char *info = at + FileHeaderSize;
    PutDword(info, InfoHeaderSize);
    PutDword(info + 4, std::uint32_t(width));
    PutDword(info + 8, std::uint32_t(height));
    PutWord(info + 12, 1);
    PutWord(info + 14, std::uint16_t(bits));
    PutDword(info + 20, std::uint32_t(imageSize));
    char *table = info + InfoHeaderSize;
    for (qsizetype index = 0; index < colours.size(); ++index) {
        table[4 * index] = char(qBlue(colours[index]));
        table[4 * index + 1] = char(qGreen(colours[index]));
        table[4 * index + 2] = char(qRed(colours[index]));
    }
    // Rows bottom up, each padded to whole 32-bit words.
    for (int y = 0; y < height; ++y) {
        const uchar *line = image.constScanLine(y);
        auto *row = reinterpret_cast<uchar *>(at + offset + (height - 1 - y) * stride);
        switch (bits) {
        case 1:
            std::copy_n(line, (width + 7) / 8, row);
            break;
        case 4:
            for (int x = 0; x < width; ++x)
                row[x / 2] |= uchar((line[x] & 0x0F) << (x % 2 ? 0 : 4));
            break;
        case 8:
            std::copy_n(line, width, row);
            break;
        default:
            for (int x = 0; x < width; ++x) {
                row[3 * x] = line[3 * x + 2];
                row[3 * x + 1] = line[3 * x + 1];
                row[3 * x + 2] = line[3 * x];
            }
        }
    }
    return dib;
}

void WriteDIB(QIODevice &stream, const QImage &bitmap, const QList<QRgb> &palette, int depth, bool withLength)
{
    const QByteArray dib = BitmapToDIB(bitmap, palette, depth);
    if (withLength)
        WriteInteger(stream, std::int32_t(dib.size()));
    WriteBytes(stream, dib);
}

void WriteBitmapDepth(QIODevice &stream, const QImage &bitmap, int depth)
{
    WriteDIB(stream, bitmap, {}, bitmap.depth() == 1 ? 2 : depth, false);
}

void WriteGraphic(QIODevice &stream, const QImage &graphic, bool compressed)
{
    if (graphic.isNull())
        InvalidBitmap();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!graphic.save(&buffer, "PNG"))
        InvalidBitmap();
    WriteForm(stream, bytes, compressed);
}

void ReadGraphic(QIODevice &stream, QImage &graphic, bool compressed)
{
    QImage image;
    if (!image.loadFromData(ReadForm(stream, compressed, InvalidBitmap), "PNG"))
        InvalidBitmap();
    graphic = image;
}

void WriteBitmap(QIODevice &stream, const QImage &bitmap, bool compressed, int depth)
{
    if (!compressed) {
        WriteDIB(stream, bitmap, {}, depth, true);
        return;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    WriteBitmapDepth(buffer, bitmap, depth);
    WriteForm(stream, bytes, true);
}

void ReadBitmap(QIODevice &stream, QImage &bitmap, bool compressed)
{
    QImage image;
    if (!image.loadFromData(ReadForm(stream, compressed, InvalidBitmap), "BMP"))
        InvalidBitmap();
    bitmap = image;
}

void WriteWave(QIODevice &stream, const TStyWave &wave, bool compressed)
{
    QByteArray bytes = wave.Data();
    WriteForm(stream, bytes, compressed);
}

void ReadWave(QIODevice &stream, TStyWave &wave, bool compressed)
{
    static const auto damaged = [] {
        throw EInvalidWave(QStringLiteral("TStyWave: Ο αποθηκευμένος ήχος είναι κατεστραμμένος."));
    };
    QByteArray bytes = ReadForm(stream, compressed, +damaged);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    wave.LoadFromStreamSized(bytes.size(), buffer);
}

} // namespace tav::styled
