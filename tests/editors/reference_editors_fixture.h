#pragma once

#include "platform/ui/message_recorder.h"
#include "support/data_module_test_base.h"

#include <QImage>
#include <QImageWriter>

// The program's data module on a fresh data folder, the tables open as the main window leaves
// them, and the message boxes recorded (a box answers with its default button unless an answer is
// queued). Reference data goes in through the module's tables, so its rules fill what they fill
// for the user.
class ReferenceEditorsTest : public ProgramDataModuleTest
{
protected:
    void TearDown() override
    {
        Dm().DShowQuery.Close();
        Dm().TyposKathg.Close();
        ProgramDataModuleTest::TearDown();
    }

    // The rows a statement returns, its values bound, read straight from the database file.
    QList<QVariantList> Rows(const QString &sql, const QVariantList &values = {})
    {
        DbConnection::Lease statement = Dm().TavrolinDb.Connection().Statement(sql);
        statement->BindAll(values);
        QList<QVariantList> rows;
        while (statement->Step()) {
            QVariantList row;
            for (int column = 0; column < statement->ColumnCount(); ++column)
                row.append(statement->Value(column));
            rows.append(row);
        }
        return rows;
    }

    // A small picture file of the format, in the test's folder.
    static QString PictureFile(const QString &baseName, const QByteArray &format, QColor colour = Qt::blue)
    {
        QImage image(16, 12, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = CurrentTestFolders().Root() + "/" + baseName + "." + QString::fromLatin1(format);
        QImageWriter writer(path, format);
        EXPECT_TRUE(writer.write(image)) << writer.errorString().toStdString();
        return path;
    }

    MessageRecorder messages_;
};
