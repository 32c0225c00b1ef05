#pragma once

#include "platform/core/errors.h"
#include "platform/ui/wait_cursor.h"

#include <QByteArray>
#include <QCursor>
#include <QImage>
#include <QPoint>
#include <QString>

#include <optional>

namespace tav::app {

// Animated cursors (RIFF "ACON" files, extension .ani) read by our own reader: the program shows
// the first frame of its busy pointer, so only that frame is decoded into a picture.

// The busy pointer's file in the program folder; the pointer read from it is registered with
// SetBusyCursor.
inline constexpr const char *BusyCursorFileName = "varoApp2.ani";

// A file that is no animated cursor or is cut short.
class EAniCursorError : public Exception
{
public:
    using Exception::Exception;
};

struct TAniFrame
{
    QImage Image;   // 32-bit ARGB, transparent where the cursor is
    QPoint HotSpot; // the point of the picture that is the pointer's position
    int FrameCount = 0;
};

// The first frame shown (the first step of the sequence when the file has one). The frame whose
// width is closest to the usual 32 pixels is taken from an icon holding several sizes. A file with
// a picture over 256 pixels a side in any frame, whatever its format, is malformed.
TAniFrame ParseAniCursor(const QByteArray &bytes);

// The same from a file: EInOutError when it cannot be read, EAniCursorError when it is malformed.
TAniFrame ReadAniCursor(const QString &fileName);

// The cursor of the file, or nothing when the file is missing or no valid animated cursor.
std::optional<QCursor> LoadAniCursor(const QString &fileName);

// The busy pointer's file in the program folder.
QString BusyCursorFile();

// Puts the busy pointer shipped inside the program into the program folder when no such file is
// there yet (a file the user replaced is kept). Returns whether the file is there afterwards.
bool InstallBusyCursorFile();

} // namespace tav::app
