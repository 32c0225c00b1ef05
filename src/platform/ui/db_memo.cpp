#include "platform/ui/db_memo.h"

#include <QKeyEvent>

TDBMemo::TDBMemo(QWidget *parent) : QPlainTextEdit(parent)
{
    link_.OnDataChange = [this]() { ShowField(); };
    link_.OnUpdateData = [this]() {
        const QString text = toPlainText();
        if (text.isEmpty())
            Field()->Clear();
        else
            Field()->SetAsString(text);
    };
    link_.OnStateChange = [this]() { UpdateReadOnly(); };
    connect(this, &QPlainTextEdit::textChanged, this, [this]() {
        if (!showing_)
            link_.Modified();
    });
    UpdateReadOnly();
}

void TDBMemo::SetReadOnly(bool readOnly)
{
    readOnly_ = readOnly;
    UpdateReadOnly();
}

void TDBMemo::UpdateReadOnly()
{
    setReadOnly(readOnly_ || !link_.CanEdit());
}

void TDBMemo::ShowField()
{
    const TField *field = Field();
    showing_ = true;
    setPlainText(field ? field->AsString() : QString());
    showing_ = false;
    UpdateReadOnly();
}

void TDBMemo::keyPressEvent(QKeyEvent *event)
{
    const bool changes = event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete ||
                         event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                         event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut) ||
                         (!event->text().isEmpty() && event->text().at(0).isPrint());
    if (changes && !isReadOnly() && !link_.Edit()) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TDBMemo::focusOutEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusOutEvent(event);
    if (!link_.UpdateRecordOnExit())
        setFocus();
}
