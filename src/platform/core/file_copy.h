#pragma once

#include <QList>
#include <QString>

#include <functional>

// The non-window part of copying files with progress: the backup and restore commands and the
// diskette copy show a progress window over it.

struct FileCopyProgress
{
    int done = 0;
    int total = 0;
    QString currentFile;
};

struct FileCopyFailure
{
    QString file;
    QString reason; // in Greek, for the user
};

struct FileCopyResult
{
    QList<FileCopyFailure> failures;
    bool cancelled = false;
    int copied = 0;
    bool Succeeded() const { return failures.isEmpty() && !cancelled; }
};

// source: a file, a folder (its files), or a folder + wildcard pattern ("/x/Data/*.*", "*.db";
// matched without case, "*.*" meaning every file). Creates targetFolder with missing parents.
// Files only (no subfolders), hidden files included, in file-name order. onProgress is called
// before each file (done = files handled so far, currentFile = its name) and once at the end
// (done = total, no file name); returning false before a file cancels the rest. Each file is
// copied to a temporary name in the target and renamed into place, so a failed copy never
// leaves a truncated target file; existing targets are overwritten. A file that fails is
// reported and the copy goes on with the next one. Files whose name leaveOut accepts are not
// copied, nor counted.
using FileNameTest = std::function<bool(const QString &fileName)>;
FileCopyResult CopyFiles(const QString &source, const QString &targetFolder,
                         const std::function<bool(const FileCopyProgress &)> &onProgress = {},
                         const FileNameTest &leaveOut = {});
