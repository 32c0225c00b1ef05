#include "ani_builder.h"
#include "app/ani_cursor.h"
#include "platform/core/paths.h"
#include "support/qstring_printer.h"
#include "support/test_environment.h"

#include <QBuffer>
#include <QFile>

#include <gtest/gtest.h>

using namespace tav::app;

namespace {

using namespace ani_builder;

const QRgb kRed = qRgb(200, 10, 20);
const QRgb kBlack = qRgb(0, 0, 0);

QString WriteFile(const QString &name, const QByteArray &bytes)
{
    const QString path = JoinPath(CurrentTestFolders().Root(), name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

QImage Plain(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(kRed);
    return image;
}

QByteArray Png(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

TEST(AniCursorTest, ReadsTheFirstFrameWithItsHotSpotAtEveryColourDepth)
{
    struct Case
    {
        int bitCount;
        QList<QRgb> palette;
    };
    const Case cases[] = {{1, {kBlack, kRed}}, {4, {kBlack, kRed}}, {8, {kBlack, kRed}}, {24, {}}, {32, {}}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.bitCount);
        const QImage first = HalfPicture(32, kRed);
        const QImage second = HalfPicture(32, qRgb(0, 0, 255));
        const QByteArray bytes = AnimatedCursor({IconFile({{Dib(first, c.bitCount, c.palette), 32, 5, 7}}),
                                                 IconFile({{Dib(second, 32), 32, 1, 1}})});
        const TAniFrame frame = ReadAniCursor(WriteFile("cursor.ani", bytes));
        EXPECT_EQ(frame.FrameCount, 2);
        EXPECT_EQ(frame.HotSpot, QPoint(5, 7));
        ASSERT_EQ(frame.Image.size(), QSize(32, 32));
        EXPECT_EQ(frame.Image.pixel(3, 30), kRed | 0xff000000u);
        EXPECT_EQ(qAlpha(frame.Image.pixel(20, 2)), 0) << "the masked half is transparent";
    }
}

TEST(AniCursorTest, TheSequenceDecidesTheFirstFrameShown)
{
    const QByteArray first = IconFile({{Dib(HalfPicture(32, kRed), 32), 32, 0, 0}});
    const QByteArray second = IconFile({{Dib(HalfPicture(32, qRgb(0, 0, 255)), 32), 32, 9, 9}});
    QByteArray sequence;
    Put32(sequence, 1);
    Put32(sequence, 0);
    const QByteArray bytes =
        Riff(Chunk("anih", Header(2)) + Chunk("seq ", sequence) + FrameList({first, second}));
    const TAniFrame frame = ParseAniCursor(bytes);
    EXPECT_EQ(frame.HotSpot, QPoint(9, 9));
    EXPECT_EQ(frame.Image.pixel(0, 0), qRgb(0, 0, 255));
}

TEST(AniCursorTest, PngPicturesIconFilesAndTheSizeClosestTo32)
{
    // An icon file (type 1) has no hot spot of its own: the pointer is the middle of the picture.
    const QByteArray icon =
        IconFile({{Png(HalfPicture(48, kRed)), 48, 0, 0}, {Png(HalfPicture(16, kRed)), 16, 0, 0}}, 1);
    const TAniFrame frame = ParseAniCursor(AnimatedCursor({icon}));
    EXPECT_EQ(frame.Image.size(), QSize(48, 48)) << "48 is as close to 32 as 16 and comes first";
    EXPECT_EQ(frame.HotSpot, QPoint(24, 24));
    EXPECT_EQ(frame.Image.pixel(1, 1), kRed | 0xff000000u);
    EXPECT_EQ(qAlpha(frame.Image.pixel(40, 1)), 0);
}

TEST(AniCursorTest, TheShippedBusyPointerIsAValidCursor)
{
    const TAniFrame frame = ReadAniCursor(":/varoApp2.ani");
    EXPECT_EQ(frame.FrameCount, 2);
    EXPECT_EQ(frame.Image.size(), QSize(32, 32));
    EXPECT_EQ(frame.HotSpot, QPoint(16, 16));
    EXPECT_EQ(qAlpha(frame.Image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(frame.Image.pixel(16, 16)), 255);
    const std::optional<QCursor> cursor = LoadAniCursor(":/varoApp2.ani");
    ASSERT_TRUE(cursor.has_value());
    EXPECT_EQ(cursor->shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor->hotSpot(), QPoint(16, 16));
}

TEST(AniCursorTest, AMissingFileIsAnInputErrorAndLoadsNoCursor)
{
    const QString missing = JoinPath(CurrentTestFolders().Root(), "varoApp2.ani");
    EXPECT_THROW(ReadAniCursor(missing), EInOutError);
    EXPECT_FALSE(LoadAniCursor(missing).has_value());
}

TEST(AniCursorTest, BrokenFilesAreRejected)
{
    const QByteArray good = IconFile({{Dib(HalfPicture(32, kRed), 32), 32, 0, 0}});
    QByteArray compressed = Dib(HalfPicture(32, kRed), 32);
    compressed[16] = 1; // run-length coding
    QByteArray huge = Dib(HalfPicture(32, kRed), 32);
    huge[5] = 0x10; // 4128 pixels wide
    QByteArray badOffset = good;
    badOffset[18] = char(0x7F);
    QByteArray badIndex = Dib(HalfPicture(8, kRed), 8, {kBlack, kRed});
    badIndex[48] = char(5); // the first pixel of the bottom row names colour 5 of 2
    QByteArray sequence;
    Put32(sequence, 4);
    QByteArray truncatedChunk = AnimatedCursor({good});
    truncatedChunk.chop(100);
    struct Case
    {
        const char *what;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"empty file", QByteArray()},
        {"not RIFF", QByteArray("RIFX\0\0\0\0ACON", 12)},
        {"RIFF of another kind", QByteArray("RIFF\x04\0\0\0AVI ", 12)},
        {"no anih", Riff(FrameList({good}))},
        {"short anih", Riff(Chunk("anih", QByteArray(8, '\0')) + FrameList({good}))},
        {"frames are no icons", Riff(Chunk("anih", Header(1, 0)) + FrameList({good}))},
        {"no frames", Riff(Chunk("anih", Header(1)))},
        {"chunk runs past the end", truncatedChunk},
        {"sequence names a missing frame",
         Riff(Chunk("anih", Header(1)) + Chunk("seq ", sequence) + FrameList({good}))},
        {"frame is no icon file", AnimatedCursor({QByteArray("\x01\0\x02\0\x01\0", 6)})},
        {"icon file without entries", AnimatedCursor({QByteArray("\0\0\x02\0\0\0", 6)})},
        {"picture outside the icon file", AnimatedCursor({badOffset})},
        {"compressed picture", AnimatedCursor({IconFile({{compressed, 32, 0, 0}})})},
        {"picture too large", AnimatedCursor({IconFile({{huge, 32, 0, 0}})})},
        {"palette index out of range", AnimatedCursor({IconFile({{badIndex, 8, 0, 0}})})},
        {"broken PNG", AnimatedCursor({IconFile({{QByteArray("\x89PNG\r\n\x1a\n garbage"), 32, 0, 0}})})},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_THROW(ParseAniCursor(c.bytes), EAniCursorError);
        EXPECT_FALSE(LoadAniCursor(WriteFile("broken.ani", c.bytes)).has_value());
    }
}

TEST(AniCursorTest, PicturesLargerThanAPointerAreRefusedInEveryFrameAndFormat)
{
    // A small file can hold a huge picture: a 2048-pixel PNG of one colour takes a few kilobytes,
    // and shown as a pointer it broke the X11 connection at start-up.
    const QByteArray hugePng = Png(Plain(2048, 2048));
    ASSERT_LT(hugePng.size(), 64 * 1024);
    const QByteArray good = IconFile({{Dib(HalfPicture(32, kRed), 32), 32, 0, 0}});
    struct Case
    {
        const char *what;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"2048-pixel PNG", AnimatedCursor({IconFile({{hugePng, 0, 0, 0}})})},
        {"PNG one pixel too wide", AnimatedCursor({IconFile({{Png(Plain(257, 32)), 0, 0, 0}})})},
        {"PNG one pixel too high", AnimatedCursor({IconFile({{Png(Plain(32, 257)), 32, 0, 0}})})},
        {"DIB one pixel too wide", AnimatedCursor({IconFile({{Dib(HalfPicture(257, kRed), 32), 0, 0, 0}})})},
        {"huge PNG in a frame shown later", AnimatedCursor({good, IconFile({{hugePng, 0, 0, 0}})})},
        {"huge PNG beside the picture chosen",
         AnimatedCursor({IconFile({{Dib(HalfPicture(32, kRed), 32), 32, 0, 0}, {hugePng, 0, 0, 0}})})},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_THROW(ParseAniCursor(c.bytes), EAniCursorError);
        EXPECT_FALSE(LoadAniCursor(WriteFile("huge.ani", c.bytes)).has_value());
    }

    const QByteArray largest = AnimatedCursor({IconFile({{Png(HalfPicture(256, kRed)), 0, 0, 0}}),
                                               IconFile({{Dib(HalfPicture(256, kRed), 32), 0, 0, 0}})});
    EXPECT_EQ(ParseAniCursor(largest).Image.size(), QSize(256, 256));
}

TEST(AniCursorTest, AbsurdCountsAndSizesAreRefused)
{
    const QByteArray tiny = IconFile({{Dib(HalfPicture(2, kRed), 32), 2, 0, 0}});
    const QList<QByteArray> manyFrames(1025, tiny);
    QList<Entry> manyPictures(65, Entry{Dib(HalfPicture(2, kRed), 32), 2, 0, 0});
    struct Case
    {
        const char *what;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"header announces four billion frames",
         Riff(Chunk("anih", Header(0xFFFFFFFFu)) + FrameList({tiny}))},
        {"more frames than any pointer has", AnimatedCursor(manyFrames)},
        {"more pictures in a frame than any icon has", AnimatedCursor({IconFile(manyPictures)})},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_THROW(ParseAniCursor(c.bytes), EAniCursorError);
    }
    EXPECT_EQ(ParseAniCursor(AnimatedCursor(manyFrames.mid(1))).FrameCount, 1024);

    // A file far larger than any pointer is refused before it is read into memory.
    const QString large = WriteFile("large.ani", AnimatedCursor({tiny}));
    QFile file(large);
    ASSERT_TRUE(file.resize(qint64(17) * 1024 * 1024));
    EXPECT_THROW(ReadAniCursor(large), EAniCursorError);
    EXPECT_FALSE(LoadAniCursor(large).has_value());
}

TEST(AniCursorTest, TheBusyPointerIsTheArrowUntilOneIsRegistered)
{
    EXPECT_EQ(BusyCursor().shape(), Qt::ArrowCursor);
    SetBusyCursor(QCursor(Qt::WaitCursor));
    EXPECT_EQ(BusyCursor().shape(), Qt::WaitCursor);
    SetBusyCursor(QCursor(Qt::ArrowCursor));
}

TEST(AniCursorTest, InstallingTheBusyPointerKeepsAFileThatIsThere)
{
    const QString target = JoinPath(CurrentTestFolders().ProgramHome(), "varoApp2.ani");
    EXPECT_EQ(BusyCursorFile(), target);
    ASSERT_TRUE(InstallBusyCursorFile());
    EXPECT_TRUE(LoadAniCursor(target).has_value());
    EXPECT_TRUE(QFileInfo(target).isWritable());

    QFile mine(target);
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly | QIODevice::Truncate));
    mine.write("the user's own file");
    mine.close();
    EXPECT_TRUE(InstallBusyCursorFile());
    QFile kept(target);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("the user's own file"));
}

} // namespace
