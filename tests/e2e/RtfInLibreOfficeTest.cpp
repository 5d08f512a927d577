// Pasted code as another word processor sees it: LibreOffice reads the RTF
// the paste-code command writes.
#include <gtest/gtest.h>

#include <cstdlib>

#include "TestSupport.h"
#include "highlight/CppHighlighter.h"
#include "highlight/HighlightSupport.h"
#include "highlight/RtfExporter.h"
#include "highlight/SourceText.h"
#include "platform/FileSystem.h"

namespace lorivex::test {
namespace {

// LibreOffice reads the document as a word processor would and writes its
// text out again; the text must be what went in. The LibreOffice of the
// test machine is a Linux program, out of reach of the Windows build.
#ifndef _WIN32
TEST(RtfExporter, LibreOfficeReadsTheSameText)
{
    if (std::system("command -v soffice >/dev/null 2>&1") != 0)
        FAIL() << "soffice is missing: install the Debian package libreoffice-writer-nogui";
    TempFolder folder;
    TCppHighlighter cpp;
    TRtfExporter exporter;
    exporter.SetHighlighter(&cpp);
    const std::vector<std::string> source = {
        "#include <cstdio> // \xE2\x82\xAC",
        "int main() {",
        "\tconst char* s = R\"(a\\b{c})\"; /* caf\xC3\xA9 \xE4\xB8\xAD\xF0\x9F\x98\x80 */",
        "",
        "\treturn std::printf(\"%s\\n\", s) > 0 ? 0 : 1;",
        "}",
    };
    exporter.ExportAll(Lines(source));
    platform::WriteFileBytes(folder / "code.rtf", exporter.Rtf());
    const std::string command = "cd '" + folder.Path() + "' && soffice --headless -env:UserInstallation=file://" +
                                folder.Path() + "/profile --convert-to txt:Text --outdir '" + folder.Path() +
                                "' code.rtf >soffice.log 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << platform::ReadFileBytes(folder / "soffice.log");
    auto text = DecodeSourceText(platform::ReadFileBytes(folder / "code.txt"), "code.txt");
    EXPECT_EQ(text, Lines(source));
}
#endif

} // namespace
} // namespace lorivex::test
