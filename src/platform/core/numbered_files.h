#pragma once

#include <QList>
#include <QString>

// A file named number + "_" + rest, such as the coupon file "12_20030105_20030112.kup".
struct NumberedFile
{
    QString name; // the part after the first "_", extension included
    int number;   // the whole number before the first "_"
};

// The files "<folder>/*.<extension>", hidden ones included, the extension matched without case,
// sorted by file name so that every run lists them alike. A matching file whose name does not
// start with a whole number followed by "_" raises EConvertError. A folder without matching
// files, or no folder at all, gives an empty list.
QList<NumberedFile> ListNumberedFiles(const QString &folder, const QString &extension);
