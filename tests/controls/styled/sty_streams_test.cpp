#include "controls/styled/sty_streams.h"
#include "controls/styled/sty_wave.h"
#include "sty_wave_recorder.h"

#include <QBuffer>
#include <QtEndian>

#include <random>

using namespace tav::styled;

namespace {

QByteArray Compressed(const QByteArray &source)
{
    QByteArray input = source, output;
    QBuffer in(&input), out(&output);
    in.open(QIODevice::ReadOnly);
    out.open(QIODevice::WriteOnly);
    WriteCompressed(in, out, input.size());
    return output;
}

QByteArray Expanded(QByteArray packed)
{
    QByteArray output;
    QBuffer in(&packed), out(&output);
    in.open(QIODevice::ReadOnly);
    out.open(QIODevice::WriteOnly);
    ReadCompressed(in, out);
    return output;
}

std::int32_t IntAt(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<std::int32_t>(bytes.constData() + at);
}

QByteArray Int(std::int32_t value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray Mixed(int size)
{
    std::mt19937 generator(11);
    QByteArray bytes;
    while (bytes.size() < size)
        bytes += generator() % 3 ? QByteArray("Βαθμολογία ομάδων ") : QByteArray(int(generator() % 40), 'z');
    return bytes.left(size);
}

TEST(StyStreams, LargeSourcesGoInBlocksCountedWithTheirHeaders)
{
    const QByteArray source = Mixed(100000);
    const QByteArray packed = Compressed(source);
    EXPECT_EQ(IntAt(packed, 0), packed.size() - 4);

    int blocks = 0;
    qsizetype sum = 0;
    for (qsizetype at = 4; at < packed.size(); ++blocks) {
        const std::int32_t length = IntAt(packed, at);
        sum += 4 + length;
        at += 4 + length;
    }
    EXPECT_EQ(blocks, 4) << "three full blocks of 32781 bytes and the rest";
    EXPECT_EQ(IntAt(packed, 0), sum);
    EXPECT_EQ(Expanded(packed), source);
    EXPECT_EQ(Expanded(Compressed({})), QByteArray());
}

TEST(StyStreams, DamagedCompressedStreamsAreRefused)
{
    const QByteArray good = Compressed(Mixed(40000));
    const QByteArray firstBlock = good.mid(4, 4 + IntAt(good, 4));
    QByteArray damagedBody = good;
    damagedBody[9] = char(0x41);
    const struct
    {
        const char *what;
        QByteArray bytes;
    } cases[] = {{"negative total", Int(-4)},
                 {"total past the end", Int(1000) + firstBlock},
                 {"block longer than the total", Int(8) + Int(100) + QByteArray(100, 'x')},
                 {"empty block", Int(4) + Int(0)},
                 {"block larger than a block can be", Int(40000) + Int(39996) + QByteArray(39996, 'x')},
                 {"total ends inside a length", Int(firstBlock.size() + 2) + firstBlock + "xx"},
                 {"unknown block flag", damagedBody},
                 {"cut short", good.left(3)}};
    for (const auto &[what, bytes] : cases)
        EXPECT_THROW(Expanded(bytes), EStyError) << what;
}

TEST(StyStreams, IntegersBytesAndShortStrings)
{
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    WriteInteger(buffer, -2);
    WriteByte(buffer, 7);
    WriteShortString(buffer, QStringLiteral("Ομάδα"));
    EXPECT_EQ(buffer.data().toHex(), QByteArray("feffffff0705cfecdce4e1"));
    buffer.seek(0);
    EXPECT_EQ(ReadInteger(buffer), -2);
    buffer.seek(5);
    EXPECT_EQ(ReadShortString(buffer), QStringLiteral("Ομάδα"));
    EXPECT_THROW(ReadInteger(buffer), EStyError);
}

TEST(StyStreams, DeviceIndependentBitmapsAtEachDepth)
{
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixelColor(0, 1, QColor(10, 20, 30));
    qint32 size = 0;
    const QByteArray dib = BitmapToDIB(image, {}, 0);
    size = qint32(dib.size());
    EXPECT_EQ(dib.left(2), "BM");
    EXPECT_EQ(IntAt(dib, 2), size);
    EXPECT_EQ(IntAt(dib, 10), 54) << "24 bits have no colour table";
    EXPECT_EQ(IntAt(dib, 14), 40);
    EXPECT_EQ(qFromLittleEndian<std::uint16_t>(dib.constData() + 28), 24);
    EXPECT_EQ(IntAt(dib, 34), 24) << "two rows of 9 bytes padded to 12";
    EXPECT_EQ(size, 54 + 24);
    // The bottom row comes first, blue before green before red.
    EXPECT_EQ(dib.mid(54, 3).toHex(), QByteArray("1e140a"));

    const struct
    {
        int depth, bits, offset;
    } depths[] = {{2, 1, 62}, {16, 4, 118}, {256, 8, 1078}, {32, 24, 54}};
    for (const auto &[depth, bits, offset] : depths) {
        const QByteArray converted = BitmapToDIB(image, {}, depth);
        EXPECT_EQ(qFromLittleEndian<std::uint16_t>(converted.constData() + 28), bits) << depth;
        EXPECT_EQ(IntAt(converted, 10), offset) << depth;
        EXPECT_EQ(IntAt(converted, 34), ((3 * bits + 31) / 32) * 4 * 2) << depth;
        QImage back;
        ASSERT_TRUE(back.loadFromData(converted, "BMP")) << depth;
        EXPECT_EQ(back.pixelColor(2, 0), QColor(Qt::white)) << depth;
    }
    EXPECT_THROW(BitmapToDIB(QImage(), {}, 0), EInvalidGraphic);
}

TEST(StyStreams, BitmapsImagesAndSoundsRoundTripInBothForms)
{
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(QColor(200, 30, 40));
    image.setPixelColor(4, 4, Qt::blue);
    QImage mono(16, 4, QImage::Format_Mono);
    mono.fill(1);
    mono.setPixel(3, 2, 0);

    for (bool compressed : {false, true}) {
        QBuffer buffer;
        buffer.open(QIODevice::ReadWrite);
        WriteBitmap(buffer, image, compressed, 0);
        WriteBitmap(buffer, mono, compressed, 256);
        WriteGraphic(buffer, image, compressed);
        buffer.seek(0);
        QImage bitmap, monoBack, graphic;
        ReadBitmap(buffer, bitmap, compressed);
        ReadBitmap(buffer, monoBack, compressed);
        ReadGraphic(buffer, graphic, compressed);
        EXPECT_EQ(bitmap.convertToFormat(QImage::Format_RGB32), image) << compressed;
        EXPECT_EQ(monoBack.depth(), compressed ? 1 : 8) << "compressed, a monochrome bitmap stays at one bit";
        EXPECT_EQ(monoBack.pixelColor(3, 2), QColor(Qt::black));
        EXPECT_EQ(monoBack.pixelColor(4, 2), QColor(Qt::white));
        EXPECT_EQ(graphic.convertToFormat(QImage::Format_RGB32), image) << compressed;
        EXPECT_TRUE(buffer.atEnd());
    }
}

TEST(StyStreams, DamagedBitmapsLeaveTheBitmapAsItWas)
{
    QImage kept(2, 2, QImage::Format_RGB32);
    kept.fill(Qt::red);
    QBuffer good;
    good.open(QIODevice::ReadWrite);
    WriteBitmap(good, kept, false, 0);
    QByteArray lying = good.data(), garbage = Int(20) + QByteArray(20, 'q');
    lying.replace(0, 4, Int(5000));
    for (const QByteArray &bytes : {lying, garbage, Int(-1), QByteArray("BM")}) {
        QByteArray input = bytes;
        QBuffer buffer(&input);
        buffer.open(QIODevice::ReadOnly);
        QImage bitmap = kept;
        EXPECT_ANY_THROW(ReadBitmap(buffer, bitmap, false));
        EXPECT_EQ(bitmap, kept);
    }
    QByteArray packed = Compressed("not a bitmap at all");
    QBuffer buffer(&packed);
    buffer.open(QIODevice::ReadOnly);
    QImage bitmap = kept;
    EXPECT_THROW(ReadBitmap(buffer, bitmap, true), EInvalidGraphic);
    EXPECT_EQ(bitmap, kept);
}

using StyWaveStreams = WithWaveRecorder;

TEST_F(StyWaveStreams, SoundsRoundTripAndDamagedOnesAreRefused)
{
    TStyWave wave, back;
    QByteArray sound = MakeWave(QByteArray(5000, '\x7f'));
    QBuffer source(&sound);
    source.open(QIODevice::ReadOnly);
    wave.LoadFromStream(source);
    for (bool compressed : {false, true}) {
        QBuffer buffer;
        buffer.open(QIODevice::ReadWrite);
        WriteWave(buffer, wave, compressed);
        EXPECT_EQ(IntAt(buffer.data(), 0), buffer.size() - 4);
        buffer.seek(0);
        ReadWave(buffer, back, compressed);
        EXPECT_EQ(back.Data(), sound) << compressed;

        QByteArray cut = buffer.data().left(buffer.size() - 10);
        QBuffer damaged(&cut);
        damaged.open(QIODevice::ReadOnly);
        EXPECT_THROW(ReadWave(damaged, back, compressed), EInvalidWave) << compressed;
        EXPECT_EQ(back.Data(), sound);
    }
}

} // namespace
