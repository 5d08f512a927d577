#include "platform/win32/LocalePictures.h"

#include <algorithm>

namespace lorivex::platform::win32 {

namespace {

bool IsAsciiLetter(wchar_t c)
{
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z');
}

// Literal text of a picture, written so that our patterns copy it unchanged.
// To them letters are codes and quotes start quoted text, so those go out in
// quotes; an apostrophe can only be quoted with double quotes. Text that was
// quoted in the picture stays quoted whatever it holds.
void AppendLiteral(std::wstring& out, std::wstring_view literal, bool quoted)
{
    enum Class { Plain, Apostrophe, Special };
    auto classify = [quoted](wchar_t c) {
        if (c == L'\'')
            return Apostrophe;
        return quoted || IsAsciiLetter(c) || c == L'"' ? Special : Plain;
    };
    for (size_t i = 0; i < literal.size();) {
        Class kind = classify(literal[i]);
        size_t end = i + 1;
        while (end < literal.size() && classify(literal[end]) == kind)
            ++end;
        std::wstring_view run = literal.substr(i, end - i);
        if (kind == Plain) {
            out += run;
        } else {
            wchar_t quote = kind == Apostrophe ? L'"' : L'\'';
            out += quote;
            out += run;
            out += quote;
        }
        i = end;
    }
}

} // namespace

std::wstring PictureToPattern(std::wstring_view picture)
{
    std::wstring out;
    std::wstring literal; // unquoted literal characters not written yet
    auto flush = [&] {
        AppendLiteral(out, literal, false);
        literal.clear();
    };
    auto code = [&](const wchar_t* letters, size_t count) {
        flush();
        for (size_t i = 0; i < count; ++i)
            out += letters;
    };

    for (size_t i = 0; i < picture.size();) {
        wchar_t c = picture[i];
        if (c == L'\'') {
            // Two apostrophes in a row stand for one, inside quotes or out.
            if (i + 1 < picture.size() && picture[i + 1] == L'\'') {
                literal += L'\'';
                i += 2;
                continue;
            }
            flush();
            std::wstring quoted;
            for (++i; i < picture.size(); ++i) {
                if (picture[i] == L'\'') {
                    if (i + 1 < picture.size() && picture[i + 1] == L'\'') {
                        quoted += L'\'';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                quoted += picture[i];
            }
            AppendLiteral(out, quoted, true);
            continue;
        }

        size_t run = 1;
        while (i + run < picture.size() && picture[i + run] == c)
            ++run;
        switch (c) {
        case L'd': code(L"d", std::min<size_t>(run, 4)); break; // five d are the short date to us
        case L'M': code(L"m", std::min<size_t>(run, 4)); break;
        case L'y': code(L"y", run <= 2 ? 2 : 4); break;
        case L'g': code(L"g", 2); break;
        // Windows tells 12-hour h from 24-hour H; our patterns tell them by
        // the am/pm marker that follows.
        case L'h':
        case L'H': code(L"h", std::min<size_t>(run, 2)); break;
        case L'm': code(L"n", std::min<size_t>(run, 2)); break;
        case L's': code(L"s", std::min<size_t>(run, 2)); break;
        // t is the marker's first letter on Windows; to us t is the short
        // time format, so both forms become the locale's whole marker.
        case L't': code(L"ampm", 1); break;
        default: literal.append(run, c); break;
        }
        i += run;
    }
    flush();
    return out;
}

} // namespace lorivex::platform::win32
