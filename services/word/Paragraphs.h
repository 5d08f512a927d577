#pragma once
#include "services/word/Dispatch.h"
#include "services/word/Forward.h"

namespace lorivex::word {

enum OutlineLevel { wdOutlineLevelBodyText = 10 };

class Paragraph : public virtual Dispatch {
public:
    virtual RangePtr Range() = 0;
    virtual long OutlineLevel() = 0; // 1..9 headings, 10 body text
    // nullptr when there is no such paragraph.
    virtual ParagraphPtr Next(long count = 1) = 0;
    virtual ParagraphPtr Previous(long count = 1) = 0;
};

class Paragraphs : public virtual Enumerable {
public:
    virtual long Count() = 0;
    virtual ParagraphPtr Item(long index) = 0; // 1-based; raises when out of range
    virtual ParagraphPtr First() = 0;
};

} // namespace lorivex::word
