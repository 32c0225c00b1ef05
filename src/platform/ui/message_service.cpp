#include "platform/ui/message_service.h"

#include "platform/ui/application.h"

#include <QApplication>
#include <QHash>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include <array>
#include <optional>
#include <utility>

namespace {

struct ButtonInfo
{
    TMsgDlgBtn button;
    int result;
    const char *text;
    QMessageBox::ButtonRole role;
};

// Every button in the order in which a box shows it.
constexpr std::array<ButtonInfo, 10> kButtons{{
    {mbYes, mrYes, "Ναι", QMessageBox::YesRole},
    {mbNo, mrNo, "Όχι", QMessageBox::NoRole},
    {mbOK, mrOk, "OK", QMessageBox::AcceptRole},
    {mbCancel, mrCancel, "Άκυρο", QMessageBox::RejectRole},
    {mbAbort, mrAbort, "Διακοπή", QMessageBox::RejectRole},
    {mbRetry, mrRetry, "Επανάληψη", QMessageBox::AcceptRole},
    {mbIgnore, mrIgnore, "Παράβλεψη", QMessageBox::AcceptRole},
    {mbAll, mrAll, "Όλα", QMessageBox::AcceptRole},
    {mbNoToAll, mrNoToAll, "Όχι σε όλα", QMessageBox::NoRole},
    {mbYesToAll, mrYesToAll, "Ναι σε όλα", QMessageBox::YesRole},
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

// The button that Escape presses: Cancel, else No, else OK; none among Abort, Retry, Ignore.
std::optional<TMsgDlgBtn> EscapeButtonOf(const QList<TMsgDlgBtn> &buttons)
{
    for (TMsgDlgBtn candidate : {mbCancel, mbNo, mbOK}) {
        if (buttons.contains(candidate))
            return candidate;
    }
    return std::nullopt;
}

QMessageBox::Icon IconOf(TMsgDlgType type)
{
    switch (type) {
    case mtWarning:
        return QMessageBox::Warning;
    case mtError:
        return QMessageBox::Critical;
    case mtInformation:
        return QMessageBox::Information;
    case mtConfirmation:
        return QMessageBox::Question;
    case mtCustom:
        break;
    }
    return QMessageBox::NoIcon;
}

// Shows real boxes on the screen, over the active window.
class WidgetMessageService : public MessageService
{
public:
    MessageAnswer Show(const MessageRequest &request) override
    {
        if (request.kind == MessageKind::Input)
            return ShowInput(request);
        return ShowBox(request);
    }

private:
    static MessageAnswer ShowBox(const MessageRequest &request)
    {
        QMessageBox box(IconOf(request.icon), request.caption, request.text, QMessageBox::NoButton,
                        QApplication::activeWindow());
        const std::optional<TMsgDlgBtn> escape = EscapeButtonOf(request.buttons);
        QHash<QAbstractButton *, int> results;
        for (TMsgDlgBtn button : request.buttons) {
            const ButtonInfo &info = InfoOf(button);
            QPushButton *pushButton = box.addButton(QString::fromUtf8(info.text), info.role);
            results.insert(pushButton, info.result);
            if (button == request.defaultButton)
                box.setDefaultButton(pushButton);
            if (escape == button)
                box.setEscapeButton(pushButton);
        }
        box.exec();
        // A box closed without a button (no escape button offered) reads as cancelled.
        return {results.value(box.clickedButton(), mrCancel), {}};
    }

    static MessageAnswer ShowInput(const MessageRequest &request)
    {
        QInputDialog dialog(QApplication::activeWindow());
        dialog.setWindowTitle(request.caption);
        dialog.setLabelText(request.text);
        dialog.setTextValue(request.value);
        dialog.setOkButtonText(ButtonText(mbOK));
        dialog.setCancelButtonText(ButtonText(mbCancel));
        if (dialog.exec() == QDialog::Accepted)
            return {mrOk, dialog.textValue()};
        return {mrCancel, request.value};
    }
};

MessageService *&InstalledService()
{
    static MessageService *service = nullptr;
    return service;
}

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
    static WidgetMessageService widgetService;
    if (MessageService *installed = InstalledService())
        return *installed;
    return widgetService;
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
