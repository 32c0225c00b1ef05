#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

#include <functional>

// Writes animated cursor files for the reader's tests: RIFF chunks, cursor files holding DIB or
// PNG pictures of any colour depth, and the pieces to break them with.
namespace ani_builder {

inline void Put16(QByteArray &out, quint32 value)
{
    out.append(char(value & 0xFF)).append(char((value >> 8) & 0xFF));
}

inline void Put32(QByteArray &out, quint32 value)
{
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

inline QByteArray Chunk(const char *id, const QByteArray &data)
{
    QByteArray out(id, 4);
    Put32(out, quint32(data.size()));
    out += data;
    if (data.size() % 2)
        out.append('\0');
    return out;
}

// A DIB of the picture at the depth given: 1, 4 and 8 bits through the palette (each pixel must be
// one of its colours), 24 and 32 bits directly; the AND mask marks fully transparent pixels.
inline QByteArray Dib(const QImage &picture, int bitCount, const QList<QRgb> &palette = {})
{
    const int w = picture.width();
    const int h = picture.height();
    QByteArray dib;
    Put32(dib, 40);
    Put32(dib, quint32(w));
    Put32(dib, quint32(h * 2));
    Put16(dib, 1);
    Put16(dib, quint32(bitCount));
    for (int i = 0; i < 6; ++i)
        Put32(dib, i == 4 ? quint32(palette.size()) : 0);
    for (QRgb colour : palette)
        dib.append(char(qBlue(colour))).append(char(qGreen(colour))).append(char(qRed(colour))).append('\0');
    const int colourStride = ((w * bitCount + 31) / 32) * 4;
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(colourStride, '\0');
        for (int x = 0; x < w; ++x) {
            const QRgb px = picture.pixel(x, y);
            if (bitCount <= 8) {
                const int index = int(palette.indexOf(px | 0xff000000u));
                const int bit = x * bitCount;
                row[bit / 8] = char(row[bit / 8] | (index << (8 - bitCount - bit % 8)));
            } else {
                const int at = x * bitCount / 8;
                row[at] = char(qBlue(px));
                row[at + 1] = char(qGreen(px));
                row[at + 2] = char(qRed(px));
                if (bitCount == 32)
                    row[at + 3] = char(qAlpha(px));
            }
        }
        dib += row;
    }
    const int maskStride = ((w + 31) / 32) * 4;
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < w; ++x)
            if (qAlpha(picture.pixel(x, y)) == 0)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        dib += row;
    }
    return dib;
}

struct Entry
{
    QByteArray Picture; // DIB or PNG bytes
    int Side = 32;
    int HotX = 0;
    int HotY = 0;
};

// A cursor file (type 2) or an icon file (type 1) with the entries given.
inline QByteArray IconFile(const QList<Entry> &entries, quint16 type = 2)
{
    QByteArray file;
    Put16(file, 0);
    Put16(file, type);
    Put16(file, quint32(entries.size()));
    quint32 offset = 6 + 16 * quint32(entries.size());
    for (const Entry &e : entries) {
        file.append(char(e.Side & 0xFF)).append(char(e.Side & 0xFF)).append('\0').append('\0');
        Put16(file, quint32(e.HotX));
        Put16(file, quint32(e.HotY));
        Put32(file, quint32(e.Picture.size()));
        Put32(file, offset);
        offset += quint32(e.Picture.size());
    }
    for (const Entry &e : entries)
        file += e.Picture;
    return file;
}

inline QByteArray Header(quint32 frames, quint32 attributes = 1)
{
    QByteArray header;
    for (quint32 value : {36u, frames, frames, 0u, 0u, 0u, 0u, 10u, attributes})
        Put32(header, value);
    return header;
}

inline QByteArray FrameList(const QList<QByteArray> &frames)
{
    QByteArray list("fram");
    for (const QByteArray &frame : frames)
        list += Chunk("icon", frame);
    return Chunk("LIST", list);
}

// RIFF "ACON" around the chunks given.
inline QByteArray Riff(const QByteArray &chunks)
{
    QByteArray file("RIFF");
    Put32(file, quint32(chunks.size() + 4));
    return file + "ACON" + chunks;
}

inline QByteArray AnimatedCursor(const QList<QByteArray> &frames)
{
    return Riff(Chunk("anih", Header(quint32(frames.size()))) + FrameList(frames));
}

// A square picture: the left half opaque in the colour, the right half transparent.
inline QImage HalfPicture(int side, QRgb colour)
{
    QImage image(side, side, QImage::Format_ARGB32);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            image.setPixel(x, y, x < side / 2 ? colour : 0);
    return image;
}

} // namespace ani_builder
