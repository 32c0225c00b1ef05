#include "controls/styled/sty_point_list.h"

void TStyPointList::GetPoint(int index, QPoint &p) const
{
    if (index < 0 || index >= Count())
        return;
    const std::uint32_t entry = entries_[index];
    p = QPoint(static_cast<std::int16_t>(entry >> 16), static_cast<std::int16_t>(entry & 0xFFFF));
}

void TStyPointList::SetPoint(int index, const QPoint &p)
{
    if (index < 0 || index >= Count())
        return;
    entries_[index] =
        (std::uint32_t(static_cast<std::uint16_t>(p.x())) << 16) | static_cast<std::uint16_t>(p.y());
    Changed();
}

void TStyPointList::AddPoint(const QPoint &p)
{
    entries_.append(0);
    SetPoint(Count() - 1, p);
    Changed();
}

void TStyPointList::Changed()
{
    if (UpdateCount < 1 && OnChange)
        OnChange(this);
}
