#include "compiler/CompileSettings.h"

#include "platform/FileSystem.h"
#include "platform/HelpCompiler.h"
#include "platform/Registry.h"
#include "base/Guarded.h"

namespace lorivex {

namespace {

using platform::RootKey;

platform::Registry& Reg()
{
    return platform::GetRegistry();
}

constexpr RootKey User = RootKey::CurrentUser;

bool ReadBool(const std::string& key, const char* name)
{
    return Reg().ReadDWord(User, key, name) != 0;
}

// Creating the key and writing its values is one step, so that no one sees
// the key without them.
void WriteOrFail(const std::string& key, const std::vector<platform::RegistryValue>& values)
{
    try {
        Reg().WriteValues(User, key, values);
    } catch (const Exception&) {
        throw Exception("Could not save settings. Make sure you have write access to the registry. (HKCU\\Software)");
    }
}

} // namespace

std::string DocumentKey(const std::string& documentFullName)
{
    if (platform::ExtractFilePath(documentFullName).empty())
        return "DefaultDoc";
    return platform::ExtractFileName(documentFullName);
}

std::string DefaultOutputFile(const std::string& documentFullName, const std::string& myDocumentsFolder)
{
    std::string folder = DocumentKey(documentFullName) == "DefaultDoc"
                           ? myDocumentsFolder
                           : platform::ExcludeTrailingPathDelimiter(platform::ExtractFilePath(documentFullName));
    return platform::JoinPath(folder, platform::ChangeFileExt(platform::ExtractFileName(documentFullName), ".chm"));
}

std::string DefaultCompilerPath(const std::string& programFilesFolder)
{
#ifdef _WIN32
    return programFilesFolder + "\\HTML Help Workshop\\hhc.exe";
#else
    // The program files folder has no help workshop here; chmcmd is the
    // compiler, wherever PATH finds it.
    (void)programFilesFolder;
    return platform::DefaultHelpCompilerPath();
#endif
}

TCompileOptions ReadCompileOptions(const std::string& documentFullName, const std::string& myDocumentsFolder,
                                   const std::string& programFilesFolder)
{
    TCompileOptions options;
    if (Reg().KeyExists(User, SettingsKey)) {
        options.Compiler = Reg().ReadString(User, SettingsKey, "HTMLCompiler");
        options.OpenHelpAfterCompilation = ReadBool(SettingsKey, "OpenHelpAfterCompilation");
        try {
            options.OverWriteExisting = ReadBool(SettingsKey, "OverWriteExisting");
        } catch (const Exception&) {
            options.OverWriteExisting = false;
        }
    } else {
        options.Compiler = DefaultCompilerPath(programFilesFolder);
    }
    const std::string project = ProjectsKey + DocumentKey(documentFullName);
    if (Reg().KeyExists(User, project)) {
        options.OutputFile = Reg().ReadString(User, project, "OutputFile");
        if (!platform::DirectoryExists(platform::ExtractFilePath(options.OutputFile)))
            options.OutputFile = DefaultOutputFile(documentFullName, myDocumentsFolder);
        options.IncludeTableOfContents = ReadBool(project, "IncludeTableOfContents");
        options.IncludeKeywordIndex = ReadBool(project, "IncludeKeywordIndex");
        options.IncludeFullTextSearch = ReadBool(project, "IncludeFullTextSearch");
        options.IncludeHeaders = Reg().GetValueKind(User, project, "IncludeHeaders") == platform::ValueKind::None
                                     ? true
                                     : ReadBool(project, "IncludeHeaders");
    } else {
        options.OutputFile = DefaultOutputFile(documentFullName, myDocumentsFolder);
    }
    return options;
}

void WriteCompileOptions(const std::string& documentFullName, const TCompileOptions& options)
{
    using platform::RegistryValue;
    using platform::ValueKind;
    auto flag = [](const char* name, bool value) {
        return RegistryValue{name, ValueKind::DWord, {}, value ? 1u : 0u};
    };
    WriteOrFail(SettingsKey,
                      {{"HTMLCompiler", ValueKind::String, options.Compiler, 0},
                       flag("OpenHelpAfterCompilation", options.OpenHelpAfterCompilation),
                       flag("OverWriteExisting", options.OverWriteExisting)});
    const std::string project = ProjectsKey + DocumentKey(documentFullName);
    WriteOrFail(project,
                      {{"OutputFile", ValueKind::String, options.OutputFile, 0},
                       flag("IncludeTableOfContents", options.IncludeTableOfContents),
                       flag("IncludeKeywordIndex", options.IncludeKeywordIndex),
                       flag("IncludeFullTextSearch", options.IncludeFullTextSearch),
                       flag("IncludeHeaders", options.IncludeHeaders)});
}

namespace {

// The list under a key as it stands; a value another process removes while
// it is read is simply not there.
std::vector<std::string> ReadRecentList(const std::string& key, long& count)
{
    count = 0;
    std::vector<std::string> paths;
    try {
        if (Reg().GetValueKind(User, key, "Count") != platform::ValueKind::None)
            count = long(Reg().ReadDWord(User, key, "Count"));
    } catch (const Exception&) {
        count = 0;
    }
    for (long i = 0; i < count; ++i) {
        std::string name = "File" + std::to_string(i);
        try {
            if (Reg().GetValueKind(User, key, name) != platform::ValueKind::None)
                paths.push_back(Reg().ReadString(User, key, name));
        } catch (const Exception&) {
        }
    }
    return paths;
}

} // namespace

void AddRecentFile(const std::string& key, const std::string& path)
{
    if (platform::ExtractFilePath(path).empty())
        return;
    if (!Reg().CreateKey(User, key))
        return;
    long count = 0;
    std::vector<std::string> paths = {path};
    for (auto& old : ReadRecentList(key, count))
        if (!SameText(old, path))
            paths.push_back(std::move(old));
    const size_t written = std::min(paths.size(), size_t(MaxRecentFiles));
    // The new list and its count in one write, so that a reader in another
    // process never sees a count that its File values do not match.
    std::vector<platform::RegistryValue> values;
    for (size_t i = 0; i < written; ++i)
        values.push_back({"File" + std::to_string(i), platform::ValueKind::String, paths[i], 0});
    values.push_back({"Count", platform::ValueKind::DWord, {}, uint32_t(written)});
    Reg().WriteValues(User, key, values);
    for (long i = long(written); i < count; ++i)
        Reg().DeleteValue(User, key, "File" + std::to_string(i));
}

TStringList GetRecentFiles(const std::string& ownerClassName)
{
    return Guarded(ownerClassName, "GetRecentFiles (1)", [&] {
        TStringList list;
        for (auto [key, kind] : {std::pair{RecentDocumentsKey, RecentDocument}, std::pair{RecentHelpFilesKey, RecentHelpFile}})
            Guarded(ownerClassName, "GetRecentFiles (2)", [&] {
                if (!Reg().KeyExists(User, key))
                    return;
                long count = 0;
                for (const auto& path : ReadRecentList(key, count))
                    list.Add(path, kind);
            });
        return list;
    });
}

} // namespace lorivex
