#include "support/test_environment.h"

#include "platform/core/long_lived.h"

#include <QCoreApplication>
#include <QDir>

#include <gtest/gtest.h>

namespace {

std::unique_ptr<TestFolders> current;

// Windows that closed themselves go first, then the objects the program keeps to its end, newest
// first; what their destructors hand to the event loop for later goes too, so that no window, data
// module or open database of one test is met by the next.
void DestroyWhatTheTestLeft()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    DestroyLongLived();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class FreshFoldersListener : public testing::EmptyTestEventListener
{
    void OnTestStart(const testing::TestInfo &) override { current = std::make_unique<TestFolders>(); }
    void OnTestEnd(const testing::TestInfo &) override
    {
        DestroyWhatTheTestLeft();
        current.reset();
    }
};

} // namespace

TestFolders::TestFolders()
{
    QDir().mkpath(ProgramHome());
    QDir().mkpath(ConfigHome());
    QDir().mkpath(DataHome());
    qputenv("TAVROLIN_HOME", ProgramHome().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", ConfigHome().toLocal8Bit());
    qputenv("XDG_DATA_HOME", DataHome().toLocal8Bit());
    qunsetenv("TAVROLIN_DBENGINE_CONFIG");
}

const TestFolders &CurrentTestFolders()
{
    if (!current)
        current = std::make_unique<TestFolders>();
    return *current;
}

void InstallTestEnvironment()
{
    testing::UnitTest::GetInstance()->listeners().Append(new FreshFoldersListener);
}
