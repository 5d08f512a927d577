// libFuzzer target: the RTF reader, and the highlighters with the RTF writer.
// An input whose first byte is odd is read as RTF, as a paste would bring it;
// otherwise the first byte chooses a language and the rest is code (bytes as
// characters, a byte from F0 up joining the next into one UTF-16 unit), which
// is highlighted, written as RTF and read back.
#include <cstdint>
#include <string>
#include <vector>

#include "base/Exception.h"
#include "engine/DocumentModel.h"
#include "engine/rtf/RtfReader.h"
#include "highlight/Highlighters.h"
#include "highlight/RtfExporter.h"

namespace {

std::vector<std::u16string> Lines(const std::string& code)
{
    std::vector<std::u16string> lines(1);
    for (size_t i = 0; i < code.size(); ++i) {
        auto c = static_cast<unsigned char>(code[i]);
        if (c == '\n')
            lines.emplace_back();
        else if (c >= 0xF0 && i + 1 < code.size())
            lines.back() += char16_t((c << 8) | static_cast<unsigned char>(code[++i]));
        else
            lines.back() += char16_t(c);
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace lorivex;
    if (size == 0)
        return 0;
    const std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    engine::DocumentModel model;
    if (data[0] & 1) {
        engine::rtf::ReadRtf(rest, model);
        return 0;
    }
    static const THighlighterList highlighters = CreateHighlighters();
    const auto lines = Lines(rest);
    TRtfExporter exporter;
    exporter.SetHighlighter(highlighters[(data[0] >> 1) % highlighters.size()].get());
    try {
        exporter.ExportAll(lines);
        engine::rtf::ReadRtf(exporter.Rtf(), model);
        exporter.ExportFrom(lines, {int(lines.size() + 1) / 2, 1});
    } catch (const Exception&) {
    }
    return 0;
}
