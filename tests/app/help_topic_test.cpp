#include "app/help_topic.h"
#include "platform/core/paths.h"
#include "support/test_environment.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace tav::app;

namespace {

QByteArray Contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(HelpTopic, TheShippedPagesAreInstalledOnceAndAUsersPageIsKept)
{
    EXPECT_EQ(HelpTopicFile(9999), ProgramFolder() + "/help/9999.html");
    ASSERT_TRUE(InstallHelpPages());
    for (int context : {9999, 3}) {
        const QByteArray page = Contents(HelpTopicFile(context));
        EXPECT_TRUE(page.startsWith("<!DOCTYPE html>")) << context;
        EXPECT_TRUE(page.contains("Tavrolin")) << context;
    }

    QFile::remove(HelpTopicFile(3));
    QFile own(HelpTopicFile(3));
    ASSERT_TRUE(own.open(QIODevice::WriteOnly));
    own.write("own page");
    own.close();
    ASSERT_TRUE(InstallHelpPages());
    EXPECT_EQ(Contents(HelpTopicFile(3)), QByteArray("own page"));
}
