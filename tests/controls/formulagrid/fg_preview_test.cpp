#include "controls/formulagrid/fg_string_grid.h"
#include "controls/formulagrid/fg_string_grid_preview_form.h"
#include "platform/core/message_recorder.h"
#include "platform/ui/modal_runner.h"
#include "platform/ui/printer.h"
#include "support/pdf_text.h"
#include "support/qstring_printer.h"
#include "support/test_environment.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollArea>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

class PreviewTest : public testing::Test
{
protected:
    PreviewTest() : pdf(CurrentTestFolders().Root() + "/preview.pdf")
    {
        Printer().SetOutputFileName(pdf);
        grid.SetColCount(4);
        grid.SetRowCount(120);
        for (int col = 1; col < 4; ++col) {
            grid.SetCell(col, 0, QString("T%1").arg(col));
            for (int row = 1; row < 120; ++row)
                grid.SetCell(col, row, QString("r%1c%2").arg(row).arg(col));
        }
        grid.resize(500, 300);
        grid.show();
    }
    ~PreviewTest() override { Printer().SetOutputFileName(QString()); }

    // Opens the preview with Ctrl+P and works it with the script while it is up.
    void WithPreview(const std::function<void(TfgStringGridPreviewF &)> &script)
    {
        ScriptedModalRunner runner([&](QDialog &shown) {
            if (auto *preview = dynamic_cast<TfgStringGridPreviewF *>(&shown))
                script(*preview);
            return 0;
        });
        QTest::keyClick(&grid, Qt::Key_P, Qt::ControlModifier);
        ASSERT_GE(runner.RunCount(), 1);
    }

    static void Select(QListWidget *list, const QString &text)
    {
        QListWidgetItem *item = list->findItems(text, Qt::MatchExactly).value(0);
        ASSERT_TRUE(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    }

    // Clicks a check box on its box, not on the empty room beside its text.
    static void Tick(QCheckBox *box)
    {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }

    static bool IsBlank(const QImage &image)
    {
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2)
                if (image.pixel(x, y) != qRgb(255, 255, 255))
                    return false;
        return true;
    }

    MessageRecorder messages;
    QString pdf;
    TfgStringGrid grid;
};

TEST_F(PreviewTest, OpensOnPageOneAndTitlesChangeTheImageOnlyWhenShownOrLive)
{
    grid.PrintOptions()->PreviewPage = 3; // left from an earlier preview
    WithPreview([&](TfgStringGridPreviewF &preview) {
        const QImage first = preview.ShownImage();
        EXPECT_FALSE(IsBlank(first));
        const int pages = grid.CountPreviewPages();
        EXPECT_GE(pages, 2);
        EXPECT_EQ(preview.lblpages->text(), QString("of %1").arg(pages));
        EXPECT_EQ(preview.previewpage->maximum(), pages);
        EXPECT_EQ(grid.PrintOptions()->PreviewPage, 1);

        preview.Header->clear();
        QTest::keyClicks(preview.Header, "Standings");
        EXPECT_EQ(grid.PrintOptions()->PageTitle, "Standings");
        EXPECT_EQ(preview.ShownImage(), first);
        QTest::mouseClick(preview.btnshow, Qt::LeftButton);
        const QImage titled = preview.ShownImage();
        EXPECT_NE(titled, first);

        Tick(preview.cklive);
        ASSERT_TRUE(preview.cklive->isChecked());
        QTest::keyClicks(preview.Header, " 2004");
        EXPECT_NE(preview.ShownImage(), titled);
        preview.previewpage->setValue(2);
        EXPECT_EQ(grid.PrintOptions()->PreviewPage, 2);
        EXPECT_FALSE(IsBlank(preview.ShownImage()));

        Select(preview.Headers, "FooterText");
        EXPECT_EQ(preview.Header->text(), "date|time|page");
    });
}

TEST_F(PreviewTest, SizeItemsLimitTheMarginBox)
{
    WithPreview([&](TfgStringGridPreviewF &preview) {
        Select(preview.Margins, "HeaderSize");
        EXPECT_EQ(preview.Margin->minimum(), 6);
        EXPECT_EQ(preview.Margin->maximum(), 72);
        EXPECT_EQ(preview.Margin->value(), 10);
        Select(preview.Margins, "MarginTop");
        EXPECT_EQ(preview.Margin->minimum(), 0);
        EXPECT_EQ(preview.Margin->maximum(), 400);
        EXPECT_EQ(grid.PrintOptions()->MarginTop, 0);
        EXPECT_EQ(grid.PrintOptions()->HeaderSize, 10);
        preview.Margin->setValue(25);
        EXPECT_EQ(grid.PrintOptions()->MarginTop, 25);
        Tick(preview.ckborders);
        EXPECT_EQ(grid.PrintOptions()->BorderStyle, TPrintOptions::bsSingle);
    });
}

TEST_F(PreviewTest, ClicksZoomInUntilFullSize)
{
    WithPreview([&](TfgStringGridPreviewF &preview) {
        const int full = preview.PrintImage.width();
        QImage half(full / 2, preview.PrintImage.height() / 2, QImage::Format_RGB888);
        half.fill(Qt::white);
        preview.ShowImage(half);
        const double expected[] = {0.625, 0.78125, 0.9765625, 1, 1};
        double shown = double(full / 2);
        for (double share : expected) {
            QTest::mouseClick(preview.PreviewImage, Qt::LeftButton);
            // Each step rounds to whole pixels, so the share drifts by a pixel at most per step.
            shown = share == 1 ? full : std::round(shown / 0.8);
            EXPECT_NEAR(preview.ShownImage().width(), share * full, 3) << share;
            EXPECT_EQ(preview.ShownImage().width(), int(shown)) << share;
        }
        QTest::mouseClick(preview.btnfull, Qt::LeftButton);
        EXPECT_EQ(preview.ShownImage().width(), preview.ScrollBox1->viewport()->width());
    });
}

TEST_F(PreviewTest, ALogoIsTakenOnlyWhileTheLogoItemIsSelected)
{
    const QString logo = CurrentTestFolders().Root() + "/logo.bmp";
    QImage picture(30, 20, QImage::Format_RGB888);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(logo));
    ScriptedModalRunner runner([&](QDialog &shown) {
        if (auto *files = dynamic_cast<QFileDialog *>(&shown)) {
            files->selectFile(logo);
            static_cast<QDialog *>(files)->accept();
            return int(QDialog::Accepted);
        }
        auto &preview = static_cast<TfgStringGridPreviewF &>(shown);
        Select(preview.Headers, "DateFormat");
        QTest::mouseClick(preview.btnpic, Qt::LeftButton);
        EXPECT_EQ(grid.PrintOptions()->Logo, "");
        EXPECT_EQ(grid.PrintOptions()->DateFormat, "d-mmm-yyyy");
        Select(preview.Headers, "Logo");
        QTest::mouseClick(preview.btnpic, Qt::LeftButton);
        EXPECT_EQ(grid.PrintOptions()->Logo, logo);
        EXPECT_EQ(preview.Header->text(), logo);
        QTest::mouseClick(preview.btnshow, Qt::LeftButton);
        const QImage page = preview.ShownImage();
        EXPECT_EQ(page.pixelColor(5, 5), QColor(Qt::red)); // the logo at the top-left corner
        QTest::mouseClick(preview.btnprint, Qt::LeftButton);
        return 0;
    });
    QTest::keyClick(&grid, Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(PdfText(pdf).contains("r119c3"));
    EXPECT_EQ(messages.Count(), 0);
}

} // namespace
