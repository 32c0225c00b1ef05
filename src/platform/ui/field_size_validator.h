#pragma once

#include <QValidator>

// Keeps the text of a line edit within the size of a text field as the user types or pastes:
// what does not fit is cut from the end of the text just put in, at a whole character (see
// TextCutToSize), where QLineEdit's own maximum length would cut a character made of two
// UTF-16 units in half. A size of 0 sets no limit.
class TFieldSizeValidator : public QValidator
{
    Q_OBJECT

public:
    explicit TFieldSizeValidator(int size, QObject *parent = nullptr) : QValidator(parent), size_(size) {}

    int Size() const { return size_; }
    void SetSize(int size) { size_ = size; }

    State validate(QString &input, int &pos) const override;

private:
    int size_;
};
