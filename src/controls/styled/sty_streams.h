#pragma once

#include "controls/styled/sty_errors.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRgb>
#include <QString>

#include <cstdint>

class QIODevice;
class TStyWave;

// A bitmap that is missing or whose stored form cannot be read.
class EInvalidGraphic : public EStyError
{
public:
    using EStyError::EStyError;
};

// How the styled controls store integers, strings, bitmaps, images and sounds in their designs
// and container files. Integers are 32-bit little-endian. A short read raises EStyError.
namespace tav::styled {

// The largest source block that WriteCompressed compresses at once.
inline constexpr int CompressBlockSize = 32781;

void WriteInteger(QIODevice &stream, std::int32_t value);
std::int32_t ReadInteger(QIODevice &stream);
void WriteByte(QIODevice &stream, std::uint8_t value);
// A 1-byte length, then up to 255 characters in the Greek code page.
void WriteShortString(QIODevice &stream, const QString &text);
QString ReadShortString(QIODevice &stream);

// Count bytes of the source as a total (the bytes that follow), then blocks of a 32-bit length
// and the compressed form of up to CompressBlockSize source bytes. The destination must be
// seekable: the total is written last.
void WriteCompressed(QIODevice &source, QIODevice &destination, qint64 count);
// The reverse. A total or block length that does not fit raises EStyError; what was already
// expanded stays written.
void ReadCompressed(QIODevice &source, QIODevice &destination);

// The bitmap as a device-independent bitmap file: file header, information header, colour table
// (none at 24 bits) and the rows bottom up. Depth 0 keeps the bitmap's depth; 2, 16 and 256 ask
// for 1, 4 and 8 bits; 16 and 32 bits are stored as 24. A palette, when given, is the colour
// table of the indexed depths. A null bitmap raises EInvalidGraphic.
QByteArray BitmapToDIB(const QImage &bitmap, const QList<QRgb> &palette, int depth);
void WriteDIB(QIODevice &stream, const QImage &bitmap, const QList<QRgb> &palette, int depth,
              bool withLength);
// WriteDIB without length, at 1 bit for a monochrome bitmap.
void WriteBitmapDepth(QIODevice &stream, const QImage &bitmap, int depth);

// An image in its own stream form (PNG), compressed or after its 32-bit length.
void WriteGraphic(QIODevice &stream, const QImage &graphic, bool compressed);
void ReadGraphic(QIODevice &stream, QImage &graphic, bool compressed);
// A bitmap as a bitmap file: at the given depth (0: its own form), compressed or after its
// length. ReadBitmap reads either; a damaged one raises EInvalidGraphic and leaves it as it was.
void WriteBitmap(QIODevice &stream, const QImage &bitmap, bool compressed, int depth);
void ReadBitmap(QIODevice &stream, QImage &bitmap, bool compressed);
// A sound, compressed or after its length; a damaged one raises EInvalidWave.
void WriteWave(QIODevice &stream, const TStyWave &wave, bool compressed);
void ReadWave(QIODevice &stream, TStyWave &wave, bool compressed);

} // namespace tav::styled
