#include "coupons/ui/key_filter.h"

#include "platform/core/format.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace tav::coupons {

TKeyFilter::TKeyFilter(QLineEdit *edit, const QString &extra) : QObject(edit), extra_(extra)
{
    edit->installEventFilter(this);
}

bool TKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    switch (key->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return false;
    default:
        break;
    }
    const QString text = key->text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return false; // moving and editing keys type nothing
    const QChar typed = text.at(0);
    const bool allowed = (typed >= u'0' && typed <= u'9') || extra_.contains(typed);
    return !allowed;
}

void AcceptDigits(QLineEdit *edit)
{
    new TKeyFilter(edit, QString());
}

void AcceptDecimal(QLineEdit *edit)
{
    new TKeyFilter(edit, QString(GreekFormatSettings().DecimalSeparator));
}

} // namespace tav::coupons
