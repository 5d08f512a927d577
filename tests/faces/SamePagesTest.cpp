// The two faces compile the same pages. Inside Word the add-in drives Word
// over IDispatch (word/com); lorivex.exe drives the document engine
// directly. Here the engine is put behind the Word stand-in, so that the
// compile command runs through the binding exactly as inside Word, and its
// work files are compared with those of the direct run on the same sample
// document: the same pages, contents, index and project, apart from the topic
// identifiers and the work folder (faces/WorkFiles.h). The test compiler
// takes the place of hhc.exe, which does not run under Wine.
//
// With LORIVEX_FACES_LINUX_FILES naming the work files that the Linux
// lorivex compile kept of the same document (tests/faces/compare-faces.sh),
// the run through the binding is compared with those too.
#include <gmock/gmock.h>

#include <cstdlib>

#include "TestSupport.h"
#include "engine/Engine.h"
#include "faces/SampleCompile.h"
#include "platform/FileSystem.h"
#include "services/word/Word.h"
#include "tests/wordstandin/WordStandIn.h"
#include "word/com/WordCom.h"

namespace lorivex::test {
namespace {

using ::testing::IsEmpty;

class SamePages : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        settings_ = new ScopedSettings;
        scratch_ = new TempFolder;
        direct_ = new Compiled(CompileSample(engine::CreateApplication(), *scratch_, "engine"));
        aliveBefore_ = standin::Counts().alive;
        overReleasedBefore_ = standin::Counts().overReleases;
        const standin::RefCounts start = standin::Counts();
        {
            IDispatch* served = standin::ExposeApplication(engine::CreateApplication());
            word::ApplicationPtr application = word::com::BindApplication(served);
            served->Release();
            bound_ = new Compiled(CompileSample(application, *scratch_, "binding"));
        }
        counts_ = new standin::RefCounts(standin::Counts());
        counts_->created -= start.created;
        counts_->addRefs -= start.addRefs;
        counts_->releases -= start.releases;
    }
    static void TearDownTestSuite()
    {
        delete counts_;
        delete bound_;
        delete direct_;
        delete scratch_;
        delete settings_;
    }

    static ScopedSettings* settings_;
    static TempFolder* scratch_;
    static Compiled* direct_;
    static Compiled* bound_;
    static standin::RefCounts* counts_;
    static std::size_t aliveBefore_, overReleasedBefore_;
};

ScopedSettings* SamePages::settings_ = nullptr;
TempFolder* SamePages::scratch_ = nullptr;
Compiled* SamePages::direct_ = nullptr;
Compiled* SamePages::bound_ = nullptr;
standin::RefCounts* SamePages::counts_ = nullptr;
std::size_t SamePages::aliveBefore_ = 0;
std::size_t SamePages::overReleasedBefore_ = 0;

TEST_F(SamePages, TheBindingCompilesWhatTheEngineCompiles)
{
    ASSERT_EQ(direct_->error, "");
    ASSERT_EQ(bound_->error, "") << Joined(bound_->lines);
    // Both runs made the whole help: the sample's topics, every page the
    // project lists, the contents and the index.
    const auto ids = TopicIds(direct_->files);
    EXPECT_GE(ids.size(), 5u);
    for (const auto& id : ids)
        EXPECT_TRUE(direct_->files.count(id + ".html")) << id;
    EXPECT_EQ(TopicIds(bound_->files).size(), ids.size());
    EXPECT_THAT(Differences(Normal(*direct_), Normal(*bound_)), IsEmpty());
    EXPECT_TRUE(platform::FileExists(bound_->outputFile)) << "the compiler ran: " << Joined(bound_->lines);
}

TEST_F(SamePages, EveryReferenceTheCompileTookIsGivenBackOnce)
{
    // The compile went through the stand-in: documents, ranges, fields and
    // properties by the thousand, not a handful.
    EXPECT_GT(counts_->created, 1000u);
    EXPECT_EQ(standin::Counts().alive, aliveBefore_);
    EXPECT_EQ(standin::Counts().overReleases, overReleasedBefore_);
    EXPECT_EQ(counts_->releases, counts_->created + counts_->addRefs);
}

// Run by tests/faces/compare-faces.sh with the work files of the Linux run.
TEST_F(SamePages, TheLinuxRunGaveTheSameFiles)
{
    const char* files = std::getenv("LORIVEX_FACES_LINUX_FILES");
    if (!files)
        GTEST_SKIP() << "no Linux run to compare with (tests/faces/compare-faces.sh gives one)";
    const char* work = std::getenv("LORIVEX_FACES_LINUX_WORK_FOLDER");
    const char* output = std::getenv("LORIVEX_FACES_LINUX_OUTPUT");
    ASSERT_TRUE(work && output);
    const WorkFiles onLinux = Normalise(ReadWorkFiles(files), {{work, "<work>"}, {output, "<output>"}});
    ASSERT_FALSE(onLinux.empty()) << files;
    const auto differences = Differences(onLinux, Normal(*bound_));
    EXPECT_THAT(differences, IsEmpty()) << "first: Linux; second: the binding under Wine";
}

} // namespace
} // namespace lorivex::test
