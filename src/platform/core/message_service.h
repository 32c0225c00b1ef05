#pragma once

#include "platform/core/enum_set.h"
#include "platform/core/modal_result.h"

#include <QList>
#include <QString>

// Message boxes and input prompts. Every call goes through one replaceable service object, so a
// test installs a MessageRecorder and no modal box ever waits for a user. The boxes on the screen
// are a backend that a program with windows sets (InstallMessageBoxes in platform/ui); without
// one, texts go to the log and the default button answers.

enum TMsgDlgType
{
    mtWarning,
    mtError,
    mtInformation,
    mtConfirmation,
    mtCustom
};

enum TMsgDlgBtn
{
    mbYes,
    mbNo,
    mbOK,
    mbCancel,
    mbAbort,
    mbRetry,
    mbIgnore,
    mbAll,
    mbNoToAll,
    mbYesToAll
};

using TMsgDlgButtons = EnumSet<TMsgDlgBtn>;

inline const TMsgDlgButtons mbYesNoCancel{mbYes, mbNo, mbCancel};
inline const TMsgDlgButtons mbOKCancel{mbOK, mbCancel};
inline const TMsgDlgButtons mbAbortRetryIgnore{mbAbort, mbRetry, mbIgnore};

// The button of a box: its modal result (mrYes ...) and its text ("Ναι" ...).
int ModalResultOf(TMsgDlgBtn button);
QString ButtonText(TMsgDlgBtn button);

// Flags and answers of the application message box, with the numbers of the system box it stands
// in for (IDOK equals mrOk, IDYES equals mrYes, and so on).
constexpr int MB_OK = 0x0;
constexpr int MB_OKCANCEL = 0x1;
constexpr int MB_ABORTRETRYIGNORE = 0x2;
constexpr int MB_YESNOCANCEL = 0x3;
constexpr int MB_YESNO = 0x4;
constexpr int MB_RETRYCANCEL = 0x5;
constexpr int MB_ICONERROR = 0x10;
constexpr int MB_ICONHAND = MB_ICONERROR;
constexpr int MB_ICONSTOP = MB_ICONERROR;
constexpr int MB_ICONQUESTION = 0x20;
constexpr int MB_ICONWARNING = 0x30;
constexpr int MB_ICONEXCLAMATION = MB_ICONWARNING;
constexpr int MB_ICONINFORMATION = 0x40;
constexpr int MB_ICONASTERISK = MB_ICONINFORMATION;
constexpr int MB_DEFBUTTON1 = 0x000;
constexpr int MB_DEFBUTTON2 = 0x100;
constexpr int MB_DEFBUTTON3 = 0x200;

constexpr int IDOK = mrOk;
constexpr int IDCANCEL = mrCancel;
constexpr int IDABORT = mrAbort;
constexpr int IDRETRY = mrRetry;
constexpr int IDIGNORE = mrIgnore;
constexpr int IDYES = mrYes;
constexpr int IDNO = mrNo;

enum class MessageKind
{
    Dialog,     // MessageDlg
    Message,    // ShowMessage
    MessageBox, // ApplicationMessageBox
    Input       // InputQuery and InputBox
};

// One request to the service, in a form that does not depend on the call that made it.
struct MessageRequest
{
    MessageKind kind = MessageKind::Dialog;
    QString text;
    QString caption;
    TMsgDlgType icon = mtCustom; // mtCustom: no icon
    QList<TMsgDlgBtn> buttons;   // in the order shown
    TMsgDlgBtn defaultButton = mbOK;
    int helpContext = 0;
    QString value; // Input: the text offered in the edit line
};

struct MessageAnswer
{
    int result = mrNone; // the modal result of the button that closed the box
    QString value;       // Input: the text in the edit line when the box closed
};

class MessageService
{
public:
    virtual ~MessageService() = default;
    virtual MessageAnswer Show(const MessageRequest &request) = 0;
};

// The service in force: the installed one, else the backend, else the unattended one.
MessageService &CurrentMessageService();

// Installs a service; nullptr goes back to the backend. Returns the service it replaces
// (nullptr when that was the backend).
MessageService *InstallMessageService(MessageService *service);

// Sets the service that shows the boxes for real; returns the one it replaces.
MessageService *SetMessageBackend(MessageService *backend);

// The caption of a MessageDlg box of each type: "Προειδοποίηση", "Σφάλμα", "Πληροφορία",
// "ΕΠΙΒΕΒΑΙΩΣΗ"; a custom box carries the application title.
QString DialogCaption(TMsgDlgType type);

// The default button when the caller names none: OK, else Yes, else Retry, else the first.
TMsgDlgBtn DefaultButtonOf(TMsgDlgButtons buttons);

// Shows a box with the buttons in a fixed order (Yes, No, OK, Cancel, Abort, Retry, Ignore, All,
// No to all, Yes to all) and returns the modal result of the one pressed.
int MessageDlg(const QString &msg, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext = 0);
int MessageDlg(const QString &msg, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext,
               TMsgDlgBtn defaultButton);

// A box with the text and one OK button, captioned with the application title.
void ShowMessage(const QString &msg);

// The system-style box: flags combine one button set, one icon and one default button; an empty
// caption means the application title. Returns IDOK, IDCANCEL, IDYES, IDNO ...
int ApplicationMessageBox(const QString &text, const QString &caption, int flags);

// A one-line prompt. InputQuery returns true on OK and then puts the typed text into value;
// InputBox returns the typed text on OK and the default otherwise.
bool InputQuery(const QString &caption, const QString &prompt, QString &value);
QString InputBox(const QString &caption, const QString &prompt, const QString &defaultValue);
