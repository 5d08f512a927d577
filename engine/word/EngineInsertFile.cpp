// Range.InsertFile: the text popups and the related-topics menu bring their
// scripts into the document as HTML fragments in files; plain text files
// insert their text.
#include <algorithm>

#include "engine/Utf.h"
#include "engine/word/EngineRange.h"
#include "platform/CodePages.h"
#include "platform/FileSystem.h"

namespace lorivex::engine::wordimpl {

namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

bool IsHtml(const std::string& bytes, const std::string& extension)
{
    if (extension == ".htm" || extension == ".html" || extension == ".js")
        return true;
    size_t first = bytes.find_first_not_of(" \t\r\n");
    return first != std::string::npos && bytes[first] == '<';
}

std::string WithoutUtf8Mark(const std::string& bytes, bool& hadMark)
{
    hadMark = bytes.starts_with("\xEF\xBB\xBF");
    return hadMark ? bytes.substr(3) : bytes;
}

} // namespace

void EngineRange::InsertFile(const std::u16string& fileName)
{
    std::string path = platform::Utf16ToAnsi(fileName);
    std::string extension = Lower(platform::ExtractFileExt(path));
    for (const char* document : {".docx", ".docm", ".dotx", ".doc", ".dot", ".rtf"})
        if (extension == document)
            Raise("Range.InsertFile cannot insert \"" + path + "\": the document engine inserts HTML and text "
                  "files only.");
    if (!platform::FileExists(path))
        Raise("Range.InsertFile cannot insert \"" + path + "\": the file does not exist.");
    bool utf8 = false;
    std::string bytes = WithoutUtf8Mark(platform::ReadFileBytes(path), utf8);
    Story& story = story_.Get();
    Fragment fragment;
    if (IsHtml(bytes, extension)) {
        // Word's HTML import ends an inserted fragment with a paragraph mark
        // of its own; the popup command deletes that mark again right after
        // the insertion. The block itself is one object character.
        fragment = story_.Model->TextFragment(story, span_->Start, {Mark::Object, Mark::Paragraph});
        fragment.Records.push_back(HtmlBlockRecord{utf8 ? platform::Utf8ToAnsi(bytes) : bytes, path});
        fragment.Attrs[0].Ext = uint32_t(fragment.Records.size() - 1);
    } else {
        fragment = story_.Model->TextFragment(story, span_->Start,
                                              utf8 ? Utf8ToUtf16(bytes) : platform::AnsiToUtf16(bytes));
    }
    const bool insertionPoint = span_->Start == span_->End;
    Span placed = story_.Model->Replace(story, span_->Start, span_->End, fragment);
    // An insertion point takes in what was inserted there, so that it can be
    // formatted next (the related-topics script is hidden that way); a range
    // whose text the file replaced stays in front of the new content, where
    // the popup command counts on it.
    *span_ = insertionPoint ? placed : Span{placed.Start, placed.Start};
}

} // namespace lorivex::engine::wordimpl
