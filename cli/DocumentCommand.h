#pragma once
// What every authoring command on the command line shares: the person in
// front of Word, with a document open and a selection made. The document is
// opened in the engine, the selection placed, the module's handler run with
// its dialogs answered by the caller, and the document saved whole, or left
// exactly as it was when anything fails.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/headless/Answerers.h"

namespace lorivex {
class TLorivexModule;
}

namespace lorivex::cli {

struct DocumentArguments {
    std::string Document;          // as given (UTF-8)
    std::optional<std::string> At; // the text to select (UTF-8)
};

// A path given on the command line (UTF-8) as the file system takes it, on
// every platform whatever characters it holds.
std::filesystem::path FileSystemPath(const std::string& path);
// The full path of a path given on the command line, "." and ".." resolved
// (UTF-8).
std::string FullPath(const std::string& path);

// Takes DOC and --at TEXT out of the arguments; the rest is left for the
// command. An error text for bad input, empty when the arguments are fine.
std::string TakeDocumentArguments(std::vector<std::string>& args, DocumentArguments& into, bool withAt);

// Runs the command on the document. Returns the exit status: 0 when the
// command ran and the document was saved; 1 with the error dialog's message
// on standard error when it failed (the file is then unchanged); 2 for a
// document that cannot be used or a selection that cannot be made.
int RunOnDocument(const std::string& commandName, const DocumentArguments& arguments,
                  const std::function<void(TLorivexModule& module)>& command);

// Prints every error dialog the module shows on standard error, as the
// person reads it, and closes it. beforePrinting runs first (the compile
// takes its progress line off the terminal).
ui::ScopedAnswer PrintErrorDialogs(std::function<void()> beforePrinting = {});

// Prints an error of the command line itself and gives the exit status 2.
int UsageError(const std::string& commandName, const std::string& message);

} // namespace lorivex::cli
