// What the installation brings, used as a user uses it: a new help document
// from each template compiles, and a symbol inserted into a document shows
// in its compiled page.
#include <gtest/gtest.h>

#include <regex>

#include "e2e/EndToEnd.h"
#include "engine/DocxBuilder.h"
#include "engine/WordXml.h"
#include "platform/FileSystem.h"

namespace lorivex::test {
namespace {

int Pages(const std::map<std::string, std::string>& files)
{
    int pages = 0;
    for (const auto& [name, bytes] : files)
        pages += name.size() == 38 && name.substr(33) == ".html";
    return pages;
}

class Installation : public testing::Test {
protected:
    ProgramRun Run(const std::vector<std::string>& args) { return RunLorivex(args, Temp.Path()); }
    TempFolder Scratch, Temp;
    ScopedSettings settings_;
};

TEST_F(Installation, EveryTemplateStartsAHelpDocumentThatCompiles)
{
    auto listed = Run({"templates"});
    ASSERT_EQ(listed.exitCode, 0) << listed.output;
    for (const char* name : {"User Manual", "Reference"}) {
        ASSERT_NE(listed.output.find(name), std::string::npos) << listed.output;
        std::string document = Scratch / (std::string(name) + ".docx");
        auto made = Run({"new", "--template", name, document});
        ASSERT_EQ(made.exitCode, 0) << made.output;
        std::string chm = Scratch / (std::string(name) + ".chm");
        auto compiled = Run({"compile", document, "-o", chm, "--no-open", "--overwrite"});
        ASSERT_EQ(compiled.exitCode, 0) << name << "\n" << compiled.output;
        EXPECT_EQ(compiled.output.find("Error:"), std::string::npos) << compiled.output;
        EXPECT_EQ(compiled.output.find("Warning: The stylesheet"), std::string::npos) << compiled.output;
        TempFolder unpacked;
        auto files = UnpackChm(chm, unpacked);
        EXPECT_GE(Pages(files), 6) << name;
        EXPECT_NE(files["/help.css"].find("font-family"), std::string::npos) << name << ": the template's stylesheet";
        EXPECT_FALSE(SitemapValues(files["/index.hhk"], "Name").empty()) << name << ": the template's index entries";
        bool related = false;
        for (const auto& [file, bytes] : files)
            related = related || bytes.find("See Also: ") != std::string::npos;
        EXPECT_TRUE(related) << name << ": the template's related topics";
    }
}

TEST_F(Installation, ANewDocumentNeverReplacesAnotherWithoutBeingAsked)
{
    std::string document = Scratch / "Mine.docx";
    WriteTextFile(document, "my own work");
    auto refused = Run({"new", "--template", "Reference", document});
    EXPECT_NE(refused.exitCode, 0);
    EXPECT_NE(refused.output.find("exists already"), std::string::npos) << refused.output;
    EXPECT_EQ(platform::ReadFileBytes(document), "my own work");
    auto unknown = Run({"new", "--template", "Novel", Scratch / "Novel.docx"});
    EXPECT_NE(unknown.exitCode, 0);
    EXPECT_NE(unknown.output.find("there is no template \"Novel\"; the templates are "), std::string::npos)
        << unknown.output;
    EXPECT_FALSE(platform::FileExists(Scratch / "Novel.docx"));
    auto replaced = Run({"new", "--template", "Reference", document, "--overwrite"});
    EXPECT_EQ(replaced.exitCode, 0) << replaced.output;
    EXPECT_NE(platform::ReadFileBytes(document), "my own work");
}

TEST_F(Installation, AnInsertedSymbolShowsInTheCompiledPage)
{
    auto listed = Run({"symbols"});
    ASSERT_EQ(listed.exitCode, 0) << listed.output;
    EXPECT_GE(std::count(listed.output.begin(), listed.output.end(), '\n'), 12) << listed.output;
    ASSERT_NE(listed.output.find("Warning\t32 x 32"), std::string::npos) << listed.output;

    std::string document = Scratch / "Careful.docx";
    DocxBuilder()
        .Body(xml::Heading(1, xml::Run("Careful")) + xml::Para(xml::Run("Mind the step here.")))
        .Write(document);
    auto inserted = Run({"symbol", document, "--symbol", "warning", "--at", "here"});
    ASSERT_EQ(inserted.exitCode, 0) << inserted.output;
    auto unknown = Run({"symbol", document, "--symbol", "Unicorn"});
    EXPECT_NE(unknown.exitCode, 0);
    EXPECT_NE(unknown.output.find("There is no symbol \"Unicorn\""), std::string::npos) << unknown.output;

    std::string chm = Scratch / "Careful.chm";
    auto compiled = Run({"compile", document, "-o", chm, "--no-open", "--overwrite"});
    ASSERT_EQ(compiled.exitCode, 0) << compiled.output;
    TempFolder unpacked;
    auto files = UnpackChm(chm, unpacked);
    std::smatch image;
    std::string page;
    for (const auto& [name, bytes] : files)
        if (bytes.find("Mind the step") != std::string::npos)
            page = bytes;
    ASSERT_TRUE(std::regex_search(page, image, std::regex("<img[^>]*src=\"([^\"]+\\.gif)\""))) << page;
    // The picture travels in the help file. (Appended, not concatenated:
    // GCC 12 warns falsely about operator+ on a temporary, -Wrestrict.)
    std::string picture(1, '/');
    picture += image[1].str();
    EXPECT_EQ(files[picture].substr(0, 3), "GIF");
}

} // namespace
} // namespace lorivex::test
