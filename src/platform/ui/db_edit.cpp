#include "platform/ui/db_edit.h"

#include <QKeyEvent>

#include <optional>

namespace {

// Keys that change the text of a line edit.
bool ChangesText(const QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut) ||
        event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo))
        return true;
    if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete)
        return true;
    const QString text = event->text();
    return !text.isEmpty() && text.at(0).isPrint();
}

} // namespace

TDBEdit::TDBEdit(QWidget *parent) : QLineEdit(parent)
{
    setValidator(&sizeLimit_);
    link_.OnDataChange = [this]() { ShowField(); };
    link_.OnUpdateData = [this]() { WriteField(); };
    link_.OnStateChange = [this]() {
        ApplyMask();
        UpdateReadOnly();
    };
    connect(this, &QLineEdit::textChanged, this, [this]() {
        if (showing_)
            return;
        link_.Modified();
        if (OnChange)
            OnChange();
    });
    UpdateReadOnly();
}

void TDBEdit::SetEditMask(const QString &mask)
{
    editMask_ = mask;
    ApplyMask();
    ShowField();
}

void TDBEdit::SetReadOnly(bool readOnly)
{
    readOnly_ = readOnly;
    UpdateReadOnly();
}

void TDBEdit::ApplyMask()
{
    const TField *field = Field();
    const QString mask = !editMask_.isEmpty() ? editMask_ : (field ? field->EditMask() : QString());
    const TEditMask edit(mask);
    if (edit.InputMask() == mask_.InputMask() && edit.SaveLiterals() == mask_.SaveLiterals())
        return;
    mask_ = edit;
    const bool wasShowing = showing_;
    showing_ = true;
    setInputMask(mask_.InputMask());
    showing_ = wasShowing;
}

void TDBEdit::UpdateReadOnly()
{
    const bool readOnly = readOnly_ || !link_.CanEdit();
    // Setting either property again would drop the user's selection.
    if (isReadOnly() != readOnly)
        setReadOnly(readOnly);
    const TField *field = Field();
    sizeLimit_.SetSize(mask_.IsEmpty() && field && field->DataType() == TFieldType::ftString ? field->Size()
                                                                                             : 0);
}

QString TDBEdit::Text() const
{
    return mask_.IsEmpty() ? text() : mask_.TextFromDisplay(displayText());
}

void TDBEdit::SetText(const QString &text)
{
    setText(text);
}

void TDBEdit::ShowField()
{
    ApplyMask();
    const TField *field = Field();
    QString text;
    if (field)
        text = hasFocus() || !mask_.IsEmpty() ? field->Text() : field->DisplayText();
    showing_ = true;
    setText(text);
    showing_ = false;
    UpdateReadOnly();
}

void TDBEdit::WriteField()
{
    TField *field = Field();
    const QString text = Text();
    if (mask_.IsEmpty() ? text.isEmpty() : mask_.IsBlank(displayText()))
        field->Clear();
    else
        field->SetAsString(text);
}

void TDBEdit::keyPressEvent(QKeyEvent *event)
{
    QKeyEvent *key = event;
    std::optional<QKeyEvent> replaced;
    if (OnKeyPress && !event->text().isEmpty()) {
        QChar typed = event->text().at(0);
        OnKeyPress(typed);
        if (typed.isNull()) {
            event->accept();
            return;
        }
        if (typed != event->text().at(0)) {
            replaced.emplace(event->type(), event->key(), event->modifiers(), QString(typed));
            key = &*replaced;
        }
    }
    if (key->key() == Qt::Key_Escape && link_.IsModified()) {
        link_.Reset();
        event->accept();
        return;
    }
    if (ChangesText(key) && !isReadOnly() && !link_.Edit()) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(key);
}

void TDBEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (!link_.UpdateRecordOnExit())
        setFocus();
}
