#pragma once

#include <QString>
#include <QStringList>

// Opens a document, folder or web address with the desktop's own program for it. A local path
// must exist. Returns false when nothing could be started.
bool OpenDocument(const QString &pathOrUrl);

// Starts a program by its absolute path, not waiting for it. A relative path is refused (false)
// so that no program is ever picked up from the search path or the working folder.
bool StartProgram(const QString &absolutePath, const QStringList &args = {});
