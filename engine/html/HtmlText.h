#pragma once
// Document text as page bytes: the ANSI code page where it can hold a
// character, a numeric character reference where it cannot, and the
// characters that mean something in markup escaped. Nothing is lost.
#include <string>
#include <string_view>
#include <unordered_map>

namespace lorivex::engine::html {

class HtmlText {
public:
    // Appends the text for element content or a double-quoted attribute.
    void Append(std::string& out, std::u16string_view text);
    void Append(std::string& out, char16_t c);
    std::string Encode(std::u16string_view text)
    {
        std::string out;
        Append(out, text);
        return out;
    }

private:
    const std::string& NonAscii(char16_t c);
    // Code page conversion is costly per call; a page uses few distinct
    // characters outside ASCII, so each is converted once.
    std::unordered_map<char16_t, std::string> cache_;
    char16_t pendingHigh_ = 0;
};

// "%20" for blanks and the like, so that a relative address with unusual
// file names still resolves; '/' and '#' keep their meaning.
std::string UrlPath(const std::string& path);

} // namespace lorivex::engine::html
