#include "services/HtmlHelp.h"

#include <cstdint>
#include <memory>

#include "platform/Desktop.h"
#include "platform/FileSystem.h"
#include "platform/Library.h"
#include "platform/Shell.h"
#include "platform/SpecialFolders.h"

namespace lorivex {

std::string HelpFile;

namespace {

constexpr unsigned HH_ALINK_LOOKUP = 0x13;

// The viewer's keyword lookup record, laid out as the viewer expects it on
// this platform.
struct HhAkLink {
    int32_t cbStruct;
    int32_t fReserved;
    const char* pszKeywords;
    const char* pszUrl;
    const char* pszMsgText;
    const char* pszMsgTitle;
    const char* pszWindow;
    int32_t fIndexOnFail;
};

#ifdef _WIN32
using HtmlHelpA = void*(__stdcall*)(void* owner, const char* file, unsigned command, std::uintptr_t data);
#else
using HtmlHelpA = void* (*)(void* owner, const char* file, unsigned command, std::uintptr_t data);
#endif

std::unique_ptr<platform::Library> viewerLibrary;
HtmlHelpA htmlHelp = nullptr;

} // namespace

bool LoadHtmlHelp()
{
    std::string system = platform::GetSpecialFolder(platform::SpecialFolder::System);
    std::string path = platform::ExcludeTrailingPathDelimiter(system) + platform::PathDelim + "hhctrl.ocx";
    if (system.empty() || !platform::FileExists(path))
        return false;
    viewerLibrary = platform::LoadLibrary(path);
    if (viewerLibrary)
        htmlHelp = reinterpret_cast<HtmlHelpA>(viewerLibrary->GetProcAddress("HtmlHelpA"));
    return htmlHelp != nullptr;
}

void UnloadHtmlHelp()
{
    htmlHelp = nullptr;
    viewerLibrary.reset();
}

bool HtmlHelpLoaded()
{
    return htmlHelp != nullptr;
}

void ShowHelp()
{
    if (!platform::FileExists(HelpFile))
        return;
    if (!htmlHelp) {
        platform::ShellOpen(HelpFile);
        return;
    }
    HhAkLink link{};
    link.cbStruct = int32_t(sizeof link);
    link.fReserved = 0;
    link.fIndexOnFail = 1;
    htmlHelp(reinterpret_cast<void*>(platform::ForegroundWindow()), HelpFile.c_str(), HH_ALINK_LOOKUP,
             reinterpret_cast<std::uintptr_t>(&link));
}

} // namespace lorivex
