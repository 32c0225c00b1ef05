#include "platform/ui/progress_bar.h"

#include <algorithm>

TProgressBar::TProgressBar(QWidget *parent) : QProgressBar(parent)
{
    setRange(0, 100);
    setValue(0);
    setTextVisible(false);
}

void TProgressBar::SetPosition(int position)
{
    // A bar refuses values outside its range; a loop that overshoots should show a full bar.
    setValue(std::clamp(position, minimum(), std::max(minimum(), maximum())));
}
