#pragma once

#include "platform/core/file_copy.h"

#include <QString>

class QWidget;

// Copies the files of sourcePattern (a file, a folder, or a folder with a wildcard pattern) into
// targetFolder, creating it when missing, under a progress window over the owner window with a
// cancel button. The result lists every file that failed and whether the user cancelled, so that
// the caller can report it. Files whose name leaveOut accepts are not copied.
FileCopyResult CopyFilesWithProgress(QWidget *owner, const QString &sourcePattern,
                                     const QString &targetFolder, const FileNameTest &leaveOut = {});
