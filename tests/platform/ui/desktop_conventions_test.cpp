#include "platform/ui/application.h"
#include "support/qstring_printer.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

// The test main installs the Qt translation and the window placement, as the program does.

namespace {

QStringList ButtonTexts(const QWidget &dialog)
{
    QStringList texts;
    for (const QPushButton *button : dialog.findChildren<QPushButton *>())
        texts << button->text();
    return texts;
}

QStringList LabelTexts(const QWidget &dialog)
{
    QStringList texts;
    for (const QLabel *label : dialog.findChildren<QLabel *>())
        texts << label->text();
    return texts;
}

TEST(QtTranslationTest, FileDialogSpeaksGreek)
{
    QFileDialog dialog(nullptr, QString(), QDir::tempPath());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.show();
    EXPECT_TRUE(ButtonTexts(dialog).contains(QString("Άκυρο")));
    EXPECT_TRUE(ButtonTexts(dialog).contains(QString("&Αποθήκευση")));
    EXPECT_TRUE(LabelTexts(dialog).contains(QString("Αναζήτηση σε:")));
    EXPECT_TRUE(LabelTexts(dialog).contains(QString("Αρχεία τύπου:")));
}

TEST(QtTranslationTest, EditBoxMenuAndStandardButtonsSpeakGreek)
{
    QLineEdit edit;
    const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList actions;
    for (const QAction *action : menu->actions())
        actions << action->text().section('\t', 0, 0);
    EXPECT_TRUE(actions.contains(QString("&Αναίρεση"))) << actions.join('|').toStdString();
    EXPECT_TRUE(actions.contains(QString("&Επικόλληση")));
    EXPECT_TRUE(actions.contains(QString("Επιλογή όλων")));

    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Close);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), QString("Άκυρο"));
    EXPECT_EQ(buttons.button(QDialogButtonBox::Close)->text(), QString("Κλείσιμο"));
}

class WindowPlacementTest : public testing::Test
{
protected:
    void SetUp() override
    {
        main.setGeometry(QRect(60, 40, 500, 400));
        main.show();
        RegisterMainWindow(&main);
    }
    void TearDown() override { RegisterMainWindow(nullptr); }

    // Shows the dialog modally and hands it to the check while the modal loop runs.
    template <typename Check> static void WhileModal(QDialog &dialog, Check check)
    {
        QTimer::singleShot(0, &dialog, [&] {
            // Lets the queued raise of the placement run first.
            QCoreApplication::processEvents();
            check();
            dialog.reject();
        });
        dialog.exec();
    }

    QWidget main;
};

TEST_F(WindowPlacementTest, AMaximisedWindowTakesTheScreensAvailableArea)
{
    QDialog editor;
    editor.setWindowState(Qt::WindowMaximized);
    WhileModal(editor, [&] { EXPECT_EQ(editor.frameGeometry(), editor.screen()->availableGeometry()); });
}

TEST_F(WindowPlacementTest, AModalWindowWithoutParentOpensCentredOverTheMainWindowAndOnTop)
{
    QDialog dialog;
    dialog.resize(200, 100);
    WhileModal(dialog, [&] {
        EXPECT_EQ(dialog.frameGeometry().center(), main.frameGeometry().center());
        EXPECT_EQ(QApplication::activeWindow(), &dialog);
    });

    // Shown again after the main window moved: centred over its new place.
    main.move(120, 90);
    WhileModal(dialog, [&] { EXPECT_EQ(dialog.frameGeometry().center(), main.frameGeometry().center()); });
}

TEST(WindowPlacementWithoutMainTest, AModalWindowBeforeTheMainWindowIsUpOpensMidScreen)
{
    QWidget hiddenMain;
    RegisterMainWindow(&hiddenMain);
    QDialog dialog;
    dialog.resize(200, 100);
    QTimer::singleShot(0, &dialog, [&] {
        EXPECT_EQ(dialog.frameGeometry().center(), dialog.screen()->availableGeometry().center());
        dialog.reject();
    });
    dialog.exec();
    RegisterMainWindow(nullptr);
}

TEST_F(WindowPlacementTest, APlaceTheWindowChoseItselfStands)
{
    QDialog dialog;
    dialog.setGeometry(QRect(10, 20, 150, 80));
    WhileModal(dialog, [&] { EXPECT_EQ(dialog.geometry().topLeft(), QPoint(10, 20)); });
}

} // namespace
