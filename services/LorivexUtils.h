#pragma once
// Free-standing operations that the compiler, the authoring dialogs and the
// shared services call. Errors carry the context "LorivexUtilsUnit".
#include <memory>
#include <string>
#include <vector>

#include "base/Guarded.h"
#include "services/StringList.h"
#include "services/word/Word.h"

namespace lorivex {

inline constexpr char UtilsUnit[] = "LorivexUtilsUnit";

// The add-in's COM class; its InProcServer32 key names the installed binary.
inline constexpr char AddInClsid[] = "{DEE72A43-7E7E-42B8-A8E1-58E0A2ED9124}";
std::string AddInServerKey(); // "CLSID\{...}\InProcServer32"

// Escapes text for a single-quoted JavaScript string literal; line breaks
// become String.fromCharCode calls so that the literal stays on one line.
std::string JavaScriptStr(const std::string& text);
// Replaces the four HTML special characters by entities; stops at a code 0.
std::string HtmlEncode(const std::string& text);
// Fills the list with the pieces of text between separators; see the tests
// for the rules on empty pieces.
void SplitString(const std::string& text, char separator, TStringList& list);

// The user's temporary folder, with a trailing path delimiter.
std::string GetTempDir();
// Removes the folder with everything in it; sub-folders whose names begin
// with a full stop are kept. True when the folder itself is gone.
bool DeleteFolderContents(const std::string& folder);
// 32 upper-case hexadecimal digits, fresh on every call.
std::string GetUniqueID();
// The folder of the installed add-in binary, with a trailing path delimiter.
std::string GetLorivexDir();
// What GetLorivexDir answers while the add-in's class is not registered, or
// names a binary that is gone: the command-line program gives its own
// folder, so that a build or a copy finds the templates, symbols and help
// beside it without writing the system's registry. Empty by default (the
// add-in is registered whenever Word loads it).
void SetUnregisteredLorivexDir(const std::string& folder);

// Document properties carry the per-document settings. Names compare
// without regard to case; a missing custom property reads as empty text.
std::string GetDocProperty(const word::DocumentPtr& document, const std::string& name);
// Sets the custom property, creating it as a text property when missing.
void SetDocProperty(const word::DocumentPtr& document, const std::string& name, const std::string& value);
// Sets the built-in property of that name, or creates a custom one of the
// given type when no built-in property has it.
void SetBuiltInDocProperty(const word::DocumentPtr& document, const std::string& name, const word::Variant& value,
                           long type, bool linkToContent);
// The collection's items in enumeration order; the list keeps them alive.
std::vector<word::DispatchPtr> GetCollectionItems(word::Enumerable& collection);
// The last field of the range with the type whose code text begins with
// the prefix (case-sensitive); nullptr when none matches.
word::FieldPtr GetRangeField(const word::RangePtr& range, long type, const std::string& prefix);
// Passes an HTML file through the Office HTML filter, in place.
void ShrinkHTML(const std::string& fileName);

// Empties a list of owned items, first item first.
template <class T>
void DisposeList(std::vector<std::unique_ptr<T>>& list)
{
    Guarded(UtilsUnit, "DisposeList", [&] {
        while (!list.empty())
            list.erase(list.begin());
    });
}

} // namespace lorivex
