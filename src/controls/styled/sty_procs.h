#pragma once

#include <QObject>
#include <QRect>
#include <QString>

#include <cstdint>
#include <span>

// Where a settings file or a log file of the styled controls lives.
namespace tav::styled::pathprefix {
Q_NAMESPACE
enum TStyPathPrefix
{
    ppWindows, // the settings folder
    ppSystem,  // the system's configuration folder
    ppProgram, // the program folder
    ppFixed,   // the name is used as given
};
Q_ENUM_NS(TStyPathPrefix)
} // namespace tav::styled::pathprefix

using TStyPathPrefix = tav::styled::pathprefix::TStyPathPrefix;
using enum tav::styled::pathprefix::TStyPathPrefix;

namespace tav::styled {

// The compressor of stored bitmaps and sounds (LZRW1/KH with a run code). The first byte of a
// compressed buffer tells its form: 0x40 compressed, 0x80 stored as it was.
inline constexpr std::uint8_t LZRWCompressed = 0x40;
inline constexpr std::uint8_t LZRWStored = 0x80;
// The compressor may run this many bytes past the source size before it falls back to the stored
// form, so the destination holds at least source size + LZRWSlack bytes.
inline constexpr std::size_t LZRWSlack = 6;
// Sizes are 16-bit: the stored form of the largest source still counts its flag byte.
inline constexpr std::size_t LZRWMaxSource = 0xFFFE;

// Compresses source into destination and returns the size written. Raises EStyError when the
// source is larger than LZRWMaxSource or the destination is smaller than source + LZRWSlack.
std::uint16_t LZRWCompressBuffer(std::span<const std::uint8_t> source, std::span<std::uint8_t> destination);

// Expands a buffer made by LZRWCompressBuffer into destination and returns the size produced.
// Every code is checked against both buffers: a damaged buffer raises EStyError and nothing is
// written outside the destination.
std::uint16_t LZRWDecompressBuffer(std::span<const std::uint8_t> source, std::span<std::uint8_t> destination);

// Rectangles are read as (left, top, right, bottom) = (x, y, x + width, y + height).

// The source size scaled by the smaller of the two ratios of destination to source, truncated,
// at the destination's top-left corner.
QRect FitRectProportional(const QRect &source, const QRect &destination);
void RectSize(const QRect &rect, int &width, int &height);
// True when the inner top-left and bottom-right points both lie in the outer rectangle, its
// right and bottom edges excluded.
bool RectInRect(const QRect &inner, const QRect &outer);
// Replaces the rectangle by the bounds, at (0,0), of the rectangle turned by whole degrees about
// its centre; 0 degrees leaves it where it is.
void RotatedRectBounds(QRect &rect, int angle);

// The largest and smallest element; an empty list gives 0.
int MaxIntValue(std::span<const int> values);
int MinIntValue(std::span<const int> values);
double MinExtValue(std::span<const double> values);

// The standard folders, each with a trailing delimiter ("/"): the program folder, the settings
// folder and the system's configuration folder.
QString ProgramDirectory();
QString WindowsDirectory();
QString SystemDirectory();
// The folder of a prefix (empty for ppFixed) with exactly one trailing delimiter when
// withDelimiter, else without one.
QString PrefixPath(TStyPathPrefix prefix, bool withDelimiter);

} // namespace tav::styled
