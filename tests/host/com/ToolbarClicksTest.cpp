// The toolbar's buttons clicked in Word: the add-in object made by the
// server's class factory, connected to the Word stand-in after start-up
// (as Word connects an add-in ticked in its add-ins dialog), with the real
// module behind it. A click is Word's Click event through the stand-in's
// connection point; the handler then drives Word over IDispatch.
//   Compile Help File: the same work files as the module's own compile on
//     the engine (faces/SampleCompile.h).
//   About: the about box on screen, kept as a picture under artifacts/.
//   A handler that fails: the application's error dialog on screen.
//   Ctrl+Shift+Alt+K: the selection marked as an index entry.
#include <gmock/gmock.h>

#include "commands/LorivexModule.h"
#include "engine/Engine.h"
#include "faces/SampleCompile.h"
#include "host/com/HostFactory.h"
#include "host/com/OfficeInterfaces.h"
#include "host/com/Win32KeyboardHook.h"
#include "host/com/ServerFixture.h"
#include "platform/FileSystem.h"
#include "services/AboutForm.h"
#include "services/ExceptionDialog.h"
#include "tests/services/ScopedInstall.h"
#include "tests/ui/win32/Win32Support.h"
#include "tests/wordstandin/WordStandIn.h"
#include "ui/Application.h"
#include "ui/win32/Screenshot.h"

namespace lorivex::test::hostcom {
namespace {

using ::testing::IsEmpty;
using lorivex::hostcom::CLSID_OfficeAddin;
using lorivex::hostcom::THostFactory;

constexpr char16_t CompileTag[] = u"{170762A3-C868-4973-92BF-D6D890D818B2}";
constexpr char16_t AboutTag[] = u"{6E3D4EE0-F362-4956-8684-14AC2B1F2740}";

// Word (the stand-in over the engine) with the add-in connected; the
// connection ends with the object.
class ConnectedWord {
public:
    ConnectedWord()
    {
        EXPECT_EQ(factory_.CreateInstance(nullptr, __uuidof(IDTExtensibility2), reinterpret_cast<void**>(&addin_)),
                  S_OK);
        served_ = standin::ExposeApplication(App);
        EXPECT_EQ(addin_->OnConnection(served_, 0 /* ext_cm_AfterStartup */, nullptr, &custom_), S_OK)
            << ComErrorMessage();
    }
    ~ConnectedWord()
    {
        addin_->OnDisconnection(1 /* ext_dm_UserClosed */, &custom_);
        addin_->Release();
        served_->Release();
    }
    ConnectedWord(const ConnectedWord&) = delete;
    ConnectedWord& operator=(const ConnectedWord&) = delete;

    // Clicks the button of the add-in's toolbar with the tag, as the author
    // does in Word.
    void Click(const char16_t* tag)
    {
        auto bar = App->CommandBars()->Item(u"Lorivex 2008");
        ASSERT_NE(bar, nullptr) << "the toolbar is built at the connection";
        auto button = bar->FindControl(0, tag, true);
        ASSERT_NE(button, nullptr);
        button->Execute();
    }

    word::ApplicationPtr App = engine::CreateApplication(u"12.0");

private:
    ComApartment com_;
    THostFactory factory_{CLSID_OfficeAddin, [] { return std::make_unique<TLorivexModule>(); }, LorivexDllPath()};
    IDispatch* served_ = nullptr;
    IDTExtensibility2* addin_ = nullptr;
    SAFEARRAY* custom_ = nullptr;
};

TEST(ToolbarClicks, CompileHelpFileCompilesTheActiveDocumentAsTheModuleDoesOnTheEngine)
{
    ScopedSettings settings;
    TempFolder scratch;
    const Compiled direct = CompileSample(engine::CreateApplication(), scratch, "engine");
    ASSERT_EQ(direct.error, "") << Joined(direct.lines);

    ConnectedWord word;
    const std::string sample = SampleDocumentPath();
    word.App->Documents()->Open(std::u16string(sample.begin(), sample.end()));
    SampleCompile run(scratch, "clicked");
    word.Click(CompileTag);
    const Compiled clicked = run.Finish();

    for (const auto& line : clicked.lines)
        EXPECT_EQ(line.rfind("error dialog: ", 0), std::string::npos) << line;
    EXPECT_GE(TopicIds(clicked.files).size(), 5u);
    EXPECT_THAT(Differences(Normal(direct), Normal(clicked)), IsEmpty());
    EXPECT_TRUE(platform::FileExists(clicked.outputFile)) << Joined(clicked.lines);
    EXPECT_EQ(word.App->Documents()->Count(), 1) << "the topics' scratch documents are closed again";
}

TEST(ToolbarClicks, CtrlShiftAltKOnWordsThreadMarksTheSelectionAsAnIndexEntry)
{
    ScopedSettings settings;
    ConnectedWord word;
    const std::string sample = SampleDocumentPath();
    auto document = word.App->Documents()->Open(std::u16string(sample.begin(), sample.end()));
    auto found = document->Content()->Duplicate();
    ASSERT_TRUE(found->Find()->Execute(u"sample", true));
    auto selection = document->ActiveWindow()->Selection();
    selection->SetStart(found->Start());
    selection->SetEnd(found->End());
    auto entries = [&] {
        int count = 0;
        for (long i = 1; i <= document->Fields()->Count(); ++i)
            count += document->Fields()->Item(i)->Code()->Text() == u" XE \"sample\" ";
        return count;
    };
    ASSERT_EQ(entries(), 0);

    // The key going down on Word's thread, as the hook installed at the
    // connection sees it.
    BYTE saved[256] = {}, held[256] = {};
    GetKeyboardState(saved);
    for (int key : {VK_CONTROL, VK_RCONTROL, VK_SHIFT, VK_LSHIFT, VK_MENU, VK_RMENU})
        held[key] = 0x80;
    SetKeyboardState(held);
    const LRESULT swallowed = lorivex::hostcom::TWin32KeyboardHook::HookProcedure(HC_ACTION, 'K', 1);
    const LRESULT other = lorivex::hostcom::TWin32KeyboardHook::HookProcedure(HC_ACTION, 'J', 1);
    SetKeyboardState(saved);
    EXPECT_EQ(swallowed, 1) << "Word does not see the shortcut";
    EXPECT_EQ(other, 0) << "other keys go on to Word";
    EXPECT_EQ(entries(), 1);
}

// The same connection with the forms on real windows.
class ToolbarClicksOnScreen : public ui::win32::test::Win32Test {
protected:
    static ui::TForm* ShownForm(const std::string& formClass)
    {
        for (ui::TForm* form : ui::Application().Forms())
            if (form->ClassName() == formClass && form->Visible())
                return form;
        return nullptr;
    }
    // The form's window as it is on screen, saved under artifacts/; its
    // client area.
    static ui::TBitmap Keep(ui::TForm& form, const std::string& name)
    {
        Settle();
        ui::win32::SaveBmp(ui::win32::CaptureForm(form), ui::win32::test::ArtifactsFolder() + "\\" + name);
        return ui::win32::CaptureForm(form, true);
    }

    ScopedSettings settings_;
};

TEST_F(ToolbarClicksOnScreen, AboutShowsTheAboutBox)
{
    ScopedInstall install;
    ConnectedWord word;
    int width = 0, height = 0;
    After(200, [&] {
        ui::TForm* about = ShownForm("TAboutForm");
        ASSERT_NE(about, nullptr) << "the about box is up while the click runs";
        const ui::TBitmap client = Keep(*about, "about-box-clicked-in-word.bmp");
        width = client.Width();
        height = client.Height();
        about->ModalResult = ui::mrOk;
    });
    word.Click(AboutTag);
    EXPECT_EQ(width, 416);
    EXPECT_EQ(height, 300);
    EXPECT_EQ(ShownForm("TAboutForm"), nullptr) << "closed with the click's end";
}

TEST_F(ToolbarClicksOnScreen, AFailingHandlerShowsTheErrorDialog)
{
    ConnectedWord word; // and no document: the compile command cannot run
    std::string message;
    std::vector<std::string> trace;
    After(200, [&] {
        auto* dialog = dynamic_cast<TlxExceptionDialog*>(ShownForm("TlxExceptionDialog"));
        ASSERT_NE(dialog, nullptr) << "the error dialog is up while the click runs";
        Keep(*dialog, "error-dialog-clicked-in-word.bmp");
        message = dialog->ExceptionLabel->Caption();
        for (int i = 0; i < dialog->TraceListBox->Items.Count(); ++i)
            trace.push_back(dialog->TraceListBox->Items[i]);
        dialog->OkButton->Click();
    });
    word.Click(CompileTag);
    EXPECT_EQ(message, "This command cannot be executed when no document is active.");
    EXPECT_EQ(trace, std::vector<std::string>{"TLorivexModule.CompileHtmlHelpClick"});
    EXPECT_EQ(ShownForm("TlxExceptionDialog"), nullptr);
}

} // namespace
} // namespace lorivex::test::hostcom
