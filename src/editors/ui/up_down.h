#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// A pair of arrow buttons beside an edit that holds a number: each click moves the number one
// step within Min..Max (no wrap) and writes it into the edit. The position is the edit's number
// while that is a whole number, kept within the bounds.
class TUpDown : public QWidget
{
    Q_OBJECT

public:
    explicit TUpDown(QWidget *parent = nullptr);

    // The edit whose text the arrows change.
    void SetAssociate(QLineEdit *edit) { associate_ = edit; }
    QLineEdit *Associate() const { return associate_; }

    int Min() const { return min_; }
    void SetMin(int min) { min_ = min; }
    int Max() const { return max_; }
    void SetMax(int max) { max_ = max; }
    int Position() const;
    // Writes the position into the edit.
    void SetPosition(int position);

    // The arrows: one step up or down.
    void StepBy(int steps);

    QToolButton *UpButton;
    QToolButton *DownButton;

private:
    QLineEdit *associate_ = nullptr;
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
};
