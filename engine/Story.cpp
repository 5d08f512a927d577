#include "engine/Story.h"

namespace lorivex::engine {

const std::vector<long>& Story::ParagraphEnds()
{
    if (paragraphEndsVersion_ != Version) {
        paragraphEnds_.clear();
        for (long i = 0; i < Length(); ++i)
            if (IsParagraphEnd(Text[size_t(i)]))
                paragraphEnds_.push_back(i);
        paragraphEndsVersion_ = Version;
    }
    return paragraphEnds_;
}

} // namespace lorivex::engine
