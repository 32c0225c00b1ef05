#include "platform/ui/message_boxes.h"

#include "platform/core/message_service.h"

#include <QApplication>
#include <QHash>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include <optional>

namespace {

QMessageBox::ButtonRole RoleOf(TMsgDlgBtn button)
{
    switch (button) {
    case mbYes:
    case mbYesToAll:
        return QMessageBox::YesRole;
    case mbNo:
    case mbNoToAll:
        return QMessageBox::NoRole;
    case mbCancel:
    case mbAbort:
        return QMessageBox::RejectRole;
    case mbOK:
    case mbRetry:
    case mbIgnore:
    case mbAll:
        break;
    }
    return QMessageBox::AcceptRole;
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
            QPushButton *pushButton = box.addButton(ButtonText(button), RoleOf(button));
            results.insert(pushButton, ModalResultOf(button));
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

} // namespace

void InstallMessageBoxes()
{
    static WidgetMessageService boxes;
    SetMessageBackend(&boxes);
}
