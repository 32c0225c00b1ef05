#pragma once

#include "controls/styled/sty_component.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QTimer;
class TStyTimerPool;

using TStyNotifyEvent = std::function<void(QObject *sender)>;
using TStyTimerPoolEvent = std::function<void(QObject *sender, std::uint16_t ident, int counter)>;

// One logical timer of a pool: it fires every Interval milliseconds, a whole number of the pool's
// ticks, until MaxCount firings (-1: no limit).
class TStyTimerItem
{
public:
    TStyTimerItem(TStyTimerPool &pool, std::uint16_t ident);
    // Disabled, without its event and out of the pool's list.
    ~TStyTimerItem();
    TStyTimerItem(const TStyTimerItem &) = delete;
    TStyTimerItem &operator=(const TStyTimerItem &) = delete;

    int MaxCount = -1;
    int Counter = 0;
    TStyNotifyEvent OnTimer;

    std::uint16_t Ident() const { return ident_; }
    int Interval() const { return interval_; }
    int Ticks() const { return ticks_; }
    // Only a multiple of the pool's MinInterval is taken; it restarts the count.
    void SetInterval(int value);
    bool Enabled() const { return enabled_; }
    // An item with MaxCount 0 cannot be enabled; a change restarts the count.
    void SetEnabled(bool value);

private:
    TStyTimerPool &pool_;
    std::uint16_t ident_;
    bool enabled_ = true;
    int interval_ = 1000;
    int ticks_;
};

// Any number of repeating timers driven by one QTimer that ticks every MinInterval milliseconds:
// the auto-repeat of a held button and the like. Everything runs on the main thread.
class TStyTimerPool : public TStyCustomComponent
{
    Q_OBJECT
    Q_PROPERTY(QString About READ About WRITE SetAbout)
    Q_PROPERTY(int MinInterval READ MinInterval WRITE SetMinInterval)

public:
    static constexpr int DefaultMinInterval = 1000;

    explicit TStyTimerPool(QObject *owner = nullptr, int minInterval = DefaultMinInterval);
    ~TStyTimerPool() override;

    // Fired for an item without an event of its own.
    TStyTimerPoolEvent OnTimer;

    int MinInterval() const { return minInterval_; }
    // Taken only while a design is being read: the items' tick counts depend on it.
    void SetMinInterval(int value);

    // Adds a timer and restarts the pool; returns its index. Raises EStyError for an identifier in
    // use or an interval that is not a whole multiple (at least one) of MinInterval.
    int AddTimer(std::uint16_t ident, int interval, TStyNotifyEvent event);
    // Removes the timer; the last removal stops the pool.
    void RemoveTimer(std::uint16_t ident);
    TStyTimerItem *TimerByIdent(std::uint16_t ident) const;
    int IndexOfIdent(std::uint16_t ident) const;
    int Count() const { return int(items_.size()); }
    int EnabledCount() const;

    // Stops the QTimer and, when run and an item is enabled, starts it again from tick 1. Raises
    // EOutOfResources when the QTimer cannot start.
    void Restart(bool run);
    // Stops and frees every timer.
    void Clear();

    bool Active() const { return active_; }
    bool TimerRunning() const;
    int TickCount() const { return tickCount_; }

    // One tick of the QTimer: fires the items whose interval has come round.
    void TimerTick();

private:
    friend class TStyTimerItem;
    void Forget(TStyTimerItem *item);

    int minInterval_;
    bool active_ = false;
    bool inTimer_ = false;
    bool removing_ = false;
    int tickCount_ = 0;
    std::unique_ptr<QTimer> timer_;
    std::vector<TStyTimerItem *> items_;
};
