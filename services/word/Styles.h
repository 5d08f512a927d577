#pragma once
#include <string>

#include "services/word/Dispatch.h"
#include "services/word/Forward.h"

namespace lorivex::word {

class Style : public virtual Dispatch {
public:
    virtual std::u16string NameLocal() = 0;
    virtual bool InUse() = 0;
};

class Styles : public virtual Enumerable {
public:
    virtual long Count() = 0;
    virtual StylePtr Item(long index) = 0;
};

enum StyleSheetLinkType { wdStyleSheetLinkTypeLinked = 0, wdStyleSheetLinkTypeImported = 1 };
enum StyleSheetPrecedence { wdStyleSheetPrecedenceHighest = -1, wdStyleSheetPrecedenceLowest = -2 };

} // namespace lorivex::word
