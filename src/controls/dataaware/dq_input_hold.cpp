#include "controls/dataaware/dq_input_hold.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace tav::controls {

TdqInputHold &TdqInputHold::Instance()
{
    static TdqInputHold hold;
    return hold;
}

bool TdqInputHold::EscapePressed()
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return false;
    escape_ = false;
    app->installEventFilter(this);
    QCoreApplication::processEvents();
    app->removeEventFilter(this);
    return escape_;
}

void TdqInputHold::DeliverHeld()
{
    std::vector<Held> held = std::move(held_);
    held_.clear();
    for (Held &item : held)
        if (item.receiver)
            QCoreApplication::postEvent(item.receiver, item.event.release());
}

bool TdqInputHold::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            escape_ = true;
            return true;
        }
        [[fallthrough]];
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        held_.push_back({watched, std::unique_ptr<QEvent>(event->clone())});
        return true;
    default:
        break;
    }
    return false;
}

} // namespace tav::controls
