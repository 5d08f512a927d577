// Word's WindowActivate: the toolbar is made sure of in every window that
// comes to the front, before the module's own handler runs.
#include "host/HostFixture.h"

namespace lorivex::test {
namespace {

using HostWindowActivation = HostTest;

TEST_F(HostWindowActivation, ADeletedToolbarIsMadeAgain)
{
    Start();
    Toolbar()->Delete();
    ASSERT_EQ(Toolbar(), nullptr);
    auto document = App->Documents()->Add();
    ASSERT_NE(Toolbar(), nullptr);
    EXPECT_EQ(Toolbar()->Controls()->Count(), 5);
    EXPECT_EQ(Toolbar()->FindControl(word::msoControlPopup, word::ToWord(ToolsTag), false)->Controls()->Count(), 8);
    // The new buttons reach the module.
    document->Close();
    EXPECT_EQ(ErrorsOf([&] { Control(CompileTag)->Execute(); }),
              std::vector<std::string>{"This command cannot be executed when no document is active."});
}

TEST_F(HostWindowActivation, WithoutADocumentTheApplicationsBarsCount)
{
    Start();
    Toolbar()->Delete();
    App->OnWindowActivate()(nullptr, nullptr);
    ASSERT_NE(Toolbar(), nullptr);
    EXPECT_EQ(Toolbar()->Controls()->Count(), 5);
}

TEST_F(HostWindowActivation, AFoundToolbarIsReconnected)
{
    Start();
    auto before = Module().LorivexCommandBar.Connected;
    App->Documents()->Add();
    EXPECT_EQ(Module().LorivexCommandBar.Connected, before);
    EXPECT_EQ(Toolbar()->Controls()->Count(), 5) << "nothing added twice";
    EXPECT_EQ(Module().LorivexCommandBar.Controls[2]->Connected, Control(CompileTag));
}

TEST_F(HostWindowActivation, AnEmailWindowLosesTheToolbarUntilAnotherWindowComes)
{
    Start();
    auto envelope = App->CommandBars()->Item(u"Envelope");
    envelope->SetVisible(true);
    App->Documents()->Add();
    EXPECT_EQ(Toolbar(), nullptr);
    EXPECT_FALSE(Module().LorivexCommandBar.Visible);
    EXPECT_TRUE(ui::DialogLog::Entries().empty());

    envelope->SetVisible(false);
    App->Documents()->Add();
    ASSERT_NE(Toolbar(), nullptr);
    EXPECT_EQ(Toolbar()->Controls()->Count(), 5);
    EXPECT_EQ(Captions(Toolbar()->Controls())[2], "Compile Help File");
}

TEST_F(HostWindowActivation, TheModuleRunsAfterTheToolbarIsThereAndItsFailuresAreDropped)
{
    Configure = [this](TTestModule& module) {
        module.OnAddInInitialize = [this, &module](THostAddInModule&) {
            module.WordApp->SetOnWindowActivate([this, &module](const word::DocumentPtr& doc, const word::WindowPtr&) {
                module.Events.push_back(std::string(doc ? "document" : "none") + (Toolbar() ? ", toolbar" : ", none"));
                throw Exception("the module's own trouble");
            });
        };
    };
    Start();
    Toolbar()->Delete();
    App->Documents()->Add();
    EXPECT_EQ(Module().Events, std::vector<std::string>{"document, toolbar"});
    EXPECT_TRUE(ui::DialogLog::Entries().empty()) << "never shown";
}

TEST_F(HostWindowActivation, NothingOfTheAddinIsBoundAfterDisconnection)
{
    Start();
    ASSERT_TRUE(App->OnWindowActivate());
    Close();
    EXPECT_FALSE(App->OnWindowActivate());
    // A click on the toolbar that stays in Word reaches no freed module.
    auto compile = Control(CompileTag);
    ASSERT_NE(compile, nullptr);
    compile->Execute();
    EXPECT_TRUE(ui::DialogLog::Entries().empty());
}

} // namespace
} // namespace lorivex::test
