#pragma once
// The authoring commands in the process: the add-in module connected to the
// document engine, documents built from .docx XML, dialogs answered as a
// person would answer them, and scratch folders of their own for the
// temporary files and the settings (the registry's on Windows).
#include <gmock/gmock.h>

#include <functional>

#include "commands/LorivexModule.h"
#include "compiler/CompilerFixture.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "platform/Versions.h"
#include "services/LorivexUtils.h"
#include "ui/headless/Answerers.h"
#include "ui/headless/DialogLog.h"

namespace lorivex::test {

class CommandTest : public CompilerTest {
protected:
    CommandTest()
        : temp_(TempFolderVariable, Temp.Path().c_str())
    {
        Module.WordApp = App;
        ui::DialogLog::Clear();
    }

    // The first occurrence of the text in the document's main story.
    static word::RangePtr Find(const word::DocumentPtr& document, const std::string& text)
    {
        auto found = document->Content()->Duplicate();
        if (!found->Find()->Execute(word::ToWord(text), true))
            ADD_FAILURE() << "the document has no \"" << text << "\"";
        return found;
    }
    static void Select(const word::DocumentPtr& document, long start, long end)
    {
        auto selection = document->ActiveWindow()->Selection();
        selection->SetStart(start);
        selection->SetEnd(end);
    }
    static void Select(const word::DocumentPtr& document, const std::string& text)
    {
        auto found = Find(document, text);
        Select(document, found->Start(), found->End());
    }
    // The cursor just in front of the text.
    static void CursorAt(const word::DocumentPtr& document, const std::string& text)
    {
        long at = Find(document, text)->Start();
        Select(document, at, at);
    }

    static std::string RawText(const word::DocumentPtr& document) { return Narrow(Raw(document->Content())); }

    // The failure a handler reports to the host layer.
    static ElxException FailureOf(const std::function<void()>& body)
    {
        try {
            body();
        } catch (const ElxException& e) {
            return e;
        }
        ADD_FAILURE() << "no failure";
        return ElxException("", "");
    }

    // The installation folder, with the add-in's server registered in it as
    // an installer leaves it.
    void Install()
    {
        platform::GetRegistry().WriteString(platform::RootKey::ClassesRoot, AddInServerKey(), "",
                                            InstallDir / platform::AddInBinaryName());
    }

    bool ShownAny(ui::DialogKind kind, const std::string& name) const
    {
        for (const auto& entry : ui::DialogLog::Entries())
            if (entry.Kind == kind && entry.Name == name)
                return true;
        return false;
    }

    TempFolder Temp, InstallDir;
    TLorivexModule Module;

private:
    ScopedSettings settings_; // before temp_: its folder is not one of the run's temporary files
    ScopedEnv temp_;
};

} // namespace lorivex::test
