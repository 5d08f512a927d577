// Members the fake Word does not model still go all the way: the binding's
// name reaches the stand-in's member of that name, which calls the fake's,
// whose error comes back with its message.
#include <functional>

#include <gtest/gtest.h>

#include "tests/word/FakeWord.h"
#include "tests/wordstandin/WordStandIn.h"
#include "word/com/WordCom.h"

namespace lorivex::test {
namespace {

struct Reach {
    const char* member; // as the fake names it in its error
    std::function<void(word::Application& app)> call;
};

word::RangePtr Content(word::Application& app)
{
    return app.ActiveDocument()->Content();
}

word::CommandBarControlPtr Button(word::Application& app)
{
    return app.CommandBars()->Add(u"B", word::msoBarTop, true)->Controls()->Add(word::msoControlButton);
}

const Reach reaches[] = {
    {"DefaultWebOptions", [](word::Application& a) { a.DefaultWebOptions(); }},
    {"OrganizerCopy", [](word::Application& a) { a.OrganizerCopy(u"a", u"b", u"c", word::wdOrganizerObjectStyles); }},
    {"OrganizerDelete", [](word::Application& a) { a.OrganizerDelete(u"a", u"c", word::wdOrganizerObjectCommandBars); }},
    {"NormalTemplate", [](word::Application& a) { a.NormalTemplate(); }},
    {"Templates", [](word::Application& a) { a.Templates(1); }},
    {"Paragraphs", [](word::Application& a) { a.ActiveDocument()->Paragraphs(); }},
    {"Fields", [](word::Application& a) { a.ActiveDocument()->Fields(); }},
    {"Styles", [](word::Application& a) { a.ActiveDocument()->Styles(); }},
    {"Indexes", [](word::Application& a) { a.ActiveDocument()->Indexes(); }},
    {"BuiltInDocumentProperties", [](word::Application& a) { a.ActiveDocument()->BuiltInDocumentProperties(); }},
    {"CustomDocumentProperties", [](word::Application& a) { a.ActiveDocument()->CustomDocumentProperties(); }},
    {"CommandBars", [](word::Application& a) { a.ActiveDocument()->CommandBars(); }},
    {"StyleSheets", [](word::Application& a) { a.ActiveDocument()->AddStyleSheet(u"s.css", 0, u"t", -1); }},
    {"TextRetrievalMode", [](word::Application& a) { Content(a)->TextRetrievalMode(); }},
    {"Font", [](word::Application& a) { Content(a)->Font(); }},
    {"InlineShapes", [](word::Application& a) { Content(a)->InlineShapes(); }},
    {"Find", [](word::Application& a) { Content(a)->Find(); }},
    {"Style", [](word::Application& a) { Content(a)->SetStyle(word::wdStyleNormal); }},
    {"InsertFile", [](word::Application& a) { Content(a)->InsertFile(u"C:\\x.htm"); }},
    {"Selection", [](word::Application& a) { a.ActiveWindow()->Selection(); }},
    {"View", [](word::Application& a) { a.ActiveWindow()->View(); }},
    {"ActivePane", [](word::Application& a) { a.ActiveWindow()->ActivePane(); }},
    {"Index", [](word::Application& a) { Button(a)->Index(); }},
    {"Move", [](word::Application& a) { Button(a)->Move(1); }},
    {"DescriptionText", [](word::Application& a) { Button(a)->SetDescriptionText(u"d"); }},
    {"Parameter", [](word::Application& a) { Button(a)->Parameter(); }},
    {"HelpContextId", [](word::Application& a) { Button(a)->SetHelpContextId(3); }},
    {"HelpFile", [](word::Application& a) { Button(a)->HelpFile(); }},
    {"Priority", [](word::Application& a) { Button(a)->SetPriority(1); }},
    {"PasteFace", [](word::Application& a) { Button(a)->PasteFace(); }},
};

TEST(WordComUnmodelled, EachMemberReachesTheFakesOwn)
{
    for (const Reach& reach : reaches) {
        standin::ResetCounts();
        auto fake = std::make_shared<fakeword::FakeApplication>();
        IDispatch* served = standin::ExposeApplication(fake);
        {
            word::ApplicationPtr app = word::com::BindApplication(served);
            app->Documents()->Add();
            try {
                reach.call(*app);
                ADD_FAILURE() << reach.member << ": no error";
            } catch (const word::EWordError& e) {
                EXPECT_EQ(std::string(e.what()), std::string("The fake Word has no ") + reach.member);
            }
        }
        served->Release();
        EXPECT_EQ(standin::Counts().alive, 0u) << reach.member;
    }
}

} // namespace
} // namespace lorivex::test
