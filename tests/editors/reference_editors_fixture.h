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

    MessageRecorder messages_;
};
