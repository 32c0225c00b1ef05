#include "controls/styled/sty_errors.h"
#include "controls/styled/sty_paths.h"
#include "controls/styled/sty_procs.h"
#include "platform/core/paths.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

using namespace tav::styled;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Compress(const Bytes &source)
{
    Bytes packed(source.size() + LZRWSlack);
    packed.resize(LZRWCompressBuffer(source, packed));
    return packed;
}

Bytes Decompress(const Bytes &packed, std::size_t capacity)
{
    Bytes out(capacity);
    out.resize(LZRWDecompressBuffer(packed, out));
    return out;
}

Bytes RandomBytes(std::size_t size, unsigned seed)
{
    std::mt19937 generator(seed);
    Bytes bytes(size);
    for (auto &byte : bytes)
        byte = std::uint8_t(generator());
    return bytes;
}

// Words from a small vocabulary, as captions and string lists repeat them.
Bytes TextBytes(std::size_t size)
{
    const char *words[] = {"ΟΛΥΜΠΙΑΚΟΣ ", "ΠΑΟΚ ", "2-1 ", "Caption=", "Glyph\r\n", "Αγωνιστική "};
    std::mt19937 generator(7);
    Bytes bytes;
    while (bytes.size() < size)
        for (const char *at = words[generator() % 6]; *at && bytes.size() < size; ++at)
            bytes.push_back(std::uint8_t(*at));
    return bytes;
}

Bytes Runs(std::size_t size)
{
    Bytes bytes;
    for (std::uint8_t value = 0; bytes.size() < size; value += 37)
        bytes.insert(bytes.end(), std::min<std::size_t>(5 + value % 5000, size - bytes.size()), value);
    return bytes;
}

TEST(StyCompression, SixteenEqualBytesBecomeOneRunCode)
{
    const Bytes packed = Compress(Bytes(16, 'a'));
    EXPECT_EQ(packed, (Bytes{0x40, 0x80, 0x00, 0x00, 0x00, 0x00, 0x61}));
    EXPECT_EQ(Decompress(packed, 16), Bytes(16, 'a'));
}

TEST(StyCompression, FifteenEqualBytesGoThroughTheMatchFinder)
{
    // A literal, then a copy of 14 bytes from 1 back: code (1 << 4) + (14 - 3).
    const Bytes packed = Compress(Bytes(15, 'a'));
    EXPECT_EQ(packed, (Bytes{0x40, 0x40, 0x00, 0x61, 0x00, 0x1B}));
    EXPECT_EQ(Decompress(packed, 15), Bytes(15, 'a'));
}

TEST(StyCompression, WhatDoesNotShrinkIsStoredWithItsFlag)
{
    for (const Bytes &source : {RandomBytes(1000, 1), Bytes{1, 2}, Bytes{}}) {
        const Bytes packed = Compress(source);
        ASSERT_EQ(packed.size(), source.size() + 1);
        EXPECT_EQ(packed[0], LZRWStored);
        EXPECT_EQ(Decompress(packed, source.size()), source);
    }
}

TEST(StyCompression, EveryBlockTheStreamsPassRoundTrips)
{
    const struct
    {
        const char *kind;
        Bytes source;
    } cases[] = {{"text", TextBytes(32781)},        {"runs", Runs(32781)},
                 {"random", RandomBytes(32781, 2)}, {"short text", TextBytes(17)},
                 {"three bytes", Bytes{9, 9, 9}},   {"window edge", TextBytes(4099)},
                 {"long run", Bytes(9000, 0xFF)}};
    for (const auto &[kind, source] : cases) {
        const Bytes packed = Compress(source);
        EXPECT_LE(packed.size(), source.size() + 1) << kind;
        EXPECT_EQ(Decompress(packed, source.size()), source) << kind;
    }
    EXPECT_LT(Compress(TextBytes(32781)).size(), 32781u / 2);
}

TEST(StyCompression, DamagedBuffersRaiseAndStayInsideTheDestination)
{
    const Bytes good = Compress(TextBytes(2000));
    const struct
    {
        const char *what;
        Bytes packed;
        std::size_t capacity;
    } cases[] = {
        {"empty", {}, 10},
        {"unknown flag", {0x41, 0, 0}, 10},
        {"no command word", {0x40, 0x80}, 10},
        {"copy before the start", {0x40, 0x80, 0x00, 0x00, 0x11}, 10},
        {"cut copy code", {0x40, 0x80, 0x00, 0x00}, 10},
        {"cut run code", {0x40, 0x80, 0x00, 0x00, 0x00, 0x00}, 10},
        {"run past the end", {0x40, 0x80, 0x00, 0x00, 0x00, 0x10, 0x61}, 20},
        {"stored past the end", {0x80, 1, 2, 3}, 2},
        {"literal past the end", {0x40, 0x00, 0x00, 1, 2, 3}, 2},
        {"good data, small destination", good, 1999},
    };
    for (const auto &[what, packed, capacity] : cases) {
        // One guard byte after the destination tells whether anything was written past it.
        Bytes out(capacity + 1, 0xA5);
        EXPECT_THROW(LZRWDecompressBuffer(packed, std::span(out.data(), capacity)), EStyError) << what;
        EXPECT_EQ(out.back(), 0xA5) << what;
    }

    std::mt19937 generator(3);
    for (int round = 0; round < 3000; ++round) {
        Bytes damaged = good;
        for (int flips = 0; flips < 3; ++flips)
            damaged[1 + generator() % (damaged.size() - 1)] = std::uint8_t(generator());
        Bytes out(2001, 0xA5);
        try {
            EXPECT_LE(LZRWDecompressBuffer(damaged, std::span(out.data(), 2000)), 2000);
        } catch (const EStyError &) {
        }
        ASSERT_EQ(out.back(), 0xA5) << "round " << round;
    }
}

TEST(StyCompression, RefusesADestinationWithoutRoom)
{
    Bytes source(100, 1), small(100 + LZRWSlack - 1);
    EXPECT_THROW(LZRWCompressBuffer(source, small), EStyError);
}

TEST(StyGeometry, RotatedBoundsFitAndInclusion)
{
    QRect rect(0, 0, 40, 20);
    RotatedRectBounds(rect, 90);
    EXPECT_EQ(rect, QRect(0, 0, 20, 40));
    rect = QRect(5, 7, 40, 20);
    RotatedRectBounds(rect, 0);
    EXPECT_EQ(rect, QRect(5, 7, 40, 20));
    rect = QRect(3, 3, 40, 40);
    RotatedRectBounds(rect, 45);
    EXPECT_EQ(rect, QRect(0, 0, 56, 56));

    // (10,10,50,30) as left, top, right, bottom.
    EXPECT_EQ(FitRectProportional(QRect(0, 0, 100, 50), QRect(10, 10, 40, 40)), QRect(10, 10, 40, 20));
    EXPECT_EQ(FitRectProportional(QRect(0, 0, 30, 100), QRect(0, 0, 50, 50)), QRect(0, 0, 15, 50));

    int width = 0, height = 0;
    RectSize(QRect(2, 3, 7, 9), width, height);
    EXPECT_EQ(width, 7);
    EXPECT_EQ(height, 9);

    const QRect outer(0, 0, 10, 10);
    EXPECT_TRUE(RectInRect(QRect(1, 1, 5, 5), outer));
    EXPECT_FALSE(RectInRect(QRect(0, 0, 10, 10), outer)) << "the right and bottom edges are outside";
    EXPECT_FALSE(RectInRect(QRect(-1, 2, 3, 3), outer));

    const int ints[] = {4, -2, 9, 9};
    const double reals[] = {1.5, -0.25, 3.0};
    EXPECT_EQ(MaxIntValue(ints), 9);
    EXPECT_EQ(MinIntValue(ints), -2);
    EXPECT_EQ(MinExtValue(reals), -0.25);
}

TEST(StyPaths, DelimitersAndStandardFolders)
{
    const struct
    {
        QString path, added, removed;
    } cases[] = {{"", "/", ""}, {"  ", "  /", "  "}, {"a/", "a/", "a"}, {"a", "a/", "a"}, {"/", "/", ""}};
    for (const auto &[path, added, removed] : cases) {
        EXPECT_EQ(AddBackslash(path), added) << path.toStdString();
        EXPECT_EQ(RemoveBackslash(path), removed) << path.toStdString();
    }
    EXPECT_TRUE(IsBlank(""));
    EXPECT_TRUE(IsBlank("   "));
    EXPECT_FALSE(IsBlank(" x "));
    EXPECT_EQ(Trim("  x y "), "x y");

    EXPECT_EQ(PrefixPath(ppProgram, true), ProgramFolder() + "/");
    EXPECT_EQ(PrefixPath(ppProgram, false), ProgramFolder());
    EXPECT_EQ(PrefixPath(ppWindows, true), ConfigFolder() + "/");
    EXPECT_EQ(PrefixPath(ppSystem, false), "/etc");
    EXPECT_EQ(PrefixPath(ppFixed, true), "");
    EXPECT_EQ(ProgramDirectory(), ProgramFolder() + "/");
}

} // namespace
