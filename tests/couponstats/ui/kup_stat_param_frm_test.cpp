#include "couponstats/ui/kup_stat_param_frm.h"

#include "couponstats/ui/typing.h"
#include "platform/core/modal_result.h"
#include "platform/core/registry.h"
#include "platform/ui/modal_runner.h"
#include "support/qstring_printer.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace tav::couponstats;

namespace {

const char *const kKey = "Software\\Tavrolin\\Directories";

// Types the text into the edit key by key, as the user does.
void Type(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    TypeKeys(edit, text);
}

TEST(KupStatParamFrmTest, TheDialogShowsTheStoredThresholdsOrTheSpecialAnalysisDefaults)
{
    Tkup_StatParamFrm dialog;
    EXPECT_EQ(dialog.windowTitle(), QString("ΠΑΡΑΜΕΤΡΟΙ ΕΙΔΙΚΗΣ ΑΝΑΛΥΣΗΣ"));
    EXPECT_EQ(dialog.StyGroupBox1->Caption(), QString("ΣΗΜΕΙΑ ΠΡΟΤΑΣΗΣ"));
    EXPECT_TRUE(dialog.StyGroupBox1->CaptionFont().bold());
    EXPECT_EQ(dialog.StyGroupBox1->CaptionFont3D()->Style(), tav::styled::caption::tdShadow);
    EXPECT_EQ((std::array{dialog.BBtnBack->text(), dialog.BBtnSave->text(), dialog.BitBtn1->text()}),
              (std::array<QString, 3>{"&ΕΠΙΣΤΡΟΦΗ", "&ΑΠΟΘΗΚΕΥΣΗ", "Ε&ΦΑΡΜΟΓΗ"}));
    QStringList labels;
    for (QLabel *label : dialog.StyGroupBox1->findChildren<QLabel *>())
        labels.append(label->text());
    EXPECT_EQ(labels.count("οταν η διαφορά είναι από"), 3);
    EXPECT_EQ(labels.count("έως και"), 3);
    EXPECT_TRUE(labels.contains("Χ")); // Greek capital Chi
    EXPECT_FALSE(dialog.Edt1Apo->font().bold()) << "only the caption is bold";

    dialog.show();
    EXPECT_EQ(dialog.Texts(), (TThresholdTexts{"1", "500", "-4", "0", "-500", "-5"}));
    dialog.hide();

    TRegIniFile registry(kKey);
    registry.WriteString("Params", "1Apo", "3");
    registry.WriteString("Params", "2Eos", "");
    dialog.show();
    EXPECT_EQ(dialog.Texts(), (TThresholdTexts{"3", "500", "-4", "0", "-500", ""}));
}

TEST(KupStatParamFrmTest, EveryEditTakesOnlyDigitsAndTheMinusSign)
{
    Tkup_StatParamFrm dialog;
    dialog.show();
    const std::pair<QString, QString> typing[] = {{"-12", "-12"}, {"1a2,5.0", "1250"}, {" 7 ", "7"},
                                                  {"+4e", "4"},   {"Χ-0", "-0"},       {"αβγ", ""}};
    for (QLineEdit *edit : dialog.findChildren<QLineEdit *>()) {
        for (const auto &[typed, kept] : typing) {
            SCOPED_TRACE(typed.toStdString());
            Type(edit, typed);
            EXPECT_EQ(edit->text(), kept);
        }
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClick(edit, Qt::Key_Backspace);
        EXPECT_TRUE(edit->text().isEmpty()) << "Backspace passes";
    }
    EXPECT_EQ(dialog.findChildren<QLineEdit *>().size(), 6);
}

TEST(KupStatParamFrmTest, SaveStoresTheSixTextsAsTyped)
{
    Tkup_StatParamFrm dialog;
    ScriptedModalRunner runner([](QDialog &shown) {
        auto &params = static_cast<Tkup_StatParamFrm &>(shown);
        Type(params.Edt1Apo, "2");
        Type(params.Edt1Eos, "");
        Type(params.EdtXApo, "-3");
        Type(params.Edt2Eos, "-03");
        QTest::mouseClick(params.BBtnSave, Qt::LeftButton);
        return mrNone;
    });
    EXPECT_EQ(RunModal(dialog), mrOk);
    const TRegIniFile registry(kKey);
    QStringList stored;
    for (const char *name : kThresholdNames)
        stored.append(registry.ReadString("Params", name, "?"));
    EXPECT_EQ(stored, (QStringList{"2", "", "-3", "0", "-500", "-03"}));
    EXPECT_EQ(ReadThresholdTexts(kDefaultsB), (TThresholdTexts{"2", "", "-3", "0", "-500", "-03"}));
}

TEST(KupStatParamFrmTest, ApplyAndBackStoreNothing)
{
    Tkup_StatParamFrm dialog;
    const std::pair<QPushButton *, int> ways[] = {{dialog.BitBtn1, mrAll}, {dialog.BBtnBack, mrCancel}};
    for (const auto &[button, result] : ways) {
        SCOPED_TRACE(button->text().toStdString());
        ScriptedModalRunner runner([button](QDialog &shown) {
            auto &params = static_cast<Tkup_StatParamFrm &>(shown);
            Type(params.EdtXApo, "-2");
            Type(params.EdtXEos, "2");
            QTest::mouseClick(button, Qt::LeftButton);
            return mrNone;
        });
        EXPECT_EQ(RunModal(dialog), result);
        EXPECT_EQ(dialog.Texts(), (TThresholdTexts{"1", "500", "-2", "2", "-500", "-5"}))
            << "the caller reads them";
        EXPECT_FALSE(TRegIniFile(kKey).SectionExists("Params"));
    }
    dialog.show();
    QTest::keyClick(dialog.Edt1Apo, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), mrCancel);
    EXPECT_FALSE(TRegIniFile(kKey).SectionExists("Params"));
}

TEST(KupStatParamFrmTest, TheProgramHasOneDialog)
{
    EXPECT_EQ(kup_StatParamFrm(), kup_StatParamFrm());
}

} // namespace
