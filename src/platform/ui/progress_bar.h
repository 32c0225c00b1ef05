#pragma once

#include <QProgressBar>

// A progress bar driven by position and steps. Positions outside the range are held at its ends.
class TProgressBar : public QProgressBar
{
    Q_OBJECT
public:
    explicit TProgressBar(QWidget *parent = nullptr);

    int Position() const { return value(); }
    void SetPosition(int position);
    int Min() const { return minimum(); }
    void SetMin(int min) { setMinimum(min); }
    int Max() const { return maximum(); }
    void SetMax(int max) { setMaximum(max); }
    int Step() const { return step_; }
    void SetStep(int step) { step_ = step; }
    // Advances by Step.
    void StepIt() { StepBy(step_); }
    void StepBy(int delta) { SetPosition(Position() + delta); }

private:
    int step_ = 10;
};
