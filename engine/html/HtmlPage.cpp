#include "engine/html/HtmlPage.h"

#include <algorithm>

#include "engine/Utf.h"
#include "engine/html/HtmlCharset.h"
#include "platform/CodePages.h"

namespace lorivex::engine::html {

namespace {

std::u16string Title(const DocumentModel& model)
{
    for (const auto& property : model.Properties.BuiltIn)
        if (SameTextW(property.Name, u"Title") && property.Value)
            return property.Value->ToText();
    return {};
}

std::string BodyLanguage(const DocumentModel& model)
{
    const Story& main = *model.Stories.front();
    std::u16string tag = LanguageTagFromId(model.LanguageOf(main.Attrs.empty() ? 0 : main.Attrs[0].Format));
    std::string lang;
    for (char16_t c : tag)
        lang += char(c >= u'a' && c <= u'z' ? c - 32 : c);
    return lang;
}

std::string OfficeHead(const std::string& title)
{
    // Word's own format announces itself and carries the document's
    // properties in an XML island that only Office reads.
    return "<meta name=\"ProgId\" content=\"Word.Document\">\r\n"
           "<!--[if gte mso 9]><xml>\r\n <o:DocumentProperties>\r\n  <o:Title>" + title +
           "</o:Title>\r\n </o:DocumentProperties>\r\n</xml><![endif]-->\r\n"
           "<!--[if gte mso 9]><xml>\r\n <w:WordDocument>\r\n  <w:View>Normal</w:View>\r\n"
           " </w:WordDocument>\r\n</xml><![endif]-->\r\n";
}

std::string StyleSheetLinks(const DocumentModel& model, HtmlText& text)
{
    // The list holds the highest precedence first; in CSS the rule read
    // last wins, so the highest is linked last.
    std::string links;
    for (auto it = model.StyleSheets.rbegin(); it != model.StyleSheets.rend(); ++it) {
        links += "<link rel=\"stylesheet\" type=\"text/css\" href=\"" + text.Encode(it->FileName) + "\"";
        if (!it->Title.empty())
            links += " title=\"" + text.Encode(it->Title) + "\"";
        links += ">\r\n";
    }
    return links;
}

} // namespace

std::string RenderPage(const DocumentModel& model, const HtmlOptions& options, HtmlPictures& pictures)
{
    HtmlText text;
    HtmlStyleSheet styles(model.Styles);
    HtmlBody body(model, *model.Stories.front(), options, text, styles, pictures);
    std::string bodyHtml = body.Write();
    std::string title = text.Encode(Title(model));

    std::string page = options.WordMarkup
                           ? "<html xmlns:v=\"urn:schemas-microsoft-com:vml\" "
                             "xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
                             "xmlns:w=\"urn:schemas-microsoft-com:office:word\" "
                             "xmlns=\"http://www.w3.org/TR/REC-html40\">\r\n\r\n"
                           : "<html>\r\n\r\n";
    page += "<head>\r\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=" +
            CharsetOfCodePage(platform::AnsiCodePage()) + "\">\r\n";
    page += "<meta name=\"Generator\" content=\"Lorivex document engine\">\r\n";
    if (options.WordMarkup)
        page += OfficeHead(title);
    page += "<title>" + title + "</title>\r\n";
    if (!model.DefaultTargetFrame.empty())
        page += "<base target=\"" + text.Encode(model.DefaultTargetFrame) + "\">\r\n";
    page += "<style>\r\n<!--\r\n";
    if (body.UsedVml())
        page += "v\\:* {behavior:url(#default#VML);}\r\no\\:* {behavior:url(#default#VML);}\r\n";
    page += styles.Rules() + "-->\r\n</style>\r\n";
    page += StyleSheetLinks(model, text);
    std::string lang = BodyLanguage(model);
    page += "</head>\r\n\r\n<body" + (lang.empty() ? std::string() : " lang=\"" + lang + "\"") + ">\r\n\r\n";
    page += "<div class=\"WordSection1\">\r\n\r\n" + bodyHtml + "\r\n</div>\r\n\r\n</body>\r\n\r\n</html>\r\n";
    return page;
}

} // namespace lorivex::engine::html
