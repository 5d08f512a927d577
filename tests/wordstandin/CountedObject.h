#pragma once
// The reference counting every stand-in object shares: one reference when
// made, counted AddRef and Release, and an object whose count reached zero
// kept as a husk until ResetCounts, so that one Release too many is counted.
#include "platform/win32/Win32Api.h"
#include "tests/wordstandin/RefCounts.h"

namespace lorivex::test::standin {

class CountedObject {
public:
    CountedObject();
    virtual ~CountedObject() = default;

protected:
    ULONG CountedAddRef();
    ULONG CountedRelease();
    // The object's count reached zero: drop what it holds.
    virtual void Gone() {}

private:
    long refs_ = 1;
    bool gone_ = false;
};

} // namespace lorivex::test::standin
