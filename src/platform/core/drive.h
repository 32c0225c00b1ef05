#pragma once

#include <QChar>
#include <QString>

// Drive letters of the original program map to mount folders kept in the registry:
// key "Software\Tavrolin\Directories", section "Drives", value "A" = "/media/floppy".

// True when the drive's folder holds a readable medium: the folder exists on a ready file system
// and is a mount point or a readable folder with something in it. Otherwise, and when the letter
// has no folder, beeps once and returns false.
bool DiskInDrive(QChar driveLetter);

// The folder the drive letter (either case) is mapped to; empty when it has none.
QString DriveFolder(QChar driveLetter);

// The beep of the core layers. By default it writes the bell character to the error output; the
// window layer sets a function that sounds the desktop's beep. nullptr restores the default.
void SetBeepFunction(void (*beep)());
void Beep();
