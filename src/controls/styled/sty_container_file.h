#pragma once

#include "controls/styled/sty_errors.h"

#include <QImage>
#include <QString>

class TStyCustomContainer;
class TStyListItem;

// A container file that cannot be read: missing, of another kind or damaged. Its text is the
// reason and the file name.
class EStyFileOpenError : public EStyError
{
public:
    using EStyError::EStyError;
};

// Container files: the byte 8, an 8-character signature of the kind, then the container's items
// with their offset table, so that one item can be read without the others.
namespace tav::styled {

// The kind of a signature: 0 image list, 1 bitmap list, 2 sounds, 3 texts, 4 and 5 further
// kinds; anything else 6.
int ContainerFileKind(const QString &signature);
QString ContainerFileSignature(int kind);

// Writes the container as a file of its kind.
void SaveContainerFile(const QString &fileName, const TStyCustomContainer &container);
// Reads item number itemIndex of a file of the given kind into item. A file of another kind, an
// index it does not hold or a damaged file raises EStyFileOpenError and leaves the item as it was.
void LoadItemFromFile(const QString &fileName, int kind, int itemIndex, TStyListItem &item);
// The bitmap of item itemIndex of a bitmap list file.
void LoadBitmapFromFile(const QString &fileName, int itemIndex, QImage &bitmap);

} // namespace tav::styled
