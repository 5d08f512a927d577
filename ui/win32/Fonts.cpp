#include "ui/win32/Fonts.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <tuple>

namespace lorivex::ui::win32 {

LOGFONTW LogFontOf(const TFont& font)
{
    LOGFONTW log{};
    log.lfHeight = -font.Height;
    log.lfWeight = (font.Style & fsBold) ? FW_BOLD : FW_NORMAL;
    log.lfItalic = (font.Style & fsItalic) ? TRUE : FALSE;
    log.lfUnderline = (font.Style & fsUnderline) ? TRUE : FALSE;
    log.lfStrikeOut = (font.Style & fsStrikeOut) ? TRUE : FALSE;
    log.lfCharSet = DEFAULT_CHARSET;
    log.lfOutPrecision = OUT_DEFAULT_PRECIS;
    log.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    log.lfQuality = DEFAULT_QUALITY;
    log.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    std::wstring face = Wide(font.Name);
    face.resize(std::min(face.size(), size_t(LF_FACESIZE - 1)));
    face.copy(log.lfFaceName, face.size());
    return log;
}

HFONT FontHandle(const TFont& font)
{
    // Measuring may happen on a worker's behalf; the table is shared.
    static std::mutex mutex;
    static std::map<std::tuple<std::string, int, TFontStyles>, HFONT> fonts;
    std::lock_guard lock(mutex);
    auto key = std::make_tuple(font.Name, font.Height, font.Style);
    auto at = fonts.find(key);
    if (at != fonts.end())
        return at->second;
    LOGFONTW log = LogFontOf(font);
    HFONT handle = CreateFontIndirectW(&log);
    if (!handle)
        handle = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    fonts.emplace(key, handle);
    return handle;
}

} // namespace lorivex::ui::win32
