#pragma once

#include <QString>

class DbConnection;

// Failures of the storage engine that concern the database file as a whole rather than one
// statement or record: the user is told in Greek what happened to the file and what to do.

// The explanation of an engine error code (EDBEngineError::ErrorCode) when it is such a failure:
// a damaged file or one that is no database, a file locked by another program, a file that can
// only be read, a full disk, a file or folder that cannot be reached, a read or write failure of
// the disk. Empty for any other error.
QString EngineFaultText(int errorCode);

// Whether the connection can only read its file: the file forbids writing, so the engine opened
// it for reading alone.
bool ConnectionIsReadOnly(const DbConnection &connection);
