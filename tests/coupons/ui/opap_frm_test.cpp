#include "coupons/kup_file.h"
#include "coupons/ui/list_deltia_frm.h"
#include "coupons/ui/opap_edt_scor_dlg.h"
#include "coupons/ui/opap_frm.h"
#include "coupons/ui/opap_sel_rounds_frm.h"
#include "kup_test_files.h"
#include "platform/core/message_recorder.h"
#include "platform/core/modal_result.h"
#include "platform/core/paths.h"
#include "platform/ui/db_grid.h"
#include "platform/ui/modal_runner.h"
#include "platform/ui/string_grid.h"
#include "support/data_module_test_base.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace tav::coupons;

namespace {

const char *const kFinished =
    "Η ενημέρωση ολοκληρώθηκε , τώρα μπορείτε να κάνετε Ανάλυση Κουπονιού και πολλά άλλα.";

class OpapFrmTest : public ProgramDataModuleTest
{
protected:
    void SetUp() override
    {
        ProgramDataModuleTest::SetUp();
        const int country = AddCountry("Αγγλία");
        Post(Dm().Kathgories, {{"GrName", "Πρέμιερ"}, {"Kratos", country}, {"OPAP", "ΑΓΓ"}, {"Typos", 0}});
        const int katNo = Dm().Kathgories.FieldByName("KatNo").AsInteger();
        AddCompetition(katNo, "2003-2004", 4);
        const int dNo = AddCompetition(katNo, "2004-2005", 4, 4);
        const int home = AddCompetitionTeam(dNo, Team(country, "Άρσεναλ", "ARSENAL"));
        const int away = AddCompetitionTeam(dNo, Team(country, "Τσέλσι", "CHELSEA"));
        early_ = AddMatch(dNo, 1, home, away, QDate(2004, 8, 18), 1, 1);
        late_ = AddMatch(dNo, 20, home, away, QDate(2005, 3, 11));
        const QDate day(2005, 1, 6);
        TKupRow first = KupRow("2", day, "", "", "LIVERPOOL", "CHELSEA");
        TKupRow second = KupRow("1", day, "17:30", "ΑΓΓ", "ARSENAL", "CHELSEA");
        second.Odd1 = "1.85";
        second.OddX = "3,20";
        second.Odd2 = "4.10";
        second.Score = "2 - 1";
        ASSERT_TRUE(EnsureFolder(KouponiaFolder()));
        WriteBytes(JoinPath(KouponiaFolder(), "31_20050106_20050109.kup"),
                   KupBytes(second, DateToKupDays(day), DateToKupDays(day.addDays(3)), 31) + KupBytes(first));
        messages_.Clear();
    }

    int Team(int country, const QString &name, const QString &opapName)
    {
        const int teamNo = AddTeam(country, name, name);
        EXPECT_TRUE(Dm().Omades.Edit());
        Dm().Omades.FieldByName("OPAPName").SetAsString(opapName);
        EXPECT_TRUE(Dm().Omades.Post());
        return teamNo;
    }

    int early_ = 0;
    int late_ = 0;
    MessageRecorder messages_;
};

TEST_F(OpapFrmTest, ACouponUpdatesThePickedMatchAndKeepsTheStoredScore)
{
    QPointer<TOPAPFrm> form = OPAPFrm();
    QStringList grid;
    QString roundsCaption;
    int candidates = 0;
    QString scoreCaption;
    ScriptedModalRunner runner([&](QDialog &dialog) -> int {
        if (auto *picker = qobject_cast<TListDeltiaFrm *>(&dialog)) {
            picker->List1->setCurrentRow(0);
            QTest::mouseClick(picker->BtnOK, Qt::LeftButton);
            return dialog.result();
        }
        if (auto *rounds = qobject_cast<TSelRoundsFrm *>(&dialog)) {
            roundsCaption = rounds->Panel2->text();
            candidates = rounds->DBGrid1->model()->rowCount();
            QTest::mouseClick(rounds->BBtnOK, Qt::LeftButton);
            return dialog.result();
        }
        if (auto *score = qobject_cast<TEdtSCORDlg *>(&dialog)) {
            scoreCaption = score->GroupBox1->title();
            QTest::mouseClick(score->ChkTavrolin, Qt::LeftButton);
            EXPECT_FALSE(score->ChkOPAP->isChecked());
            QTest::mouseClick(score->OKBtn, Qt::LeftButton);
            return dialog.result();
        }
        auto *opap = qobject_cast<TOPAPFrm *>(&dialog);
        EXPECT_NE(opap, nullptr);
        EXPECT_EQ(opap->PeriodCombo->count(), 2);
        EXPECT_EQ(opap->PeriodCombo->item(1)->checkState(), Qt::Checked);
        QTest::mouseClick(opap->BBtnKup, Qt::LeftButton);
        for (int row = 1; row < opap->SGrd->RowCount(); ++row)
            grid.append(opap->SGrd->Cells(0, row) + ' ' + opap->SGrd->Cells(1, row) + ' ' +
                        opap->SGrd->Cells(6, row));
        EXPECT_TRUE(opap->windowTitle().endsWith(" 31_20050106_20050109.kup"));
        QTest::mouseClick(opap->BBtnEnhm, Qt::LeftButton);
        EXPECT_TRUE(opap->BBtnEnhm->isEnabled());
        QTest::mouseClick(opap->BBtnBack, Qt::LeftButton);
        return dialog.result();
    });
    EXPECT_EQ(RunModal(*form), mrCancel);

    EXPECT_EQ(grid, QStringList({"1 ΑΓΓ 1,85", "2 ΑΓΓ 1"}));
    EXPECT_EQ(roundsCaption, "ΑΓΓ-->ARSENAL-CHELSEA -  ΣΚΟΡ ΟΠΑΠ -> 2 - 1");
    EXPECT_EQ(candidates, 2);
    EXPECT_EQ(scoreCaption, "ΑΓΓ-06/01/2005->ARSENAL-CHELSEA");
    EXPECT_EQ(messages_.Texts(), QStringList{kFinished});
    const QList<QVariantList> stored =
        Rows("select OPAPAr, \"Date\", AP1, APX, AP2, TelGGoals, TelFGoals from Agvnes where GameNo = ?1",
             {early_});
    ASSERT_EQ(stored.size(), 1);
    EXPECT_EQ(stored[0][0].toInt(), 1);
    EXPECT_EQ(stored[0][1].toString(), "2005-01-06");
    EXPECT_DOUBLE_EQ(stored[0][2].toDouble(), 1.85);
    EXPECT_DOUBLE_EQ(stored[0][4].toDouble(), 4.1);
    EXPECT_EQ(stored[0][5].toInt(), 1);
    EXPECT_EQ(stored[0][6].toInt(), 1);
    EXPECT_TRUE(Rows("select OPAPAr from Agvnes where GameNo = ?1", {late_})[0][0].isNull());

    // Closed, the window frees itself; the next opening is a new one.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull());
}

} // namespace
