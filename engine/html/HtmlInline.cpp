// The characters of a paragraph: runs with their formatting, fields (the
// result is shown, never the code), links, pictures and raw HTML blocks.
#include "engine/FieldScan.h"
#include "engine/Utf.h"
#include "engine/html/HtmlBody.h"

namespace lorivex::engine::html {

void HtmlBody::Character(long i)
{
    Events(i);
    const char16_t c = story_.Text[size_t(i)];
    const CharAttr& attr = story_.Attrs[size_t(i)];
    if (c == Mark::FieldBegin || c == Mark::FieldSeparator || c == Mark::FieldEnd) {
        Field(c, i);
        return;
    }
    if (codeDepth_ > 0) {
        if (fields_.back().InCode)
            fields_.back().Code += c;
        return;
    }
    const ExtRecord* record = attr.Ext ? &model_.Record(attr.Ext) : nullptr;
    if (auto* block = record ? std::get_if<HtmlBlockRecord>(record) : nullptr) {
        // Written whatever its formatting: the compiler hides the script
        // blocks in the document, yet the page needs them to run.
        CloseRun();
        out_ += block->Bytes;
        content_ = true;
        return;
    }
    if (Hidden(i) && !options_.WordMarkup)
        return;
    OpenRun(attr.Format);
    if (auto* object = record ? std::get_if<ObjectRecord>(record) : nullptr) {
        if (object->Picture)
            Picture(*object);
        return;
    }
    Special(c, attr);
}

void HtmlBody::Special(char16_t c, const CharAttr&)
{
    switch (c) {
    case Mark::Tab: out_ += "&nbsp;&nbsp;&nbsp;&nbsp; "; break;
    case Mark::LineBreak:
    case Mark::ColumnBreak: out_ += "<br>\r\n"; break;
    case Mark::PageBreak: out_ += "<br clear=\"all\" style=\"page-break-before:always\">\r\n"; break;
    case Mark::NonBreakingHyphen: out_ += "-"; break;
    case Mark::SoftHyphen:
    case Mark::NoteReference:
    case Mark::Object: return; // nothing a reader of the page would see
    case 0xA0: out_ += "&nbsp;"; break;
    default: text_.Append(out_, c); break;
    }
    content_ = true;
}

void HtmlBody::Picture(const ObjectRecord& picture)
{
    std::string src = text_.Encode(Utf8ToUtf16(pictures_.Add(picture)));
    // Word's sizes are in EMU, 9525 to a pixel at 96 dots per inch.
    long width = long(picture.Cx / 9525), height = long(picture.Cy / 9525);
    std::string size = width > 0 && height > 0
                           ? " width=\"" + std::to_string(width) + "\" height=\"" + std::to_string(height) + "\""
                           : "";
    if (options_.WordMarkup && options_.RelyOnVML) {
        usedVml_ = true;
        out_ += "<!--[if gte vml 1]><v:shape style=\"width:" + std::to_string(width) + "px;height:" +
                std::to_string(height) + "px\"><v:imagedata src=\"" + src + "\"/></v:shape><![endif]-->"
                "<![if !vml]><img" + size + " src=\"" + src + "\" v:shapes=\"_x0000_i1025\"><![endif]>";
    } else {
        out_ += "<img" + size + " src=\"" + src + "\">";
    }
    content_ = true;
}

void HtmlBody::Field(char16_t mark, long i)
{
    if (mark == Mark::FieldBegin) {
        const CharAttr& attr = story_.Attrs[size_t(i)];
        FieldFrame frame;
        if (attr.Ext)
            frame.Record = std::get_if<FieldRecord>(&model_.Record(attr.Ext));
        fields_.push_back(frame);
        ++codeDepth_;
        return;
    }
    if (fields_.empty())
        return; // a stray mark of damaged text
    FieldFrame& top = fields_.back();
    bool wasInCode = top.InCode;
    if (top.InCode) {
        top.InCode = false;
        --codeDepth_;
    }
    if (mark == Mark::FieldSeparator) {
        if (wasInCode && codeDepth_ == 0)
            if (std::string open = FieldLink(top); !open.empty())
                PushLink(open, top.LinkId = nextFieldLink_--);
        return;
    }
    if (top.LinkId)
        PopLink(top.LinkId);
    fields_.pop_back();
}

} // namespace lorivex::engine::html
