#pragma once

#include "platform/core/message_recorder.h"
#include "support/data_module_test_base.h"

#include <memory>

// A data module of its own on the test's database, with the shared tables open, for the exports'
// tests; rules that ask before storing are answered by the recorder's default button.
class ReportDataTest : public DataModuleTestBase
{
protected:
    void SetUp() override
    {
        RegisterTestAlias();
        dm_ = std::make_unique<TTavrolinDM>();
        for (TTable *table : SharedTables())
            table->Open();
    }

    TTavrolinDM &Dm() override { return *dm_; }

    // The league "Α' Εθνική" of the country, also named "Super League" and "Serie A"; its KatNo.
    int AddLeagueInThreeLanguages(int country)
    {
        Post(Dm().Kathgories, {{"GrName", "Α' Εθνική"},
                               {"EnName", "Super League"},
                               {"ItName", "Serie A"},
                               {"Kratos", country},
                               {"Typos", 0}});
        return Dm().Kathgories.FieldByName("KatNo").AsInteger();
    }

private:
    MessageRecorder messages_;
    std::unique_ptr<TTavrolinDM> dm_;
};
