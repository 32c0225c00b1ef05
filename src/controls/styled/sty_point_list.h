#pragma once

#include <QList>
#include <QPoint>

#include <cstdint>
#include <functional>

// A compact list of points for region and form-shape outlines: each entry packs X into its high
// and Y into its low 16 bits, both signed, so coordinates keep to -32768..32767.
class TStyPointList
{
public:
    // Called after every change unless UpdateCount is above 0.
    std::function<void(TStyPointList *)> OnChange;
    int UpdateCount = 0;

    int Count() const { return static_cast<int>(entries_.size()); }
    // Reads the point at index into p; an index beyond the last leaves p as it was.
    void GetPoint(int index, QPoint &p) const;
    // Stores p at index and announces it; an index beyond the last does nothing.
    void SetPoint(int index, const QPoint &p);
    // Appends p: the new entry and its point are announced one after the other.
    void AddPoint(const QPoint &p);
    void Changed();

private:
    QList<std::uint32_t> entries_;
};
