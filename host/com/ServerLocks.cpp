#include "host/com/ServerLocks.h"

#include <atomic>

namespace lorivex::hostcom {

namespace {

std::atomic<long> liveObjects{0};
std::atomic<long> locks{0};

} // namespace

void ServerObjectCreated()
{
    ++liveObjects;
}

void ServerObjectDestroyed()
{
    --liveObjects;
}

void ServerLock(bool lock)
{
    if (lock)
        ++locks;
    else
        --locks;
}

bool ServerCanUnload()
{
    return liveObjects == 0 && locks == 0;
}

} // namespace lorivex::hostcom
