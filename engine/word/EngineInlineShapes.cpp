// InlineShapes of a range: counting pictures, and AddPicture, which embeds a
// picture file in place of the range as one picture character.
#include "engine/PictureHeader.h"
#include "engine/word/EngineRange.h"
#include "platform/CodePages.h"
#include "platform/FileSystem.h"

namespace lorivex::engine::wordimpl {

namespace {

class EngineInlineShape : public word::InlineShape {};

class EngineInlineShapes : public word::InlineShapes {
public:
    EngineInlineShapes(StoryRef story, SpanPtr span) : story_(std::move(story)), span_(std::move(span)) {}

    long Count() override
    {
        Story& story = story_.Get();
        long count = 0;
        for (long i = span_->Start; i < span_->End; ++i) {
            const auto& attr = story.Attrs[size_t(i)];
            if (story.Text[size_t(i)] == Mark::Object && attr.Ext)
                if (auto* object = std::get_if<ObjectRecord>(&story_.Model->Record(attr.Ext)); object && object->Picture)
                    ++count;
        }
        return count;
    }

    word::InlineShapePtr AddPicture(const std::u16string& fileName) override
    {
        std::string path = platform::Utf16ToAnsi(fileName);
        std::string bytes;
        try {
            bytes = platform::ReadFileBytes(path);
        } catch (const Exception& e) {
            Raise("The picture \"" + path + "\" cannot be inserted: " + e.Message());
        }
        PictureInfo info = ReadPictureHeader(bytes, path);
        ObjectRecord picture;
        picture.Picture = true;
        picture.Bytes = std::move(bytes);
        picture.ContentType = info.ContentType;
        // Word shows a picture without resolution information at 96 dots
        // per inch: 9525 EMU to a pixel.
        picture.Cx = int64_t(info.Width) * 9525;
        picture.Cy = int64_t(info.Height) * 9525;
        Story& story = story_.Get();
        Fragment fragment = story_.Model->TextFragment(story, span_->Start, std::u16string(1, Mark::Object));
        fragment.Records.push_back(std::move(picture));
        fragment.Attrs[0].Ext = uint32_t(fragment.Records.size() - 1);
        *span_ = story_.Model->Replace(story, span_->Start, span_->End, fragment);
        return std::make_shared<EngineInlineShape>();
    }

private:
    StoryRef story_;
    SpanPtr span_;
};

} // namespace

word::InlineShapesPtr MakeInlineShapes(const StoryRef& story, SpanPtr span)
{
    return std::make_shared<EngineInlineShapes>(story, std::move(span));
}

} // namespace lorivex::engine::wordimpl
