// Two runs' work files compared as the faces' comparison compares them: what
// the normalisation forgives (topic identifiers, the named paths) and what it
// must still show.
#include <gmock/gmock.h>

#include "TestSupport.h"
#include "faces/WorkFiles.h"
#include "platform/FileSystem.h"

namespace lorivex::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// A run's folder as the compile leaves it: two pages that link to each
// other, the contents naming both, the project listing them.
struct Run {
    std::string work, first, second;
    std::string project() const
    {
        return "[OPTIONS]\r\nCompiled file=" + work + "\\out.chm\r\nContents file=TableOfContents.hhc\r\n[FILES]\r\n"
               + first + ".html\r\n" + second + ".html\r\nhelp.css\r\n";
    }
    std::string page(const std::string& text, const std::string& link) const
    {
        return "<html>\r\n<p>" + text + "</p>\r\n<a href=\"" + link + ".html\">next</a>\r\n</html>\r\n";
    }
    WorkFiles files() const
    {
        return {{"HtmlHelpProject.hhp", project()},
                {first + ".html", page("One", second)},
                {second + ".html", page("Two", first)},
                {"TableOfContents.hhc", "<param name=\"Local\" value=\"" + first + ".html\">\r\n<param name=\"Local\" value=\""
                                            + second + ".html\">\r\n"},
                {"help.css", "p { margin: 0 }\r\n"}};
    }
};

const Run Linux{"/tmp/a/lx0", "0A1B2C3D4E5F60718293A4B5C6D7E8F9", "11112222333344445555666677778888"};
const Run Windows{"C:\\users\\me\\Temp\\lx3", "FFEEDDCCBBAA99887766554433221100", "ABCDEF0123456789ABCDEF0123456789"};

WorkFiles Written(const WorkFiles& files, const TempFolder& folder)
{
    for (const auto& [name, bytes] : files)
        platform::WriteFileBytes(folder / name, bytes);
    return ReadWorkFiles(folder.Path());
}

WorkFiles Normal(const Run& run, const WorkFiles& files)
{
    return Normalise(files, {{run.work, "<work>"}});
}

TEST(WorkFiles, TwoRunsOfOneDocumentDifferOnlyInIdsAndTheirFolder)
{
    TempFolder a, b;
    const WorkFiles first = Written(Linux.files(), a), second = Written(Windows.files(), b);
    EXPECT_EQ(first, Linux.files()) << "read back as written";
    EXPECT_THAT(TopicIds(first), ElementsAre(Linux.first, Linux.second));
    EXPECT_THAT(Differences(Normal(Linux, first), Normal(Windows, second)), IsEmpty());
    const WorkFiles normal = Normal(Windows, second);
    EXPECT_EQ(normal.at("topic1.html"), Windows.page("One", "topic2")) << "a page's link follows its topic";
    EXPECT_EQ(normal.at("HtmlHelpProject.hhp").find(Windows.first), std::string::npos);
}

TEST(WorkFiles, WhatTheNormalisationMustNotHide)
{
    const WorkFiles expected = Normal(Linux, Linux.files());
    auto changed = [](const std::string& name, const std::string& bytes) {
        WorkFiles files = Windows.files();
        files[name] = bytes;
        return Normal(Windows, files);
    };
    // A page's text.
    EXPECT_THAT(Differences(expected, changed(Windows.second + ".html", Windows.page("Tw0", Windows.first))),
                ElementsAre("topic2.html: line 2: \"<p>Two</p>\r\" / \"<p>Tw0</p>\r\""));
    // A link to the wrong topic.
    EXPECT_THAT(Differences(expected, changed(Windows.first + ".html", Windows.page("One", Windows.first))),
                ElementsAre("topic1.html: line 3: \"<a href=\"topic2.html\">next</a>\r\" / "
                            "\"<a href=\"topic1.html\">next</a>\r\""));
    // A link to a page the run did not make: its identifier stays.
    EXPECT_THAT(Differences(expected, changed(Windows.first + ".html", Windows.page("One", Linux.second))),
                ElementsAre("topic1.html: line 3: \"<a href=\"topic2.html\">next</a>\r\" / "
                            "\"<a href=\"11112222333344445555666677778888.html\">next</a>\r\""));
    // Line ends, and a last line end.
    EXPECT_THAT(Differences(expected, changed("help.css", "p { margin: 0 }\n")),
                ElementsAre("help.css: line 1: \"p { margin: 0 }\r\" / \"p { margin: 0 }\""));
    EXPECT_THAT(Differences(expected, changed("help.css", "p { margin: 0 }\r\n\n")),
                ElementsAre("help.css: line 2: (no such line) / \"\""));
    EXPECT_THAT(Differences(expected, changed("help.css", "p { margin: 0 }\r")),
                ElementsAre("help.css: the file's end differs"));
    // A file more, a file less.
    WorkFiles fewer = Windows.files();
    fewer.erase("help.css");
    EXPECT_THAT(Differences(expected, Normal(Windows, fewer)), ElementsAre("help.css: only in the first run"));
    EXPECT_THAT(Differences(expected, changed("stray.js", "")), ElementsAre("stray.js: only in the second run"));
    // Another folder than the run's own is not the work folder.
    EXPECT_THAT(Differences(expected, Normalise(Windows.files(), {{"C:\\users\\me\\Temp", "<work>"}})),
                ElementsAre("HtmlHelpProject.hhp: line 2: \"Compiled file=<work>\\out.chm\r\" / "
                            "\"Compiled file=<work>\\lx3\\out.chm\r\""));
}

TEST(WorkFiles, TheLongerOfTwoNamedPathsGoesFirst)
{
    WorkFiles files = {{"HtmlHelpProject.hhp", "C:\\Temp\\lx1\\out.chm C:\\Temp\\lx1 C:\\Temp"}};
    EXPECT_EQ(Normalise(files, {{"C:\\Temp", "<temp>"}, {"C:\\Temp\\lx1", "<work>"}, {"C:\\Temp\\lx1\\out.chm", "<out>"}})
                  .at("HtmlHelpProject.hhp"),
              "<out> <work> <temp>");
}

} // namespace
} // namespace lorivex::test
