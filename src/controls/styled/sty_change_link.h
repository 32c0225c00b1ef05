#pragma once

#include "controls/styled/sty_component.h"

#include <functional>
#include <vector>

class TStyBaseContainer;

// How a control hears that the container it shows pictures or texts from has changed. The control
// owns the link and registers it with the container; a container that goes away first drops the
// link, which then has no Sender.
class TStyChangeLink
{
public:
    TStyChangeLink() = default;
    TStyChangeLink(const TStyChangeLink &) = delete;
    TStyChangeLink &operator=(const TStyChangeLink &) = delete;
    virtual ~TStyChangeLink();

    // The container the link is registered with, or nullptr.
    TStyBaseContainer *Sender() const { return sender_; }
    std::function<void(TStyBaseContainer *)> OnChange;

    // Calls OnChange with the Sender when it is set.
    virtual void Change();

private:
    friend class TStyBaseContainer;
    TStyBaseContainer *sender_ = nullptr;
};

// A component that tells its registered links of every change before its own OnChange.
class TStyBaseContainer : public TStyCustomComponent
{
    Q_OBJECT

public:
    explicit TStyBaseContainer(QObject *owner = nullptr);
    ~TStyBaseContainer() override;

    void RegisterChanges(TStyChangeLink &link);
    void UnRegisterChanges(TStyChangeLink &link);
    const std::vector<TStyChangeLink *> &Links() const { return links_; }

    // Every link in the order registered, then OnChange; nothing while updating.
    void Change() override;

private:
    std::vector<TStyChangeLink *> links_;
};
