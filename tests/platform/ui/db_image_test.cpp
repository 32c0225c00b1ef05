#include "db_controls_fixture.h"

#include "platform/ui/db_image.h"

#include <QFile>
#include <QImage>

namespace {

class DbImageTest : public DbControlsTest
{
protected:
    void SetUp() override
    {
        DbControlsTest::SetUp();
        image.SetDataSource(&teamSource);
        image.SetDataField("Flag");
    }

    QString WriteFile(const QString &name, const QByteArray &bytes)
    {
        const QString path = CurrentTestFolders().Root() + "/" + name;
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    TDBImage image;
};

TEST_F(DbImageTest, APictureFileGoesIntoTheFieldAndShows)
{
    EXPECT_TRUE(image.Picture().isNull());
    QImage flag(12, 8, QImage::Format_RGB32);
    flag.fill(QColor(0, 90, 200));
    const QString png = CurrentTestFolders().Root() + "/flag.png";
    ASSERT_TRUE(flag.save(png, "PNG"));
    const QString bmp = CurrentTestFolders().Root() + "/flag.bmp";
    ASSERT_TRUE(flag.save(bmp, "BMP"));

    for (const QString &file : {png, bmp}) {
        ASSERT_TRUE(image.LoadPicture(file)) << file.toStdString();
        EXPECT_EQ(teams->State(), TDataSetState::dsEdit);
        EXPECT_EQ(image.Picture().size(), QSize(12, 8));
        teams->Post();
    }
    teams->Next();
    EXPECT_TRUE(image.Picture().isNull());
    teams->First();
    EXPECT_EQ(image.Picture().pixelColor(3, 3), QColor(0, 90, 200));
}

TEST_F(DbImageTest, AFileThatIsNoPictureIsRefusedAndTheFlagStays)
{
    QImage flag(4, 4, QImage::Format_RGB32);
    flag.fill(Qt::red);
    const QString png = CurrentTestFolders().Root() + "/flag.png";
    ASSERT_TRUE(flag.save(png, "PNG"));
    ASSERT_TRUE(image.LoadPicture(png));
    teams->Post();
    const QByteArray stored = Stored(1, "Flag").toByteArray();

    // An enhanced metafile: a header record of type 1 with the " EMF" signature.
    QByteArray emf(88, '\0');
    emf[0] = 1;
    emf.replace(40, 4, " EMF");
    EXPECT_FALSE(image.LoadPicture(WriteFile("flag.emf", emf)));
    EXPECT_FALSE(image.LoadPicture(CurrentTestFolders().Root() + "/missing.bmp"));
    EXPECT_EQ(teams->State(), TDataSetState::dsBrowse);
    EXPECT_EQ(Stored(1, "Flag").toByteArray(), stored);
    EXPECT_FALSE(image.Picture().isNull());

    // Metafile bytes already in the field show nothing.
    teams->Next();
    teams->Edit();
    teams->FieldByName("Flag").SetValue(emf);
    EXPECT_TRUE(image.Picture().isNull());
}

} // namespace
