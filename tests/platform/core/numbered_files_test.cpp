#include "platform/core/errors.h"
#include "platform/core/numbered_files.h"
#include "support/test_environment.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

void Touch(const QString &folder, const QString &name)
{
    QDir().mkpath(folder);
    QFile file(folder + "/" + name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

} // namespace

TEST(NumberedFiles, ListsMatchingFilesByNameWithTheirNumbers)
{
    const QString folder = CurrentTestFolders().Root() + "/Kouponia";
    for (const char *name :
         {"12_20030105_20030112.kup", "3_20021001_20021008.KUP", "5_notes.txt", "kup", "99_x.kupx"})
        Touch(folder, name);
    QDir().mkpath(folder + "/40_folder.kup");

    const QList<NumberedFile> files = ListNumberedFiles(folder, "kup");
    ASSERT_EQ(files.size(), 2);
    EXPECT_EQ(files.at(0).number, 12);
    EXPECT_EQ(files.at(0).name, QString("20030105_20030112.kup"));
    EXPECT_EQ(files.at(1).number, 3);
    EXPECT_EQ(files.at(1).name, QString("20021001_20021008.KUP"));
}

TEST(NumberedFiles, HiddenFilesAreListedAndNamesMustStartWithANumber)
{
    const QString folder = CurrentTestFolders().Root() + "/Kouponia";
    Touch(folder, "-4_minus.kup");
    EXPECT_EQ(ListNumberedFiles(folder, "KUP").first().number, -4);

    const struct
    {
        const char *name;
    } bad[] = {{".7_hidden.kup"}, {"abc_1.kup"}, {"12.kup"},
               {"_1.kup"},        {"1 2_x.kup"}, {"99999999999_x.kup"}};
    for (const auto &c : bad) {
        const QString badFolder = CurrentTestFolders().Root() + "/bad/" + QString::number(&c - bad);
        Touch(badFolder, c.name);
        EXPECT_THROW(ListNumberedFiles(badFolder, "kup"), EConvertError) << c.name;
    }
}

TEST(NumberedFiles, NoMatchingFilesOrNoFolderGiveAnEmptyList)
{
    const QString folder = CurrentTestFolders().Root() + "/Empty";
    Touch(folder, "1_a.txt");
    EXPECT_TRUE(ListNumberedFiles(folder, "kup").isEmpty());
    EXPECT_TRUE(ListNumberedFiles(CurrentTestFolders().Root() + "/absent", "kup").isEmpty());
}
