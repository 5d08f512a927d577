#pragma once
#include <optional>
#include <string>

#include "services/word/Dispatch.h"
#include "services/word/Forward.h"

namespace lorivex::word {

enum FieldType {
    wdFieldEmpty = -1, wdFieldRef = 3, wdFieldIndexEntry = 4, wdFieldPage = 33, wdFieldPageRef = 37,
    wdFieldAddin = 81, wdFieldDocProperty = 85, wdFieldHyperlink = 88
};

class Field : public virtual Dispatch {
public:
    virtual long Type() = 0;
    virtual RangePtr Code() = 0;   // between the begin mark and the separator
    virtual RangePtr Result() = 0; // between the separator and the end mark
    virtual std::u16string Data() = 0;
    virtual void SetData(const std::u16string& data) = 0;
    virtual bool Update() = 0; // recomputes the result from the code
};

class Fields : public virtual Enumerable {
public:
    virtual long Count() = 0;
    virtual FieldPtr Item(long index) = 0;
    // Word's rules for the code text: the keyword for the type, a blank, the
    // text, a blank ("wdFieldEmpty" takes the text as the whole code).
    virtual FieldPtr Add(const RangePtr& range, long type, const std::u16string& text,
                         bool preserveFormatting) = 0;
};

class Indexes : public virtual Dispatch {
public:
    // Inserts an XE field for Entry after the range.
    virtual FieldPtr MarkEntry(const RangePtr& range, const std::u16string& entry) = 0;
};

} // namespace lorivex::word
