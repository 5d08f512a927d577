#pragma once
#include <string>

#include "services/word/Dispatch.h"
#include "services/word/Forward.h"
#include "services/word/Variant.h"

namespace lorivex::word {

class DocumentProperty : public virtual Dispatch {
public:
    virtual std::u16string Name() = 0;
    virtual long Type() = 0; // PropertyType
    // Raises for a built-in property Word cannot give (a date never set).
    virtual Variant Value() = 0;
    // Raises when the value does not fit the property's type.
    virtual void SetValue(const Variant& value) = 0;
};

// Built-in or custom properties, enumerated in Word's order.
class DocumentProperties : public virtual Enumerable {
public:
    virtual long Count() = 0;
    virtual DocumentPropertyPtr Item(long index) = 0;
    virtual DocumentPropertyPtr Add(const std::u16string& name, bool linkToContent, long type,
                                    const Variant& value) = 0;
};

} // namespace lorivex::word
