// The other commands of lorivex, as a user runs them.
#include <gtest/gtest.h>

#include "e2e/EndToEnd.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "platform/Versions.h"
#include "services/LorivexUtils.h"

namespace lorivex::test {
namespace {

std::string Sample()
{
    return platform::JoinPath(platform::ExtractFilePath(platform::ProgramPath()), platform::JoinPath("examples", "Sample.docx"));
}

TEST(CommandLine, HelpListsTheCommandsAndEachHasItsOwn)
{
    TempFolder temp;
    auto help = RunLorivex({"--help"}, temp.Path());
    EXPECT_EQ(help.exitCode, 0);
    for (const char* command : {"compile", "convert", "inspect", "info"}) {
        EXPECT_NE(help.output.find(std::string("  ") + command), std::string::npos) << command;
        auto own = RunLorivex({command, "--help"}, temp.Path());
        EXPECT_EQ(own.exitCode, 0) << command;
        EXPECT_NE(own.output.find(std::string("lorivex ") + command), std::string::npos) << own.output;
    }
    auto unknown = RunLorivex({"frobnicate"}, temp.Path());
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_NE(unknown.output.find("unknown command 'frobnicate'"), std::string::npos);
    auto badFlag = RunLorivex({"compile", "--toc-please"}, temp.Path());
    EXPECT_EQ(badFlag.exitCode, 2);
    EXPECT_NE(badFlag.output.find("unknown option '--toc-please'"), std::string::npos);
}

// Without an installed add-in the program looks for its files beside itself
// and registers nothing: a person without the right to write the system's
// registry runs it as well as anyone, and no class names the program as
// its server.
// The value of a "Label: value" line of lorivex info.
std::string InfoLine(const std::string& output, const std::string& label)
{
    const size_t at = output.find(label + ": ");
    if (at == std::string::npos)
        return "(no " + label + ")";
    const size_t start = at + label.size() + 2;
    return output.substr(start, output.find_first_of("\r\n", start) - start);
}

TEST(CommandLine, WithoutTheAddinTheFolderOfTheProgramServesAndNothingIsRegistered)
{
    ScopedSettings settings;
    TempFolder temp;
    auto info = RunLorivex({"info"}, temp.Path());
    EXPECT_EQ(info.exitCode, 0) << info.output;
    const std::string folder = platform::ExtractFilePath(platform::ProgramPath());
    EXPECT_EQ(InfoLine(info.output, "Install folder"), folder);
#ifndef _WIN32 // the child's registry is the files the test's settings name
    EXPECT_EQ(platform::GetRegistry().GetValueKind(platform::RootKey::ClassesRoot, AddInServerKey(), ""),
              platform::ValueKind::None);
#endif
    // A registration of a binary that is gone is passed over the same way.
    const std::string gone = platform::JoinPath(temp / "Removed", platform::AddInBinaryName());
    platform::GetRegistry().WriteString(platform::RootKey::ClassesRoot, AddInServerKey(), "", gone);
    info = RunLorivex({"info"}, temp.Path());
    EXPECT_EQ(InfoLine(info.output, "Install folder"), folder);
}

TEST(CommandLine, InspectShowsHeadingsFieldsAndProperties)
{
    TempFolder temp;
    auto run = RunLorivex({"inspect", Sample()}, temp.Path());
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("\"outlineLevel\": 1, \"style\": \"Heading 1\", \"text\": \"Welcome\\r\""),
              std::string::npos);
    EXPECT_NE(run.output.find("\" ADDIN lxSeeAlsoData \""), std::string::npos);
    EXPECT_NE(run.output.find("lxCustomStyleSheet"), std::string::npos);

    auto broken = RunLorivex({"inspect", temp / "missing.docx"}, temp.Path());
    EXPECT_NE(broken.exitCode, 0);
    EXPECT_NE(broken.output.find("missing.docx"), std::string::npos) << broken.output;
}

TEST(CommandLine, ConvertWritesAPageAndARoundTrip)
{
    TempFolder temp;
    auto page = RunLorivex({"convert", Sample(), temp / "Sample.html"}, temp.Path());
    ASSERT_EQ(page.exitCode, 0) << page.output;
    std::string html = platform::ReadFileBytes(temp / "Sample.html");
    EXPECT_NE(html.find("<title>Lorivex Sample Help</title>"), std::string::npos);
    EXPECT_NE(html.find("What's new &amp; changed"), std::string::npos);
    EXPECT_TRUE(platform::DirectoryExists(temp / "Sample_files")) << "the picture goes beside the page";

    auto copy = RunLorivex({"convert", Sample(), temp / "Copy.docx"}, temp.Path());
    ASSERT_EQ(copy.exitCode, 0) << copy.output;
    auto before = RunLorivex({"inspect", Sample()}, temp.Path());
    auto after = RunLorivex({"inspect", temp / "Copy.docx"}, temp.Path());
    EXPECT_EQ(before.output, after.output);
}

} // namespace
} // namespace lorivex::test
