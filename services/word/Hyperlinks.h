#pragma once
#include <optional>
#include <string>

#include "services/word/Dispatch.h"
#include "services/word/Forward.h"

namespace lorivex::word {

// A link: a hyperlink proper, or a field that Word treats as one (a
// cross-reference with its \h switch).
class Hyperlink : public virtual Dispatch {
public:
    virtual std::u16string Address() = 0;
    virtual void SetAddress(const std::u16string& address) = 0;
    virtual std::u16string SubAddress() = 0;
    virtual void SetSubAddress(const std::u16string& subAddress) = 0;
    virtual std::u16string Target() = 0;
    virtual void SetTarget(const std::u16string& target) = 0;
    virtual std::u16string ScreenTip() = 0;
    virtual std::u16string TextToDisplay() = 0;
    virtual RangePtr Range() = 0;
};

class Hyperlinks : public virtual Enumerable {
public:
    virtual long Count() = 0;
    virtual HyperlinkPtr Item(long index) = 0;
    // Arguments left out are nullopt. The anchor becomes the link's text;
    // a TextToDisplay replaces it.
    virtual HyperlinkPtr Add(const RangePtr& anchor, const std::optional<std::u16string>& address,
                             const std::optional<std::u16string>& subAddress = std::nullopt,
                             const std::optional<std::u16string>& screenTip = std::nullopt,
                             const std::optional<std::u16string>& textToDisplay = std::nullopt,
                             const std::optional<std::u16string>& target = std::nullopt) = 0;
};

} // namespace lorivex::word
