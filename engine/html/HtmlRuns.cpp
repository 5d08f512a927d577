// Character formatting as elements around each run: opened when the format
// changes, closed before anything that must not sit inside them (anchors,
// raw blocks, the paragraph's end), so the markup always nests.
#include "engine/html/HtmlBody.h"

namespace lorivex::engine::html {

void HtmlBody::OpenRun(uint32_t format)
{
    if (runOpen_ && runFormat_ == format)
        return;
    CloseRun();
    auto [tags, added] = runTags_.try_emplace(format);
    if (added) {
        const CharFormat& f = model_.CharFormats[format];
        std::string& open = tags->second.first;
        std::string& close = tags->second.second;
        auto wrap = [&](const std::string& element, const std::string& attributes = {}) {
            open += "<" + element + attributes + ">";
            close = "</" + element + ">" + close;
        };
        if (!f.CharStyle.empty())
            wrap("span", " class=\"" + styles_.CharacterClass(f.CharStyle) + "\"");
        CssMap css;
        AddCharFormatCss(f, css);
        if (f.Bold == false)
            css["font-weight"] = "normal";
        if (f.Italic == false)
            css["font-style"] = "normal";
        if (f.Hidden.value_or(false))
            css["display"] = "none";
        if (!css.empty())
            wrap("span", " style=\"" + CssText(css) + "\"");
        if (f.Bold.value_or(false))
            wrap("b");
        if (f.Italic.value_or(false))
            wrap("i");
        if (f.Underline && !f.Underline->empty() && *f.Underline != u"none")
            wrap("u");
        if (f.Raw.find("<w:strike") != std::string::npos && f.Raw.find("<w:strike w:val=\"0\"") == std::string::npos)
            wrap("s");
        if (f.Raw.find("w:val=\"superscript\"") != std::string::npos)
            wrap("sup");
        else if (f.Raw.find("w:val=\"subscript\"") != std::string::npos)
            wrap("sub");
    }
    out_ += tags->second.first;
    runClose_ = tags->second.second;
    runOpen_ = true;
    runFormat_ = format;
}

void HtmlBody::CloseRun()
{
    if (!runOpen_)
        return;
    out_ += runClose_;
    runOpen_ = false;
}

} // namespace lorivex::engine::html
