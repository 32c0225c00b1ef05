#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Opens a document, folder or web address with the desktop's own program for it. A local path
// must exist. Returns false when nothing could be started.
bool OpenDocument(const QString &pathOrUrl);

// Replaces what OpenDocument starts (tests record the pages a window opens instead of starting a
// browser). An empty function restores the desktop's opener; the previous one is returned.
using DocumentOpener = std::function<bool(const QString &pathOrUrl)>;
DocumentOpener SetDocumentOpener(DocumentOpener opener);

// Starts a program by its absolute path, not waiting for it. A relative path is refused (false)
// so that no program is ever picked up from the search path or the working folder.
bool StartProgram(const QString &absolutePath, const QStringList &args = {});
