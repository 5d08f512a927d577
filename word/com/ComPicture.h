#pragma once
// Button faces cross to Word as picture objects (IPictureDisp) holding a
// bitmap.
#include "platform/Images.h"
#include "word/com/ComValue.h"

namespace lorivex::word::com {

// A picture object of its own bitmap; an empty image gives Nothing.
ComValue PictureOf(const platform::Image& image);
// The bitmap of a picture object; an empty image for Nothing.
platform::Image ImageOf(const ComValue& picture);

} // namespace lorivex::word::com
