// Links of the page: Word's hyperlinks (kept as records or as HYPERLINK
// fields) and cross-references that jump to a bookmark. Only one <a> can be
// open in HTML, so the innermost link is the one written.
#include <algorithm>

#include "engine/FieldScan.h"
#include "engine/Utf.h"
#include "engine/html/HtmlBody.h"

namespace lorivex::engine::html {

std::string HtmlBody::Anchor(const std::u16string& address, const std::u16string& subAddress,
                             const std::u16string& target, const std::u16string& tip)
{
    std::u16string href = subAddress.empty() ? address : address + u"#" + subAddress;
    std::string open = "<a href=\"" + text_.Encode(href) + "\"";
    if (!target.empty())
        open += " target=\"" + text_.Encode(target) + "\"";
    if (!tip.empty())
        open += " title=\"" + text_.Encode(tip) + "\"";
    return open + ">";
}

std::string HtmlBody::FieldLink(const FieldFrame& frame)
{
    auto arguments = FieldArguments(frame.Code);
    if (arguments.empty())
        return {};
    std::u16string keyword = LowerW(arguments[0]);
    std::u16string address, subAddress, target, tip;
    bool jump = false;
    for (size_t i = 1; i < arguments.size(); ++i) {
        std::u16string argument = LowerW(arguments[i]);
        bool valued = argument == u"\\l" || argument == u"\\t" || argument == u"\\o";
        if (valued && i + 1 < arguments.size()) {
            std::u16string& slot = argument == u"\\l" ? subAddress : argument == u"\\t" ? target : tip;
            slot = arguments[++i];
        } else if (argument == u"\\n") {
            target = u"_blank";
        } else if (argument == u"\\h") {
            jump = true;
        } else if (!argument.starts_with(u"\\") && address.empty() && i == 1) {
            address = arguments[i];
        }
    }
    if (keyword == u"hyperlink")
        return Anchor(address, subAddress, target, tip);
    if ((keyword == u"ref" || keyword == u"pageref" || keyword == u"noteref") && jump && !address.empty()) {
        // The argument is the bookmark; the compiler may have given the
        // field the page that now holds it.
        std::u16string page = frame.Record ? frame.Record->LinkAddress.value_or(u"") : u"";
        std::u16string place = frame.Record ? frame.Record->LinkSubAddress.value_or(address) : address;
        return Anchor(page, place, {}, {});
    }
    return {};
}

void HtmlBody::PushLink(const std::string& open, long id)
{
    links_.push_back({open, id});
    SyncAnchor();
}

void HtmlBody::PopLink(long id)
{
    std::erase_if(links_, [&](const Link& link) { return link.Id == id; });
    SyncAnchor();
}

void HtmlBody::SyncAnchor()
{
    long wanted = inParagraph_ && !links_.empty() ? links_.back().Id : 0;
    if (wanted == openAnchor_)
        return;
    CloseRun();
    if (openAnchor_)
        out_ += "</a>";
    if (wanted)
        out_ += links_.back().Open;
    openAnchor_ = wanted;
}

} // namespace lorivex::engine::html
