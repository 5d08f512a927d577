#pragma once
// Word's add-in load sequence played on the engine's application with the
// real add-in module: connection, ribbon request, start-up, shutdown and
// disconnection, with the registry of the test's own (ScopedSettings).
// The application outlives the connections, as Word's Normal template
// keeps the toolbar from one start of Word to the next.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "commands/LorivexModule.h"
#include "engine/Engine.h"
#include "host/HostAddin.h"
#include "host/LorivexServerInfo.h"
#include "services/ExceptionDialog.h"
#include "services/word/Word.h"
#include "services/word/WordText.h"
#include "ui/headless/Answerers.h"
#include "ui/headless/DialogLog.h"

namespace lorivex::test {

// The toolbar's tags, as the module defines them.
inline constexpr char BuiltInTag[] = "{937D4866-0F37-4F2F-9517-9788D025D79D}";
inline constexpr char ToolsTag[] = "{4BC23521-4A5A-4E3A-BC41-1DFEB0346732}";
inline constexpr char CompileTag[] = "{170762A3-C868-4973-92BF-D6D890D818B2}";
inline constexpr char AboutTag[] = "{6E3D4EE0-F362-4956-8684-14AC2B1F2740}";
inline constexpr char HelpTag[] = "{8ADDFB69-52F9-4372-AB36-1AA409E5B39B}";
inline constexpr char RecentTag[] = "{04AF01F9-E6E4-455B-8EDB-924FA66BC1CC}";
inline constexpr char PasteCodeTag[] = "{1B916A66-3D60-40AD-BCE2-E77E427B5D60}";
inline constexpr char UserKey[] = "\\Software\\Microsoft\\Office\\Word\\AddIns\\Lorivex.OfficeAddin";

// The add-in module as Word gets it, with a test's changes to the
// definition made before the host layer sees it (a later build's
// revisions, an extra toolbar) and the order of the lifecycle events.
class TTestModule : public TLorivexModule {
public:
    THostCommandBar ExtraBar;
    std::vector<std::string> Events;
};

class HostTest : public ::testing::Test {
protected:
    explicit HostTest(const std::u16string& version = u"12.0")
        : App(engine::CreateApplication(version)),
          Addin([this] {
              auto module = std::make_unique<TTestModule>();
              if (Configure)
                  Configure(*module);
              return module;
          }, LorivexProgId)
    {
        ui::DialogLog::Clear();
    }

    // Word lets go of a connection a test left open before the test's own
    // members go.
    void TearDown() override
    {
        if (Addin.Module())
            Addin.OnDisconnection(ext_dm_HostShutdown);
    }

    // Word's start: connection, the ribbon request of a Word that has one
    // (the ribbon id), start-up complete.
    void Start(const std::optional<std::string>& ribbonId = std::nullopt)
    {
        Addin.OnConnection(App, ext_cm_Startup);
        if (ribbonId)
            Addin.GetCustomUI(*ribbonId);
        Addin.OnStartupComplete();
    }
    // Word closes: the toolbar stays in its Normal template.
    void Close()
    {
        Addin.OnBeginShutdown();
        Addin.OnDisconnection(ext_dm_HostShutdown);
    }

    TTestModule& Module() { return dynamic_cast<TTestModule&>(*Addin.Module()); }
    word::CommandBarPtr Toolbar() { return App->CommandBars()->Item(u"Lorivex 2008"); }
    word::CommandBarControlPtr Control(const std::string& tag)
    {
        auto bar = Toolbar();
        return bar ? bar->FindControl(0, word::ToWord(tag), true) : nullptr;
    }
    std::vector<std::string> Captions(const word::CommandBarControlsPtr& controls)
    {
        std::vector<std::string> captions;
        for (long i = 1; i <= controls->Count(); ++i)
            captions.push_back(word::FromWord(controls->Item(i)->Caption()));
        return captions;
    }
    // Clicks a control and returns the messages of the error dialogs it
    // brought up.
    std::vector<std::string> ErrorsOf(const std::function<void()>& action)
    {
        std::vector<std::string> messages;
        auto answer = ui::ScopedAnswer::Form("TlxExceptionDialog", [&](ui::TForm& form) {
            messages.push_back(dynamic_cast<TlxExceptionDialog&>(form).ExceptionLabel->Caption());
            form.PressEnter();
        });
        action();
        return messages;
    }

    ScopedSettings Settings;
    word::ApplicationPtr App;
    std::function<void(TTestModule&)> Configure;
    THostAddin Addin;
};

} // namespace lorivex::test
