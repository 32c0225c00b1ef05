#include "platform/core/message_recorder.h"
#include "platform/core/message_service.h"
#include "platform/ui/application.h"
#include "support/qstring_printer.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(MessageServiceTest, ButtonsCarryGreekTextsAndModalResults)
{
    struct Case
    {
        TMsgDlgBtn button;
        const char *text;
        int result;
    };
    const Case cases[] = {
        {mbYes, "Ναι", mrYes},
        {mbNo, "Όχι", mrNo},
        {mbOK, "OK", mrOk},
        {mbCancel, "Άκυρο", mrCancel},
        {mbAbort, "Διακοπή", mrAbort},
        {mbRetry, "Επανάληψη", mrRetry},
        {mbIgnore, "Παράβλεψη", mrIgnore},
        {mbAll, "Όλα", mrAll},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(ButtonText(c.button), QString::fromUtf8(c.text));
        EXPECT_EQ(ModalResultOf(c.button), c.result);
    }
    EXPECT_EQ(mrNone, 0);
    EXPECT_EQ(mrOk, 1);
    EXPECT_EQ(mrCancel, 2);
    EXPECT_EQ(mrAbort, 3);
    EXPECT_EQ(mrRetry, 4);
    EXPECT_EQ(mrIgnore, 5);
    EXPECT_EQ(mrYes, 6);
    EXPECT_EQ(mrNo, 7);
    EXPECT_EQ(mrAll, 8);
}

TEST(MessageServiceTest, DialogCaptionFollowsTheType)
{
    SetApplicationTitle("Tavrolin");
    const std::pair<TMsgDlgType, const char *> cases[] = {
        {mtWarning, "Προειδοποίηση"},    {mtError, "Σφάλμα"},    {mtInformation, "Πληροφορία"},
        {mtConfirmation, "ΕΠΙΒΕΒΑΙΩΣΗ"}, {mtCustom, "Tavrolin"},
    };
    MessageRecorder recorder;
    for (const auto &[type, caption] : cases) {
        MessageDlg("κείμενο", type, {mbOK});
        EXPECT_EQ(recorder.Last().caption, QString::fromUtf8(caption));
        EXPECT_EQ(recorder.Last().icon, type);
    }
}

TEST(MessageServiceTest, RecorderRecordsTheCallAndAnswersFromItsQueue)
{
    MessageRecorder recorder;
    recorder.QueueAnswer(mrNo);
    recorder.QueueAnswer(mrCancel);

    EXPECT_EQ(MessageDlg("Να διαγραφεί;", mtConfirmation, {mbNo, mbCancel, mbYes}, 12, mbNo), mrNo);
    EXPECT_EQ(MessageDlg("Δεύτερη", mtWarning, {mbOK, mbCancel}), mrCancel);
    // The queue is empty: the box's default button answers.
    EXPECT_EQ(MessageDlg("Τρίτη", mtConfirmation, {mbYes, mbNo}), mrYes);

    ASSERT_EQ(recorder.Count(), 3);
    const MessageRequest &first = recorder.Calls().at(0);
    EXPECT_EQ(first.kind, MessageKind::Dialog);
    EXPECT_EQ(first.text, QString::fromUtf8("Να διαγραφεί;"));
    EXPECT_EQ(first.caption, QString::fromUtf8("ΕΠΙΒΕΒΑΙΩΣΗ"));
    EXPECT_EQ(first.buttons, (QList<TMsgDlgBtn>{mbYes, mbNo, mbCancel}));
    EXPECT_EQ(first.defaultButton, mbNo);
    EXPECT_EQ(first.helpContext, 12);
    EXPECT_EQ(recorder.Calls().at(1).defaultButton, mbOK);
    EXPECT_EQ(recorder.Texts(), QStringList({QString::fromUtf8("Να διαγραφεί;"), QString::fromUtf8("Δεύτερη"),
                                             QString::fromUtf8("Τρίτη")}));
}

TEST(MessageServiceTest, DefaultButtonWhenTheCallerNamesNone)
{
    EXPECT_EQ(DefaultButtonOf({mbYes, mbNo, mbOK}), mbOK);
    EXPECT_EQ(DefaultButtonOf({mbNo, mbYes}), mbYes);
    EXPECT_EQ(DefaultButtonOf(mbAbortRetryIgnore), mbRetry);
    EXPECT_EQ(DefaultButtonOf({mbIgnore, mbAll}), mbIgnore);

    MessageRecorder recorder;
    // A default that is not among the buttons, and a box without buttons, still get one that is.
    MessageDlg("α", mtWarning, {mbYes, mbNo}, 0, mbCancel);
    EXPECT_EQ(recorder.Last().defaultButton, mbYes);
    MessageDlg("β", mtWarning, {});
    EXPECT_EQ(recorder.Last().buttons, QList<TMsgDlgBtn>{mbOK});
}

TEST(MessageServiceTest, DefaultAnswerReplacesTheDefaultButton)
{
    MessageRecorder recorder;
    recorder.SetDefaultAnswer(mrNo);
    EXPECT_EQ(MessageDlg("α", mtConfirmation, {mbYes, mbNo}), mrNo);
    EXPECT_EQ(MessageDlg("β", mtConfirmation, {mbYes, mbNo}), mrNo);
    recorder.Clear();
    EXPECT_EQ(recorder.Count(), 0);
    EXPECT_EQ(MessageDlg("γ", mtConfirmation, {mbYes, mbNo}), mrYes);
    EXPECT_THROW(MessageRecorder().Last(), std::logic_error);
}

TEST(MessageServiceTest, ApplicationMessageBoxMapsItsFlags)
{
    SetApplicationTitle("Tavrolin");
    struct Case
    {
        int flags;
        QList<TMsgDlgBtn> buttons;
        TMsgDlgBtn defaultButton;
        TMsgDlgType icon;
        int answer; // what pressing Enter gives
    };
    const Case cases[] = {
        {MB_OK, {mbOK}, mbOK, mtCustom, IDOK},
        {MB_YESNO | MB_ICONQUESTION, {mbYes, mbNo}, mbYes, mtConfirmation, IDYES},
        {MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, {mbYes, mbNo}, mbNo, mtConfirmation, IDNO},
        {MB_OKCANCEL | MB_ICONWARNING | MB_DEFBUTTON2, {mbOK, mbCancel}, mbCancel, mtWarning, IDCANCEL},
        {MB_RETRYCANCEL | MB_ICONERROR, {mbRetry, mbCancel}, mbRetry, mtError, IDRETRY},
        {MB_YESNOCANCEL | MB_ICONINFORMATION | MB_DEFBUTTON3,
         {mbYes, mbNo, mbCancel},
         mbCancel,
         mtInformation,
         IDCANCEL},
        {MB_YESNO | MB_DEFBUTTON3, {mbYes, mbNo}, mbYes, mtCustom, IDYES},
    };
    MessageRecorder recorder;
    for (const Case &c : cases) {
        EXPECT_EQ(ApplicationMessageBox("Έξοδος από την εφαρμογή;", "ΕΠΙΒΕΒΑΙΩΣΗ", c.flags), c.answer);
        const MessageRequest &call = recorder.Last();
        EXPECT_EQ(call.kind, MessageKind::MessageBox);
        EXPECT_EQ(call.caption, QString::fromUtf8("ΕΠΙΒΕΒΑΙΩΣΗ"));
        EXPECT_EQ(call.buttons, c.buttons);
        EXPECT_EQ(call.defaultButton, c.defaultButton);
        EXPECT_EQ(call.icon, c.icon);
    }
    ApplicationMessageBox("κείμενο", QString(), MB_OK);
    EXPECT_EQ(recorder.Last().caption, QString("Tavrolin"));
}

TEST(MessageServiceTest, ShowMessageHasOneOkButtonUnderTheApplicationTitle)
{
    SetApplicationTitle("Tavrolin");
    MessageRecorder recorder;
    ShowMessage("Η αποθήκευση ολοκληρώθηκε!");
    const MessageRequest &call = recorder.Last();
    EXPECT_EQ(call.kind, MessageKind::Message);
    EXPECT_EQ(call.text, QString::fromUtf8("Η αποθήκευση ολοκληρώθηκε!"));
    EXPECT_EQ(call.caption, QString("Tavrolin"));
    EXPECT_EQ(call.buttons, QList<TMsgDlgBtn>{mbOK});
}

TEST(MessageServiceTest, InputQueryTakesTheTypedTextOnlyOnOk)
{
    MessageRecorder recorder;
    recorder.QueueInput("2004");
    recorder.QueueInput("ignored", mrCancel);

    QString value = "2003";
    EXPECT_TRUE(InputQuery("Περίοδος", "Δώστε έτος", value));
    EXPECT_EQ(value, QString("2004"));
    EXPECT_EQ(recorder.Last().kind, MessageKind::Input);
    EXPECT_EQ(recorder.Last().caption, QString::fromUtf8("Περίοδος"));
    EXPECT_EQ(recorder.Last().text, QString::fromUtf8("Δώστε έτος"));
    EXPECT_EQ(recorder.Last().value, QString("2003"));

    EXPECT_FALSE(InputQuery("Περίοδος", "Δώστε έτος", value));
    EXPECT_EQ(value, QString("2004"));

    recorder.QueueInput("Ολυμπιακός");
    EXPECT_EQ(InputBox("Ομάδα", "Όνομα", "ΠΑΟΚ"), QString::fromUtf8("Ολυμπιακός"));
    recorder.QueueInput("x", mrCancel);
    EXPECT_EQ(InputBox("Ομάδα", "Όνομα", "ΠΑΟΚ"), QString::fromUtf8("ΠΑΟΚ"));
    // Nothing queued: OK with the offered text.
    EXPECT_EQ(InputBox("Ομάδα", "Όνομα", "ΑΕΚ"), QString::fromUtf8("ΑΕΚ"));
}

TEST(MessageServiceTest, RecordersNestAndPutThePreviousServiceBack)
{
    MessageRecorder outer;
    {
        MessageRecorder inner;
        ShowMessage("μέσα");
        EXPECT_EQ(&CurrentMessageService(), &inner);
        EXPECT_EQ(inner.Count(), 1);
    }
    EXPECT_EQ(&CurrentMessageService(), &outer);
    ShowMessage("έξω");
    EXPECT_EQ(outer.Texts(), QStringList{QString::fromUtf8("έξω")});
}

// The real boxes, answered by pressing their buttons from a timer.
template <typename Dialog, typename Action> void WhenShown(Action action)
{
    QTimer::singleShot(0, [action] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        action(dialog);
    });
}

QPushButton *ButtonWithText(QMessageBox *box, const QString &text)
{
    for (QAbstractButton *button : box->buttons()) {
        if (button->text() == text)
            return qobject_cast<QPushButton *>(button);
    }
    return nullptr;
}

TEST(MessageServiceTest, RealBoxShowsGreekButtonsAndReportsThePressedOne)
{
    QStringList texts;
    QString defaultText;
    QString title;
    WhenShown<QMessageBox>([&](QMessageBox *box) {
        for (QAbstractButton *button : box->buttons())
            texts.append(button->text());
        defaultText = box->defaultButton()->text();
        title = box->windowTitle();
        ButtonWithText(box, QString::fromUtf8("Άκυρο"))->click();
    });
    EXPECT_EQ(MessageDlg("Να γίνει αντιγραφή;", mtConfirmation, mbYesNoCancel, 0, mbNo), mrCancel);
    texts.sort();
    QStringList expected{QString::fromUtf8("Ναι"), QString::fromUtf8("Όχι"), QString::fromUtf8("Άκυρο")};
    expected.sort();
    EXPECT_EQ(texts, expected);
    EXPECT_EQ(defaultText, QString::fromUtf8("Όχι"));
    EXPECT_EQ(title, QString::fromUtf8("ΕΠΙΒΕΒΑΙΩΣΗ"));

    WhenShown<QMessageBox>([](QMessageBox *box) { box->defaultButton()->click(); });
    EXPECT_EQ(ApplicationMessageBox("Έξοδος;", "ΕΠΙΒΕΒΑΙΩΣΗ", MB_YESNO | MB_DEFBUTTON2), IDNO);
}

TEST(MessageServiceTest, RealPromptReturnsTheTypedText)
{
    WhenShown<QInputDialog>([](QInputDialog *dialog) {
        EXPECT_EQ(dialog->okButtonText(), QString("OK"));
        EXPECT_EQ(dialog->cancelButtonText(), QString::fromUtf8("Άκυρο"));
        dialog->setTextValue("2005");
        dialog->accept();
    });
    QString value = "2003";
    EXPECT_TRUE(InputQuery("Περίοδος", "Έτος", value));
    EXPECT_EQ(value, QString("2005"));

    WhenShown<QInputDialog>([](QInputDialog *dialog) { dialog->reject(); });
    EXPECT_EQ(InputBox("Περίοδος", "Έτος", "2003"), QString("2003"));
}

} // namespace
