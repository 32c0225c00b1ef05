#include "editors/reference_editors_fixture.h"
#include "editors/ui/krath_form.h"
#include "platform/ui/db_grid.h"
#include "platform/ui/db_image.h"
#include "support/qstring_printer.h"

#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QImageWriter>
#include <QToolButton>

namespace {

class KrathFormTest : public ReferenceEditorsTest
{
protected:
    void SetUp() override
    {
        ReferenceEditorsTest::SetUp();
        form_ = KrathForm();
    }
    void TearDown() override
    {
        form_->hide();
        ReferenceEditorsTest::TearDown();
    }

    QByteArray StoredFlag(int country)
    {
        return Rows(R"(SELECT "Flag" FROM "Krath" WHERE "RecNo" = ?1)", {country})
            .value(0)
            .value(0)
            .toByteArray();
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

    // A file in a metafile format, which the program cannot draw.
    static QString MetafileFile(const QString &extension)
    {
        const QString path = CurrentTestFolders().Root() + "/flag." + extension;
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        QByteArray bytes(128, '\0');
        if (extension == "wmf")
            bytes.replace(0, 4, QByteArray::fromHex("d7cdc69a"));
        else
            bytes.replace(40, 4, QByteArray(" EMF"));
        file.write(bytes);
        return path;
    }

    TKrathForm *form_ = nullptr;
};

TEST_F(KrathFormTest, ShowsTheCountriesAlphabeticallyAndTakesTypingOnlyAfterTheEditButton)
{
    AddCountry("Ιταλία");
    AddCountry("Αγγλία");
    form_->show();

    EXPECT_EQ(form_->windowTitle(), "Εισαγωγή Κρατών");
    ASSERT_EQ(form_->DBGrid1->Columns().Count(), 3);
    EXPECT_EQ(form_->DBGrid1->Columns()[0].Caption(), "Όνομα Κράτους");
    EXPECT_EQ(form_->DBGrid1->Columns()[1].Caption(), "Κωδικός");
    EXPECT_EQ(form_->DBGrid1->Columns()[2].Caption(), "Νόμισμα");
    EXPECT_EQ(form_->DBGrid1->CellText(0, 0), "Αγγλία");
    EXPECT_EQ(form_->DBGrid1->CellText(1, 0), "Ιταλία");
    EXPECT_FALSE(form_->DBNavigator1->VisibleButtons().Contains(nbDelete));
    EXPECT_TRUE(form_->DBImage1->Stretch());
    for (int i = 0; i <= int(nbRefresh); ++i)
        EXPECT_EQ(form_->DBNavigator1->Button(TNavigateBtn(i))->icon().cacheKey(),
                  form_->ImageList1.at(i).cacheKey());

    EXPECT_TRUE(form_->DBGrid1->ReadOnly());
    EXPECT_FALSE(form_->DBGrid1->Model().CanEditCell(0, 0));
    form_->DBNavigator1->Button(nbNext)->click();
    EXPECT_TRUE(form_->DBGrid1->ReadOnly());

    form_->DBNavigator1->Button(nbEdit)->click();
    EXPECT_FALSE(form_->DBGrid1->ReadOnly());
    form_->DBGrid1->Model().SetCellText(2, "EUR");
    form_->DBNavigator1->Button(nbPost)->click();
    EXPECT_EQ(Rows(R"(SELECT "Nomisma" FROM "Krath" WHERE "Name" = 'Ιταλία')").value(0).value(0).toString(),
              "EUR");
}

TEST_F(KrathFormTest, ANewCountryWithItsFlagIsStoredWhenPosted)
{
    form_->show();
    form_->DBNavigator1->Button(nbEdit)->click(); // an empty table: edit starts a new record
    form_->DBGrid1->Model().SetCellText(0, "Ελλάδα");
    ASSERT_TRUE(form_->LoadFlagPicture(PictureFile("greece", "png")));
    form_->DBNavigator1->Button(nbPost)->click();

    const QList<QVariantList> stored = Rows(R"(SELECT "RecNo", "Flag" FROM "Krath" WHERE "Name" = 'Ελλάδα')");
    ASSERT_EQ(stored.size(), 1);
    EXPECT_FALSE(QImage::fromData(stored.at(0).at(1).toByteArray()).isNull());
    EXPECT_EQ(messages_.Count(), 0);
}

TEST_F(KrathFormTest, LoadsBitmapIconPngAndJpegFlags)
{
    const int country = AddCountry("Ελλάδα");
    form_->show();
    for (const QByteArray format : {"bmp", "ico", "png", "jpg"}) {
        SCOPED_TRACE(format.toStdString());
        ASSERT_TRUE(form_->LoadFlagPicture(PictureFile("flag", format, Qt::red)));
        EXPECT_EQ(Dm().Krath.State(), TDataSetState::dsEdit);
        EXPECT_FALSE(form_->DBImage1->Picture().isNull());
        form_->DBNavigator1->Button(nbPost)->click();

        const QImage stored = QImage::fromData(StoredFlag(country));
        ASSERT_FALSE(stored.isNull());
        EXPECT_EQ(stored.size(), QSize(16, 12));
    }
    EXPECT_EQ(messages_.Count(), 0);
}

TEST_F(KrathFormTest, AMetafileFlagIsRefusedWithAMessageAndTheOldFlagStays)
{
    const int country = AddCountry("Ελλάδα");
    form_->show();
    ASSERT_TRUE(form_->LoadFlagPicture(PictureFile("old", "bmp")));
    form_->DBNavigator1->Button(nbPost)->click();
    const QByteArray oldFlag = StoredFlag(country);

    for (const QString extension : {"emf", "wmf"}) {
        SCOPED_TRACE(extension.toStdString());
        messages_.Clear();
        const QString file = MetafileFile(extension);

        EXPECT_FALSE(form_->LoadFlagPicture(file));

        ASSERT_EQ(messages_.Count(), 1);
        EXPECT_EQ(messages_.Last().icon, mtError);
        EXPECT_EQ(messages_.Last().text, "Το αρχείο " + file +
                                             " δεν περιέχει εικόνα που μπορεί να διαβάσει το πρόγραμμα.\n"
                                             "Η σημαία φορτώνεται από αρχεία BMP, ICO, PNG ή JPEG.");
        EXPECT_EQ(Dm().Krath.State(), TDataSetState::dsBrowse);
        EXPECT_FALSE(form_->DBImage1->Picture().isNull());
        EXPECT_EQ(StoredFlag(country), oldFlag);
    }
}

TEST_F(KrathFormTest, ThePictureDialogOffersTheProgramsPictureFormats)
{
    const QStringList filters = form_->OpenPictureDialog1->nameFilters();
    ASSERT_FALSE(filters.isEmpty());
    for (const QString pattern : {"*.bmp", "*.ico", "*.png", "*.jpg", "*.emf", "*.wmf"})
        EXPECT_TRUE(filters.first().contains(pattern)) << pattern.toStdString();
    EXPECT_EQ(form_->OpenPictureDialog1->fileMode(), QFileDialog::ExistingFile);
}

} // namespace
