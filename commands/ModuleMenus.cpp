// The three menus of the toolbar's Tools entry: recent documents and help
// files, the installed templates, the installed symbols. Each is built
// afresh at every click, so that files added or removed show at once.
#include "commands/LorivexModule.h"

#include "compiler/CompileSettings.h"
#include "platform/CaseFolding.h"
#include "platform/FileSystem.h"
#include "platform/Shell.h"
#include "services/LorivexUtils.h"
#include "services/Pictures.h"
#include "services/word/Word.h"
#include "services/word/WordText.h"

namespace lorivex {

namespace {

enum THistoryKind { hkDocument = 0, hkHelpFile = 1 };

std::string WithoutExtension(const std::string& name)
{
    return platform::ChangeFileExt(name, "");
}

std::string InstallFolder(const std::string& sub)
{
    return platform::IncludeTrailingPathDelimiter(platform::JoinPath(GetLorivexDir(), sub));
}

bool IsSymbolFile(const std::string& name)
{
    const std::string extension = platform::ExtractFileExt(name);
    return platform::AnsiSameText(extension, ".bmp") || platform::AnsiSameText(extension, ".gif");
}

} // namespace

void TLorivexModule::RecentFilesClick(ui::TComponent&)
{
    Guard("RecentFilesClick", [&] {
        TStringList history = GetRecentFiles(ClassName());
        RecentMenu.Clear();
        bool separatorPending = true;
        for (const auto& entry : history) {
            const int kind = int(entry.Tag);
            if (separatorPending && kind == hkHelpFile) {
                RecentMenu.Add("-");
                separatorPending = false;
            }
            auto& item = RecentMenu.Add((kind == hkDocument ? "Open " : "View ")
                                        + platform::ExtractFileName(entry.Text));
            item.Enabled = platform::FileExists(entry.Text);
            item.Tag = kind;
            item.Hint = entry.Text;
            item.ImageIndex = kind;
            item.OnClick = [this](ui::TComponent& sender) { HistoryItemClick(sender); };
        }
        ShowAtCursor(RecentMenu);
    });
}

void TLorivexModule::HistoryItemClick(ui::TComponent& sender)
{
    Guard("HistoryItemClick", [&] {
        auto& item = dynamic_cast<ui::TMenuItem&>(sender);
        if (item.Tag == hkDocument) {
            WordApp->Documents()->Open(word::ToWord(item.Hint));
        } else {
            std::string failure;
            if (!platform::ShellOpen(item.Hint, &failure))
                throw Exception(failure);
        }
    });
}

void TLorivexModule::TemplatesClick(ui::TComponent&)
{
    Guard("TemplatesClick", [&] {
        TemplatesPopup.Clear();
        const std::string folder = InstallFolder("templates");
        for (const auto& entry : platform::FindFiles(folder, "*.doc")) {
            auto& item = TemplatesPopup.Add(WithoutExtension(entry.Name));
            item.Hint = folder + entry.Name;
            item.ImageIndex = 0;
            item.OnClick = [this](ui::TComponent& sender) { NewFromTemplateClick(sender); };
        }
        ShowAtCursor(TemplatesPopup);
    });
}

void TLorivexModule::NewFromTemplateClick(ui::TComponent& sender)
{
    Guard("NewFromTemplateClick", [&] {
        auto& item = dynamic_cast<ui::TMenuItem&>(sender);
        WordApp->Documents()->Add(word::ToWord(item.Hint));
    });
}

void TLorivexModule::SymbolsClick(ui::TComponent&)
{
    Guard("SymbolsClick", [&] {
        SymbolsPopup.Clear();
        const std::string folder = InstallFolder("Symbols");
        for (const auto& entry : platform::FindFiles(folder, "*.*")) {
            if (!IsSymbolFile(entry.Name))
                continue;
            ui::TBitmapPtr picture = LoadPictureBitmap(folder + entry.Name);
            auto& item = SymbolsPopup.Add(WithoutExtension(entry.Name));
            item.Hint = folder + entry.Name;
            item.OnClick = [this](ui::TComponent& sender) { InsertSymbolClick(sender); };
            item.Bitmap = std::make_shared<ui::TBitmap>(*picture);
        }
        ShowAtCursor(SymbolsPopup);
    });
}

void TLorivexModule::InsertSymbolClick(ui::TComponent& sender)
{
    Guard("InsertSymbolClick", [&] {
        if (WordApp->Documents()->Count() == 0)
            throw Exception("You need at least one active document for this command to work");
        auto& item = dynamic_cast<ui::TMenuItem&>(sender);
        auto range = WordApp->ActiveDocument()->ActiveWindow()->Selection()->Range();
        range->InlineShapes()->AddPicture(word::ToWord(item.Hint));
    });
}

} // namespace lorivex
