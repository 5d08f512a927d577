// Word over IDispatch against the stand-in, with the fake application that
// knows only its version: values, Word's errors, reference counts.
#include <gtest/gtest.h>

#include "FakeWordApplication.h"
#include "tests/wordstandin/WordStandIn.h"
#include "word/com/WordCom.h"

namespace lorivex::test {
namespace {

class WordComCore : public ::testing::Test {
protected:
    void SetUp() override { standin::ResetCounts(); }
    void TearDown() override { standin::ResetCounts(); }

    word::ApplicationPtr Bind(std::u16string version)
    {
        IDispatch* served = standin::ExposeApplication(std::make_shared<FakeWordApplication>(std::move(version)));
        word::ApplicationPtr app = word::com::BindApplication(served);
        served->Release();
        return app;
    }
};

TEST_F(WordComCore, TextComesBackAsWordGaveIt)
{
    for (std::u16string version : {u"11.0", u"", u"12.0 \u00e9\u4e2d"}) {
        word::ApplicationPtr app = Bind(version);
        EXPECT_EQ(app->Version(), version);
    }
}

TEST_F(WordComCore, WordsErrorCarriesWordsMessage)
{
    word::ApplicationPtr app = Bind(u"11.0");
    try {
        app->ActiveDocument();
        FAIL() << "no error";
    } catch (const word::EWordError& e) {
        EXPECT_STREQ(e.what(), "The fake Word application was asked for more than its version");
    }
}

TEST_F(WordComCore, EveryReferenceIsGivenBackOnce)
{
    {
        word::ApplicationPtr app = Bind(u"11.0");
        app->Version();
        EXPECT_THROW(app->Documents(), word::EWordError);
        EXPECT_EQ(standin::Counts().alive, 1u);
    }
    const standin::RefCounts& counts = standin::Counts();
    EXPECT_EQ(counts.alive, 0u);
    EXPECT_EQ(counts.overReleases, 0u);
    EXPECT_EQ(counts.releases, counts.created + counts.addRefs);
}

} // namespace
} // namespace lorivex::test
