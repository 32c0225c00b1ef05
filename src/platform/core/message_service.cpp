#include "platform/core/message_service.h"

#include "platform/core/application_title.h"

#include <QLoggingCategory>

#include <array>
#include <utility>

namespace {

struct ButtonInfo
{
    TMsgDlgBtn button;
    int result;
    const char *text;
};

// Every button in the order in which a box shows it.
constexpr std::array<ButtonInfo, 10> kButtons{{
    {mbYes, mrYes, "Ναι"},
    {mbNo, mrNo, "Όχι"},
    {mbOK, mrOk, "OK"},
    {mbCancel, mrCancel, "Άκυρο"},
    {mbAbort, mrAbort, "Διακοπή"},
    {mbRetry, mrRetry, "Επανάληψη"},
    {mbIgnore, mrIgnore, "Παράβλεψη"},
    {mbAll, mrAll, "Όλα"},
    {mbNoToAll, mrNoToAll, "Όχι σε όλα"},
    {mbYesToAll, mrYesToAll, "Ναι σε όλα"},
}};

// The table is indexed by the button's value.
static_assert(kButtons[mbYes].button == mbYes && kButtons[mbOK].button == mbOK &&
              kButtons[mbAll].button == mbAll && kButtons[mbYesToAll].button == mbYesToAll);

const ButtonInfo &InfoOf(TMsgDlgBtn button)
{
    return kButtons[static_cast<std::size_t>(button)];
}

const char *const kWarningCaption = "Προειδοποίηση";
const char *const kErrorCaption = "Σφάλμα";
const char *const kInformationCaption = "Πληροφορία";
const char *const kConfirmationCaption = "ΕΠΙΒΕΒΑΙΩΣΗ";

QList<TMsgDlgBtn> ButtonsInOrder(TMsgDlgButtons buttons)
{
    QList<TMsgDlgBtn> list;
    for (const ButtonInfo &info : kButtons) {
        if (buttons.Contains(info.button))
            list.append(info.button);
    }
    return list;
}

MessageService *&InstalledService()
{
    static MessageService *service = nullptr;
    return service;
}

MessageService *&Backend()
{
    static MessageService *backend = nullptr;
    return backend;
}

Q_LOGGING_CATEGORY(lcMessages, "tavrolin.messages")

// Where no screen shows the boxes (a program without windows): the text goes to the log and the
// box's default button answers, so nothing waits for a user who is not there.
class UnattendedMessageService : public MessageService
{
public:
    MessageAnswer Show(const MessageRequest &request) override
    {
        qCWarning(lcMessages).noquote() << request.caption << ":" << request.text;
        if (request.kind == MessageKind::Input)
            return {mrCancel, request.value};
        return {InfoOf(request.defaultButton).result, {}};
    }
};

int Ask(MessageKind kind, const QString &text, const QString &caption, TMsgDlgType icon,
        const QList<TMsgDlgBtn> &buttons, TMsgDlgBtn defaultButton, int helpContext = 0)
{
    MessageRequest request;
    request.kind = kind;
    request.text = text;
    request.caption = caption;
    request.icon = icon;
    request.buttons = buttons;
    request.defaultButton = defaultButton;
    request.helpContext = helpContext;
    return CurrentMessageService().Show(request).result;
}

// The buttons of a system-style box in the order it shows them.
QList<TMsgDlgBtn> MessageBoxButtons(int flags)
{
    switch (flags & 0xF) {
    case MB_OKCANCEL:
        return {mbOK, mbCancel};
    case MB_ABORTRETRYIGNORE:
        return {mbAbort, mbRetry, mbIgnore};
    case MB_YESNOCANCEL:
        return {mbYes, mbNo, mbCancel};
    case MB_YESNO:
        return {mbYes, mbNo};
    case MB_RETRYCANCEL:
        return {mbRetry, mbCancel};
    default:
        return {mbOK};
    }
}

TMsgDlgType MessageBoxIcon(int flags)
{
    switch (flags & 0xF0) {
    case MB_ICONERROR:
        return mtError;
    case MB_ICONQUESTION:
        return mtConfirmation;
    case MB_ICONWARNING:
        return mtWarning;
    case MB_ICONINFORMATION:
        return mtInformation;
    default:
        return mtCustom;
    }
}

} // namespace

int ModalResultOf(TMsgDlgBtn button)
{
    return InfoOf(button).result;
}

QString ButtonText(TMsgDlgBtn button)
{
    return QString::fromUtf8(InfoOf(button).text);
}

MessageService &CurrentMessageService()
{
    static UnattendedMessageService unattended;
    if (MessageService *installed = InstalledService())
        return *installed;
    if (MessageService *backend = Backend())
        return *backend;
    return unattended;
}

MessageService *SetMessageBackend(MessageService *backend)
{
    return std::exchange(Backend(), backend);
}

MessageService *InstallMessageService(MessageService *service)
{
    return std::exchange(InstalledService(), service);
}

QString DialogCaption(TMsgDlgType type)
{
    switch (type) {
    case mtWarning:
        return QString::fromUtf8(kWarningCaption);
    case mtError:
        return QString::fromUtf8(kErrorCaption);
    case mtInformation:
        return QString::fromUtf8(kInformationCaption);
    case mtConfirmation:
        return QString::fromUtf8(kConfirmationCaption);
    case mtCustom:
        break;
    }
    return ApplicationTitle();
}

TMsgDlgBtn DefaultButtonOf(TMsgDlgButtons buttons)
{
    for (TMsgDlgBtn candidate : {mbOK, mbYes, mbRetry}) {
        if (buttons.Contains(candidate))
            return candidate;
    }
    const QList<TMsgDlgBtn> shown = ButtonsInOrder(buttons);
    return shown.isEmpty() ? mbOK : shown.first();
}

int MessageDlg(const QString &msg, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext)
{
    return MessageDlg(msg, type, buttons, helpContext, DefaultButtonOf(buttons));
}

int MessageDlg(const QString &msg, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext,
               TMsgDlgBtn defaultButton)
{
    // A box without buttons could never be closed: it gets OK.
    if (buttons.IsEmpty())
        buttons = {mbOK};
    if (!buttons.Contains(defaultButton))
        defaultButton = DefaultButtonOf(buttons);
    return Ask(MessageKind::Dialog, msg, DialogCaption(type), type, ButtonsInOrder(buttons), defaultButton,
               helpContext);
}

void ShowMessage(const QString &msg)
{
    Ask(MessageKind::Message, msg, ApplicationTitle(), mtCustom, {mbOK}, mbOK);
}

int ApplicationMessageBox(const QString &text, const QString &caption, int flags)
{
    const QList<TMsgDlgBtn> shown = MessageBoxButtons(flags);
    // The default-button flag counts the buttons in the order shown; a number past the last
    // button falls back to the first.
    const qsizetype defaultIndex = (flags & 0xF00) >> 8;
    const TMsgDlgBtn defaultButton = defaultIndex < shown.size() ? shown[defaultIndex] : shown.first();
    return Ask(MessageKind::MessageBox, text, caption.isEmpty() ? ApplicationTitle() : caption,
               MessageBoxIcon(flags), shown, defaultButton);
}

bool InputQuery(const QString &caption, const QString &prompt, QString &value)
{
    MessageRequest request;
    request.kind = MessageKind::Input;
    request.text = prompt;
    request.caption = caption;
    request.buttons = {mbOK, mbCancel};
    request.defaultButton = mbOK;
    request.value = value;
    const MessageAnswer answer = CurrentMessageService().Show(request);
    if (answer.result != mrOk)
        return false;
    value = answer.value;
    return true;
}

QString InputBox(const QString &caption, const QString &prompt, const QString &defaultValue)
{
    QString value = defaultValue;
    return InputQuery(caption, prompt, value) ? value : defaultValue;
}
