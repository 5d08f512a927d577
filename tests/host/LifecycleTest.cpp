// The connection lifecycle as Word plays it: connection, start-up,
// shutdown and disconnection, the per-user start mode, and the toolbar's
// removal when the author unloads the add-in.
#include "host/HostFixture.h"

#include "platform/Registry.h"

namespace lorivex::test {
namespace {

using platform::RootKey;

class HostLifecycle : public HostTest {
protected:
    // The module's lifecycle events, each with what it found.
    void Observe()
    {
        Configure = [this](TTestModule& module) {
            auto initialize = module.OnAddInInitialize;
            module.OnAddInInitialize = [this, &module, initialize](THostAddInModule& m) {
                module.Events.push_back(std::string("initialize: ") + (module.WordApp ? "Word" : "no Word") + ", " +
                                        (Toolbar() ? "toolbar" : "no toolbar"));
                initialize(m);
            };
            module.OnAddInStartupComplete = [this, &module](THostAddInModule&) {
                module.Events.push_back(std::string("startup complete: ") + (Toolbar() ? "toolbar" : "no toolbar"));
            };
            module.OnAddInBeginShutdown = [&module](THostAddInModule&) { module.Events.push_back("begin shutdown"); };
            module.OnAddInFinalize = [this, &module](THostAddInModule&) { Finalized = module.Events; };
        };
    }
    std::string StartMode() { return platform::GetRegistry().ReadString(RootKey::CurrentUser, UserKey, "StartMode"); }

    std::vector<std::string> Finalized;
};

TEST_F(HostLifecycle, StartupStepsRunInWordsOrder)
{
    Observe();
    Addin.OnConnection(App, ext_cm_Startup);
    EXPECT_TRUE(Module().Events.empty()) << "nothing before Word's start-up is complete";
    EXPECT_EQ(Toolbar(), nullptr);
    Addin.OnStartupComplete();
    Addin.OnStartupComplete(); // reported twice: run once
    EXPECT_EQ(Module().Events, (std::vector<std::string>{"initialize: Word, no toolbar", "startup complete: toolbar"}));
    EXPECT_EQ(Module().WordApp, App);
    Close();
    EXPECT_EQ(Finalized, (std::vector<std::string>{"initialize: Word, no toolbar", "startup complete: toolbar",
                                                   "begin shutdown"}));
    EXPECT_EQ(Addin.Module(), nullptr) << "the module is freed";
}

TEST_F(HostLifecycle, ConnectingAfterStartupRunsTheStartupStepsAtOnce)
{
    Addin.OnConnection(App, ext_cm_AfterStartup);
    EXPECT_TRUE(Addin.StartedUp());
    ASSERT_NE(Toolbar(), nullptr);
    EXPECT_EQ(Toolbar()->Controls()->Count(), 5);
    ASSERT_NE(Addin.Shortcuts(), nullptr);
    EXPECT_TRUE(Addin.Shortcuts()->Active());
}

TEST_F(HostLifecycle, TheStartModeGoesFromFirstStartToNormal)
{
    Start();
    EXPECT_EQ(Addin.StartModeAtStartup(), "FIRSTSTART") << "a missing value counts as the first start";
    EXPECT_EQ(StartMode(), "NORMAL");
    Close();
    Start();
    EXPECT_EQ(Addin.StartModeAtStartup(), "NORMAL");
    Close();
    // Compared without regard to case.
    platform::GetRegistry().WriteString(RootKey::CurrentUser, UserKey, "StartMode", "FirstStart");
    Start();
    EXPECT_EQ(StartMode(), "NORMAL");
    Close();
    platform::GetRegistry().WriteString(RootKey::CurrentUser, UserKey, "StartMode", "UNINSTALL");
    Start();
    EXPECT_EQ(StartMode(), "UNINSTALL") << "only the first start writes NORMAL";
}

TEST_F(HostLifecycle, UnloadingTheAddinRemovesTheToolbarClosingWordDoesNot)
{
    Start();
    Close();
    ASSERT_NE(Toolbar(), nullptr);
    EXPECT_TRUE(platform::GetRegistry().KeyExists(RootKey::CurrentUser, std::string(UserKey) + "\\Controls"));

    Observe();
    Start();
    auto standard = App->CommandBars()->Item(u"Standard");
    const long builtInCount = standard->Controls()->Count();
    Addin.OnDisconnection(ext_dm_UserClosed);
    EXPECT_EQ(Toolbar(), nullptr);
    EXPECT_EQ(standard->Controls()->Count(), builtInCount);
    EXPECT_FALSE(platform::GetRegistry().KeyExists(RootKey::CurrentUser, std::string(UserKey) + "\\Controls"));
    EXPECT_FALSE(platform::GetRegistry().KeyExists(RootKey::CurrentUser, std::string(UserKey) + "\\CommandBars"));
    EXPECT_EQ(StartMode(), "NORMAL") << "the per-user key itself stays";
    EXPECT_EQ(Finalized.back(), "begin shutdown");
    EXPECT_EQ(Addin.Module(), nullptr);

    // Loaded again from Word's list: everything is built anew.
    Addin.OnConnection(App, ext_cm_AfterStartup);
    ASSERT_NE(Toolbar(), nullptr);
    EXPECT_EQ(Toolbar()->Controls()->Count(), 5);
}

TEST_F(HostLifecycle, AControlTheAuthorCopiedGoesWithTheToolbar)
{
    Start();
    // A copy of Compile on the toolbar keeps its tag: the toolbar must be
    // empty for it to go.
    auto copy = Toolbar()->Controls()->Add(word::msoControlButton);
    copy->SetTag(word::ToWord(CompileTag));
    Addin.OnDisconnection(ext_dm_UserClosed);
    EXPECT_EQ(Toolbar(), nullptr);
}

TEST_F(HostLifecycle, AForeignControlKeepsTheToolbarOnlyWhereWordHasARibbon)
{
    // With a ribbon the toolbar is not taken out of the Normal template:
    // the author's own button keeps it.
    Start("Microsoft.Word.Document");
    Toolbar()->Controls()->Add(word::msoControlButton)->SetTag(u"the author's own");
    Addin.OnDisconnection(ext_dm_UserClosed);
    ASSERT_NE(Toolbar(), nullptr);
    EXPECT_EQ(Toolbar()->Controls()->Count(), 1);
    // Without one the toolbar goes from the Normal template, whatever is on it.
    Start();
    EXPECT_EQ(Toolbar()->Controls()->Count(), 6);
    Addin.OnDisconnection(ext_dm_UserClosed);
    EXPECT_EQ(Toolbar(), nullptr);
}

} // namespace
} // namespace lorivex::test
