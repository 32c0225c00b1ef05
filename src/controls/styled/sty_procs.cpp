#include "controls/styled/sty_procs.h"

#include "controls/styled/sty_errors.h"
#include "controls/styled/sty_paths.h"
#include "platform/core/paths.h"

#include <QtMath>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace tav::styled {
namespace {

constexpr std::uint16_t EmptyEntry = 0xFFFF;
constexpr std::size_t MaxRun = 0xFFF;
constexpr std::size_t MinRun = 16;
constexpr std::size_t MaxMatch = 18;
constexpr std::size_t Window = 4096;

[[noreturn]] void Damaged()
{
    throw EStyError(QStringLiteral("Τα συμπιεσμένα δεδομένα είναι κατεστραμμένα."));
}

std::size_t Hash(const std::uint8_t *at)
{
    return ((40543u * ((((unsigned(at[0]) << 4) ^ at[1]) << 4) ^ at[2])) >> 4) & 0xFFF;
}

void PutWord(std::uint8_t *at, unsigned value)
{
    at[0] = std::uint8_t(value >> 8);
    at[1] = std::uint8_t(value);
}

} // namespace

std::uint16_t LZRWCompressBuffer(std::span<const std::uint8_t> source, std::span<std::uint8_t> destination)
{
    const std::size_t size = source.size();
    if (size > LZRWMaxSource || destination.size() < size + LZRWSlack)
        throw EStyError(QStringLiteral("LZRW Error!"));
    std::vector<std::uint16_t> table(Window, EmptyEntry);
    const std::uint8_t *src = source.data();
    std::uint8_t *dst = destination.data();

    dst[0] = LZRWCompressed;
    std::size_t y = 3, z = 1, x = 0;
    unsigned bits = 0, command = 0;
    while (x < size && y <= size) {
        if (bits > 15) {
            PutWord(dst + z, command);
            z = y;
            bits = 0;
            y += 2;
        }
        std::size_t run = 1;
        while (x + run < size && run < MaxRun && src[x] == src[x + run])
            ++run;
        if (run >= MinRun) {
            dst[y] = 0;
            PutWord(dst + y + 1, unsigned(run - MinRun));
            dst[y + 3] = src[x];
            y += 4;
            x += run;
            command = (command << 1) | 1;
        } else {
            // A match needs three bytes, so the last two are literals and are not hashed.
            std::size_t length = 0;
            std::size_t entry = EmptyEntry;
            if (x + 2 < size) {
                const std::size_t slot = Hash(src + x);
                entry = table[slot];
                table[slot] = std::uint16_t(x);
                if (entry != EmptyEntry && x - entry < Window)
                    while (length < MaxMatch && x + length < size && src[x + length] == src[entry + length])
                        ++length;
            }
            if (length >= 3) {
                PutWord(dst + y, unsigned(((x - entry) << 4) + (length - 3)));
                y += 2;
                x += length;
                command = (command << 1) | 1;
            } else {
                dst[y++] = src[x++];
                command <<= 1;
            }
        }
        ++bits;
    }
    PutWord(dst + z, (command << (16 - bits)) & 0xFFFF);
    if (y > size) {
        if (size > 0)
            std::memcpy(dst + 1, src, size);
        dst[0] = LZRWStored;
        return std::uint16_t(size + 1);
    }
    return std::uint16_t(y);
}

std::uint16_t LZRWDecompressBuffer(std::span<const std::uint8_t> source, std::span<std::uint8_t> destination)
{
    const std::size_t size = source.size();
    if (size == 0 || size > LZRWMaxSource + 1)
        Damaged();
    const std::uint8_t *src = source.data();
    std::uint8_t *dst = destination.data();
    const std::size_t capacity = destination.size();
    if (src[0] == LZRWStored) {
        if (size - 1 > capacity)
            Damaged();
        if (size > 1)
            std::memcpy(dst, src + 1, size - 1);
        return std::uint16_t(size - 1);
    }
    if (src[0] != LZRWCompressed || size < 3)
        Damaged();

    unsigned command = (unsigned(src[1]) << 8) | src[2];
    int bits = 16;
    std::size_t x = 3, y = 0;
    while (x < size) {
        if (bits == 0) {
            if (x + 2 > size)
                Damaged();
            command = (unsigned(src[x]) << 8) | src[x + 1];
            x += 2;
            bits = 16;
            if (x >= size)
                break;
        }
        if ((command & 0x8000) == 0) {
            if (y >= capacity)
                Damaged();
            dst[y++] = src[x++];
        } else {
            if (x + 2 > size)
                Damaged();
            const std::size_t distance = (std::size_t(src[x]) << 4) | (src[x + 1] >> 4);
            if (distance == 0) {
                if (x + 4 > size)
                    Damaged();
                const std::size_t run = ((std::size_t(src[x + 1]) << 8) | src[x + 2]) + MinRun;
                if (run > capacity - y)
                    Damaged();
                std::memset(dst + y, src[x + 3], run);
                y += run;
                x += 4;
            } else {
                const std::size_t length = (src[x + 1] & 0x0F) + 3;
                if (distance > y || length > capacity - y)
                    Damaged();
                std::uint8_t *to = dst + y;
                const std::uint8_t *from = to - distance;
                if (distance >= 8 && length + 8 <= capacity - y) {
                    // Eight bytes at a time from bytes already written; the last chunk may run
                    // up to seven bytes past the copy, still inside the destination, and those
                    // are written again by what follows.
                    for (std::size_t i = 0; i < length; i += 8)
                        std::memcpy(to + i, from + i, 8);
                } else {
                    // Byte by byte: an overlapping copy repeats what it has just written.
                    for (std::size_t i = 0; i < length; ++i)
                        to[i] = from[i];
                }
                y += length;
                x += 2;
            }
        }
        command = (command << 1) & 0xFFFF;
        --bits;
    }
    if (y > 0xFFFF)
        Damaged();
    return std::uint16_t(y);
}

QRect FitRectProportional(const QRect &source, const QRect &destination)
{
    if (source.width() <= 0 || source.height() <= 0)
        return {destination.topLeft(), QSize(0, 0)};
    const double scale = std::min(double(destination.width()) / source.width(),
                                  double(destination.height()) / source.height());
    return {destination.topLeft(), QSize(int(source.width() * scale), int(source.height() * scale))};
}

void RectSize(const QRect &rect, int &width, int &height)
{
    width = rect.width();
    height = rect.height();
}

bool RectInRect(const QRect &inner, const QRect &outer)
{
    return outer.contains(inner.topLeft()) &&
           outer.contains(QPoint(inner.x() + inner.width(), inner.y() + inner.height()));
}

void RotatedRectBounds(QRect &rect, int angle)
{
    if (angle == 0)
        return;
    const double radians = angle * M_PI / 180.0;
    const double c = std::cos(radians), s = std::sin(radians);
    const int hw = rect.width() / 2, hh = rect.height() / 2;
    const int cx = rect.x() + hw, cy = rect.y() + hh;
    // Rounded to nearest, halves to even, as the rounding mode of the platform does.
    const auto round = [](double value) { return int(std::nearbyint(value)); };
    const int a = round(hw * c - hh * s), b = round(hw * c + hh * s);
    const int p = round(hw * s - hh * c), q = round(hw * s + hh * c);
    const int xs[] = {cx - a, cx - b, cx + b, cx + a};
    const int ys[] = {cy + p, cy + q, cy - q, cy - p};
    const auto [minX, maxX] = std::minmax_element(std::begin(xs), std::end(xs));
    const auto [minY, maxY] = std::minmax_element(std::begin(ys), std::end(ys));
    rect = QRect(0, 0, *maxX - *minX, *maxY - *minY);
}

int MaxIntValue(std::span<const int> values)
{
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

int MinIntValue(std::span<const int> values)
{
    return values.empty() ? 0 : *std::min_element(values.begin(), values.end());
}

double MinExtValue(std::span<const double> values)
{
    return values.empty() ? 0.0 : *std::min_element(values.begin(), values.end());
}

QString ProgramDirectory()
{
    return AddBackslash(ProgramFolder());
}

QString WindowsDirectory()
{
    return AddBackslash(ConfigFolder());
}

QString SystemDirectory()
{
    return AddBackslash(QStringLiteral("/etc"));
}

QString PrefixPath(TStyPathPrefix prefix, bool withDelimiter)
{
    QString folder;
    switch (prefix) {
    case ppWindows:
        folder = WindowsDirectory();
        break;
    case ppSystem:
        folder = SystemDirectory();
        break;
    case ppProgram:
        folder = ProgramDirectory();
        break;
    case ppFixed:
        return {};
    }
    return withDelimiter ? AddBackslash(RemoveBackslash(folder)) : RemoveBackslash(folder);
}

} // namespace tav::styled
