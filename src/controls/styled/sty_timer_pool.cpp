#include "controls/styled/sty_timer_pool.h"

#include "controls/styled/sty_errors.h"

#include <QTimer>

#include <algorithm>
#include <limits>

TStyTimerItem::TStyTimerItem(TStyTimerPool &pool, std::uint16_t ident)
    : pool_(pool), ident_(ident), ticks_(interval_ / pool.MinInterval())
{
    pool_.items_.push_back(this);
}

TStyTimerItem::~TStyTimerItem()
{
    enabled_ = false;
    OnTimer = nullptr;
    pool_.Forget(this);
}

void TStyTimerItem::SetInterval(int value)
{
    const int tick = pool_.MinInterval();
    if (value == interval_ || value % tick != 0)
        return;
    if (value == 0)
        value = tick;
    ticks_ = value / tick;
    interval_ = value;
    Counter = 0;
}

void TStyTimerItem::SetEnabled(bool value)
{
    if (value == enabled_ || (value && MaxCount == 0))
        return;
    enabled_ = value;
    Counter = 0;
}

TStyTimerPool::TStyTimerPool(QObject *owner, int minInterval)
    : TStyCustomComponent(owner), minInterval_(minInterval)
{
}

TStyTimerPool::~TStyTimerPool()
{
    Clear();
}

void TStyTimerPool::SetMinInterval(int value)
{
    if (Loading() && value >= 1 && value <= 0xFFFF)
        minInterval_ = value;
}

int TStyTimerPool::AddTimer(std::uint16_t ident, int interval, TStyNotifyEvent event)
{
    if (IndexOfIdent(ident) >= 0)
        throw EStyError(QStringLiteral("Δείκτης λίστας εκτός ορίων (%1)").arg(ident));
    if (interval < minInterval_ || interval % minInterval_ != 0)
        throw EStyError(QStringLiteral("Interval not compatible with MinInterval property!"));
    auto *item = new TStyTimerItem(*this, ident);
    item->SetInterval(interval);
    item->OnTimer = std::move(event);
    Restart(true);
    return int(items_.size()) - 1;
}

void TStyTimerPool::RemoveTimer(std::uint16_t ident)
{
    TStyTimerItem *item = TimerByIdent(ident);
    if (!item)
        return;
    removing_ = true;
    item->SetEnabled(false);
    item->OnTimer = nullptr;
    delete item;
    if (items_.empty())
        Restart(false);
    removing_ = false;
}

TStyTimerItem *TStyTimerPool::TimerByIdent(std::uint16_t ident) const
{
    const int index = IndexOfIdent(ident);
    return index < 0 ? nullptr : items_[std::size_t(index)];
}

int TStyTimerPool::IndexOfIdent(std::uint16_t ident) const
{
    for (std::size_t index = 0; index < items_.size(); ++index)
        if (items_[index]->Ident() == ident)
            return int(index);
    return -1;
}

int TStyTimerPool::EnabledCount() const
{
    return int(std::count_if(items_.begin(), items_.end(),
                             [](const TStyTimerItem *item) { return item->Enabled(); }));
}

void TStyTimerPool::Restart(bool run)
{
    if (!timer_) {
        timer_ = std::make_unique<QTimer>();
        QObject::connect(timer_.get(), &QTimer::timeout, this, &TStyTimerPool::TimerTick);
    }
    active_ = false;
    timer_->stop();
    if (!run || EnabledCount() == 0)
        return;
    timer_->start(minInterval_);
    if (!timer_->isActive())
        throw EOutOfResources(QStringLiteral("Δεν υπάρχουν άλλοι διαθέσιμοι χρονομετρητές"));
    tickCount_ = 1;
    active_ = true;
}

void TStyTimerPool::Clear()
{
    Restart(false);
    while (!items_.empty())
        delete items_.back();
}

bool TStyTimerPool::TimerRunning() const
{
    return timer_ && timer_->isActive();
}

void TStyTimerPool::TimerTick()
{
    if (inTimer_)
        return;
    // Cleared however the handlers end, so that an exception does not stop the pool for good.
    struct Guard
    {
        bool &flag;
        ~Guard() { flag = false; }
    } guard{inTimer_ = true};
    if (!removing_) {
        // A handler may remove timers, its own among them: each is looked up again before it runs.
        std::vector<std::uint16_t> idents;
        for (const TStyTimerItem *item : items_)
            idents.push_back(item->Ident());
        for (std::uint16_t ident : idents) {
            TStyTimerItem *item = TimerByIdent(ident);
            if (!item || !item->Enabled() || tickCount_ % item->Ticks() != 0)
                continue;
            item->Counter = item->Counter == std::numeric_limits<int>::max() ? 0 : item->Counter + 1;
            if (item->Counter == item->MaxCount)
                item->SetEnabled(false);
            if (item->OnTimer)
                item->OnTimer(this);
            else if (OnTimer)
                OnTimer(this, item->Ident(), item->Counter);
        }
    }
    tickCount_ = tickCount_ == std::numeric_limits<int>::max() ? 0 : tickCount_ + 1;
}

void TStyTimerPool::Forget(TStyTimerItem *item)
{
    items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end());
}
