#include "engine/html/HtmlCharset.h"

namespace lorivex::engine::html {

std::string CharsetOfCodePage(unsigned codePage)
{
    // The names Internet Explorer registers for the ANSI code pages; the
    // East Asian ones are not called "windows-N" by any browser.
    switch (codePage) {
    case 874: return "windows-874";
    case 932: return "shift_jis";
    case 936: return "gb2312";
    case 949: return "ks_c_5601-1987";
    case 950: return "big5";
    case 1361: return "johab";
    case 65001: return "utf-8";
    default: return "windows-" + std::to_string(codePage);
    }
}

} // namespace lorivex::engine::html
