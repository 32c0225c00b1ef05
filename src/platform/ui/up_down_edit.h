#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// A number edit with its pair of arrow buttons, as one control. The arrows and the Up and Down
// keys in the edit move the position by Increment within Min..Max (past an end to the other end
// when Wrap is set) and write it into the edit. Typing keeps to a whole number that can still
// end within the bounds; a number left below Min is replaced by the position when editing ends.
// The position is the edit's number brought within the bounds, or the edit's last number while it
// holds none. Changed is sent on every change of the edit's text, typed or written.
class TUpDownEdit : public QWidget
{
    Q_OBJECT

public:
    explicit TUpDownEdit(QWidget *parent = nullptr);

    // Changing a bound leaves the text as it is: the position is read within the new bounds.
    // A Max below Min acts as Min.
    int Min() const { return min_; }
    void SetMin(int min) { min_ = min; }
    int Max() const { return max_; }
    void SetMax(int max) { max_ = max; }
    int Increment() const { return increment_; }
    void SetIncrement(int increment) { increment_ = increment; }
    bool Wrap() const { return wrap_; }
    void SetWrap(bool wrap) { wrap_ = wrap; }

    int Position() const;
    // Writes the position, brought within the bounds, into the edit.
    void SetPosition(int position);
    // Moves the position by steps increments, as that many clicks on an arrow do.
    void StepBy(int steps);

    QString Text() const;
    // Writes the text as the program does: not checked as typing is.
    void SetText(const QString &text);

    // The number brought within Min..Max.
    int Bounded(int number) const;

    QSize sizeHint() const override;

    QLineEdit *Edit;
    QToolButton *UpButton;
    QToolButton *DownButton;

signals:
    void Changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void EditChanged(const QString &text);

    int min_ = 0;
    int max_ = 100;
    int increment_ = 1;
    bool wrap_ = false;
    // The edit's last whole number.
    int number_ = 0;
};
