#pragma once

#include "platform/core/message_recorder.h"
#include "support/data_module_test_base.h"

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

    MessageRecorder messages_;
};
