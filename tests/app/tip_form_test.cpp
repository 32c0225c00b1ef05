#include "app/tip_form.h"
#include "platform/core/modal_result.h"
#include "platform/core/registry.h"
#include "support/qstring_printer.h"
#include "support/test_environment.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSet>

#include <gtest/gtest.h>

namespace {

TEST(TipsTest, SeventeenTipsOfTheStoredLengths)
{
    const int lengths[TipCount] = {194, 198, 141, 117, 93, 218, 82,  143, 147,
                                   144, 133, 211, 234, 93, 222, 224, 120};
    for (int i = 0; i < TipCount; ++i) {
        EXPECT_EQ(Tips()[i].size(), lengths[i]) << "tip " << i;
        EXPECT_LE(Tips()[i].size(), 250) << "tip " << i;
    }
    EXPECT_EQ(Tips()[4], QString("Μελετήστε τις προτάσεις του προγράμματος και δημιουργήστε τα δικά σας "
                                 "Συστήματα για παιχνίδι."));
    EXPECT_EQ(Tips()[16], QString("Μια απαραίτητη ρύθμιση από τον πίνακα ελέγχου - BDE "
                                  "Administrator-Configuration-System-Init η τιμή του LOCAL SHARE=FALSE"));
    EXPECT_TRUE(Tips()[5].contains("(Πρωταθλήματα ,Κύπελα)             Μελετήστε"));
}

TEST(TipsTest, FlagsLiveInSectionTipsOfTheGeneralKey)
{
    EXPECT_TRUE(ReadShowTips());
    EXPECT_FALSE(ReadEndFlag());
    WriteShowTips(false);
    WriteEndFlag(true);
    EXPECT_FALSE(ReadShowTips());
    EXPECT_TRUE(ReadEndFlag());
    const TRegIniFile general("Software\\TAVROLIN\\General");
    EXPECT_FALSE(general.ReadBool("Tips", "ShowTips", true));
    EXPECT_TRUE(general.ReadBool("Tips", "EndFlag", false));
}

TEST(TipsTest, ShowingPutsARandomTipAndTheStoredChoice)
{
    TTipsDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), QString("Πληροφορία της Ημέρας"));
    EXPECT_EQ(dialog.Label1->text(), QString("Γνωρίζετε ότι ..."));
    EXPECT_EQ(dialog.ChkShowTips->text(), QString("Να φαίνονται οι πληροφορίες κατά την εκκίνηση"));
    EXPECT_EQ(dialog.BitBtn2->text(), QString("&Επόμενη"));
    EXPECT_EQ(dialog.BitBtn1->text(), QString("&Κλείσιμο"));

    WriteShowTips(false);
    dialog.open();
    EXPECT_FALSE(dialog.ChkShowTips->isChecked());
    EXPECT_TRUE(std::find(Tips().begin(), Tips().end(), dialog.Label2->text()) != Tips().end());
    dialog.BitBtn1->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), mrCancel);

    WriteShowTips(true);
    dialog.open();
    EXPECT_TRUE(dialog.ChkShowTips->isChecked());
    dialog.reject();
}

TEST(TipsTest, NextDrawsFurtherTipsFromTheTable)
{
    TTipsDlg dialog;
    dialog.open();
    QSet<QString> seen;
    for (int i = 0; i < 200; ++i) {
        dialog.BitBtn2->click();
        const QString tip = dialog.Label2->text();
        ASSERT_TRUE(std::find(Tips().begin(), Tips().end(), tip) != Tips().end()) << i;
        seen.insert(tip);
    }
    EXPECT_GT(seen.size(), 5) << "the tips are drawn at random, not one and the same";
    dialog.reject();
}

TEST(TipsTest, ClosingStoresTheCheckBoxWhicheverWayTheDialogCloses)
{
    TTipsDlg dialog;
    dialog.open();
    dialog.ChkShowTips->setChecked(false);
    dialog.BitBtn1->click();
    EXPECT_FALSE(ReadShowTips()) << "unticked: no tip at the next starts";

    dialog.open();
    dialog.ChkShowTips->setChecked(true);
    dialog.reject(); // Escape or the window's close button
    EXPECT_EQ(dialog.result(), mrCancel);
    EXPECT_TRUE(ReadShowTips());
    EXPECT_FALSE(ReadEndFlag()) << "the dialog leaves EndFlag to the main window";
}

} // namespace
