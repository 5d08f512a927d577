// The manual's document, before the commands add their constructs, compiles
// into a help file with a page and a contents entry for every topic of the
// text, each page titled by its heading.
#include <gtest/gtest.h>

#include <regex>

#include "ManualCommands.h"
#include "ManualDocx.h"
#include "e2e/EndToEnd.h"

namespace lorivex::test {
namespace {

TEST(ManualCompile, EveryTopicOfTheTextBecomesAPageAndAContentsEntry)
{
    using namespace lorivex::manual;
    Manual manual = ReadManual(LORIVEX_MANUAL_SOURCE);
    AssignPlaceholders(manual);
    TempFolder scratch, temp;
    WriteDocx(manual, scratch / "Lorivex2008.docx");

    ProgramRun run = RunLorivex({"compile", scratch / "Lorivex2008.docx", "-o", scratch / "Lorivex2008.chm", "--no-open",
                                 "--overwrite", "--toc", "--index", "--search", "--headers"},
                                temp.Path());
    ASSERT_EQ(run.exitCode, 0) << run.output;
    auto files = UnpackChm(scratch / "Lorivex2008.chm", scratch);

    std::vector<std::string> titles;
    for (const auto& topic : manual.Topics)
        titles.push_back(manual.Blocks[topic.HeadingBlock].Title);
    const std::string& toc = files["/TableOfContents.hhc"];
    EXPECT_EQ(SitemapValues(toc, "Name"), titles);

    auto locals = SitemapValues(toc, "Local");
    ASSERT_EQ(locals.size(), titles.size());
    std::regex title("<title>([^<]*)</title>");
    for (size_t i = 0; i < locals.size(); ++i) {
        std::smatch match;
        const std::string& page = files["/" + locals[i]];
        ASSERT_TRUE(std::regex_search(page, match, title)) << locals[i];
        EXPECT_EQ(match[1].str(), titles[i]);
    }
    size_t pages = 0;
    for (const auto& [name, bytes] : files)
        pages += name.ends_with(".html");
    EXPECT_EQ(pages, titles.size());
}

} // namespace
} // namespace lorivex::test
