#pragma once
// The ribbon of Word 2007 and later: the markup Word asks for through
// IRibbonExtensibility.GetCustomUI, and the mark that Word asked at all,
// which decides how the toolbars are treated for the rest of the connection
// (a Word with a ribbon shows add-in toolbars on its Add-Ins tab).
#include <string>

#include "base/Guarded.h"
#include "host/HostAddInModule.h"
#include "services/word/Dispatch.h"

namespace lorivex {

inline constexpr char CustomUINamespace[] = "http://schemas.microsoft.com/office/2006/01/customui";
inline constexpr char RibbonLoadedCallback[] = "RibbonLoaded_Callback";
inline constexpr char GetImagesCallback[] = "GetImages_Callback";

class THostRibbon : public TObject {
public:
    explicit THostRibbon(THostAddInModule& module) : module_(module) {}

    // Marks the request, lets the module see the ribbon id and the markup,
    // and returns the markup: with no ribbon elements of the module's own,
    // the customUI element alone, its start and end tag on two lines.
    std::string GetCustomUI(const std::string& ribbonId);
    // Word's call of RibbonLoaded_Callback with its ribbon object.
    void RibbonLoaded(word::DispatchPtr ribbon);

    bool AskedFor() const { return askedFor_; }
    // The ribbon id began with "Microsoft.Word.".
    bool ForWord() const { return forWord_; }
    const word::DispatchPtr& Ribbon() const { return ribbon_; }

private:
    THostAddInModule& module_;
    bool askedFor_ = false;
    bool forWord_ = false;
    word::DispatchPtr ribbon_;
};

} // namespace lorivex
