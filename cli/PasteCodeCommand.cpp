// "lorivex paste-code": a source file pasted as highlighted code, the way
// the add-in's Paste Code command pastes what was copied.
#include "base/Exception.h"
#include "cli/Command.h"
#include "cli/DocumentCommand.h"
#include "cli/Languages.h"
#include "commands/LorivexModule.h"
#include "commands/PasteCodeDialog.h"
#include "highlight/SourceText.h"
#include "platform/Clipboard.h"

namespace lorivex::cli {

namespace {

std::u16string Joined(const std::vector<std::u16string>& lines)
{
    std::u16string text;
    for (const auto& line : lines)
        text += line + u"\r\n";
    return text;
}

} // namespace

std::string PasteCodeUsage()
{
    return "Usage: lorivex paste-code DOC.docx [--at TEXT] [--language NAME] [FILE | -]\n"
           "\n"
           "Pastes the text of FILE (or of standard input, -) into the document as\n"
           "syntax-highlighted code, as the add-in's \"Paste Code\" button pastes what was\n"
           "copied: the text goes onto the clipboard, the dialog picks the language and\n"
           "puts the code there as RTF in the language's colours, and Word pastes it at\n"
           "the selection, replacing it. Then the document is saved.\n"
           "\n"
           "  --at TEXT          select the first occurrence of TEXT (else the code goes\n"
           "                     to the end of the document)\n"
           "  --language NAME    the language, by its name or short name; without it, the\n"
           "                     language of the file's extension, else the language used\n"
           "                     last time (stored as the dialog stores it)\n"
           "\n"
           "The file is read as \"lorivex highlight\" reads it: a byte order mark, or valid\n"
           "UTF-8, or text in the ANSI code page; binary data is refused.\n"
           "\n"
           "Languages (name, short name, extensions):\n" +
           LanguageTable(CreateHighlighters());
}

int RunPasteCode(const std::vector<std::string>& args)
{
    std::vector<std::string> rest = args;
    DocumentArguments document;
    if (std::string error = TakeDocumentArguments(rest, document, true); !error.empty())
        return UsageError("paste-code", error);
    std::string language, file;
    for (size_t i = 0; i < rest.size(); ++i) {
        if (rest[i] == "--language" && i + 1 < rest.size())
            language = rest[++i];
        else if (file.empty() && (rest[i] == "-" || !rest[i].starts_with("-")))
            file = rest[i];
        else
            return UsageError("paste-code", "unknown argument '" + rest[i] + "'");
    }
    if (file.empty())
        return UsageError("paste-code", "give the FILE to paste, or - for standard input");
    const THighlighterList highlighters = CreateHighlighters();
    const THighlighter* chosen = nullptr;
    if (!language.empty() && !(chosen = FindHighlighter(highlighters, language)))
        return UsageError("paste-code", "there is no language \"" + language + "\"; the short names are "
                                            + ShortNames(highlighters));
    if (!chosen && file != "-")
        chosen = FindHighlighterForFile(highlighters, file);
    std::vector<std::u16string> lines;
    try {
        lines = ReadSourceFile(file);
    } catch (const Exception& e) {
        return UsageError("paste-code", e.Message());
    }
    if (lines.empty())
        return UsageError("paste-code", (file == "-" ? std::string("standard input") : file) + " holds no text to paste");
    platform::SetClipboardUnicodeText(Joined(lines));
    auto answer = ui::ScopedAnswer::Form("TPasteCodeDialog", [&](ui::TForm& form) {
        auto& dialog = dynamic_cast<TPasteCodeDialog&>(form);
        if (chosen) {
            int index = dialog.LanguageCombo->Items.IndexOf(chosen->DisplayName());
            dialog.LanguageCombo->Choose(index);
        }
        dialog.BitBtn1->Click();
    });
    return RunOnDocument("paste-code", document, [](TLorivexModule& module) { module.PasteCodeClick(module); });
}

} // namespace lorivex::cli
