// The ribbon markup Word 2007 and later ask for, and what the request
// tells the module.
#include "host/HostFixture.h"

namespace lorivex::test {
namespace {

using HostRibbon = HostTest;

TEST_F(HostRibbon, TheMarkupIsTheCustomUIElementOnTwoLines)
{
    Addin.OnConnection(App, ext_cm_Startup);
    EXPECT_EQ(Addin.GetCustomUI("Microsoft.Word.Document"),
              "<customUI xmlns=\"http://schemas.microsoft.com/office/2006/01/customui\" "
              "onLoad=\"RibbonLoaded_Callback\" loadImage=\"GetImages_Callback\">\r\n</customUI>");
}

TEST_F(HostRibbon, TheModuleSeesTheIdAndMayReplaceTheMarkup)
{
    std::shared_ptr<word::Dispatch> ribbonObject = std::make_shared<word::Dispatch>();
    Configure = [](TTestModule& module) {
        module.OnRibbonBeforeCreate = [&module](THostAddInModule&, std::string& id) {
            module.Events.push_back("create " + id);
        };
        module.OnRibbonBeforeLoad = [&module](THostAddInModule&, std::string& markup) {
            module.Events.push_back("load " + std::to_string(markup.size()));
            markup = "<customUI/>";
        };
        module.OnRibbonLoaded = [&module](THostAddInModule&) { module.Events.push_back("loaded"); };
    };
    Addin.OnConnection(App, ext_cm_Startup);
    EXPECT_EQ(Addin.GetCustomUI("Microsoft.Word.Document"), "<customUI/>");
    Addin.RibbonLoaded(ribbonObject);
    EXPECT_EQ(Module().Events, (std::vector<std::string>{"create Microsoft.Word.Document", "load 146", "loaded"}));
}

TEST_F(HostRibbon, AFailingRibbonHandlerIsReportedAndTheMarkupStillReturned)
{
    Configure = [](TTestModule& module) {
        module.OnRibbonBeforeCreate = [](THostAddInModule&, std::string&) { throw Exception("no ribbon today"); };
    };
    Addin.OnConnection(App, ext_cm_Startup);
    std::string markup;
    auto messages = ErrorsOf([&] { markup = Addin.GetCustomUI("Microsoft.Word.Document"); });
    EXPECT_EQ(messages, std::vector<std::string>{"no ribbon today"});
    EXPECT_TRUE(markup.starts_with("<customUI xmlns="));
}

TEST(HostRibbonMark, TheRequestIsMarkedForTheConnectionAndTheHostNoted)
{
    TLorivexModule module;
    THostRibbon ribbon(module);
    EXPECT_FALSE(ribbon.AskedFor());
    ribbon.GetCustomUI("Microsoft.Excel.Workbook");
    EXPECT_TRUE(ribbon.AskedFor());
    EXPECT_FALSE(ribbon.ForWord());
    ribbon.GetCustomUI("Microsoft.Word.Document");
    EXPECT_TRUE(ribbon.ForWord());
}

} // namespace
} // namespace lorivex::test
