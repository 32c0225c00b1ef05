#include "platform/core/long_lived.h"

#include <vector>

namespace {

struct LongLivedEntry
{
    const void *slot;
    std::function<void()> destroy;
};

std::vector<LongLivedEntry> &Entries()
{
    static std::vector<LongLivedEntry> entries;
    return entries;
}

} // namespace

void RecordLongLived(const void *slot, std::function<void()> destroy)
{
    std::vector<LongLivedEntry> &entries = Entries();
    std::erase_if(entries, [slot](const LongLivedEntry &entry) { return entry.slot == slot; });
    entries.push_back({slot, std::move(destroy)});
}

void DestroyLongLived()
{
    // Destroying one may make another (a window's destructor naming the data module): keep going
    // until none is left.
    std::vector<LongLivedEntry> &entries = Entries();
    while (!entries.empty()) {
        const std::function<void()> destroy = std::move(entries.back().destroy);
        entries.pop_back();
        destroy();
    }
}
