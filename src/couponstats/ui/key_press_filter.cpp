#include "couponstats/ui/key_press_filter.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace tav::couponstats {

namespace {

class KeyPressFilter : public QObject
{
public:
    KeyPressFilter(QLineEdit *edit, std::function<void(QChar &key)> handler)
        : QObject(edit), handler_(std::move(handler))
    {
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const QString text = static_cast<QKeyEvent *>(event)->text();
        if (text.isEmpty())
            return false;
        QChar key = text.at(0);
        handler_(key);
        return key.isNull();
    }

private:
    std::function<void(QChar &key)> handler_;
};

} // namespace

void SetKeyPress(QLineEdit *edit, std::function<void(QChar &key)> handler)
{
    edit->installEventFilter(new KeyPressFilter(edit, std::move(handler)));
}

QLineEdit *NewRangeEdit(QWidget *parent, const QString &text)
{
    auto *edit = new QLineEdit(text, parent);
    edit->setMaximumWidth(50);
    SetKeyPress(edit, [](QChar &key) {
        if (!(key.isDigit() || key == QChar('-') || key == QChar('\b') || key == QChar('\t') ||
              key == QChar('\r')))
            key = QChar();
    });
    return edit;
}

} // namespace tav::couponstats
