#pragma once
// Taking the add-in's toolbar out of Word: when the author unloads the
// add-in, and when it is unregistered. Word keeps toolbars in the Normal
// template, so the toolbar goes from there too.
#include <string>
#include <vector>

#include "host/HostCommandBar.h"
#include "services/word/Forward.h"

namespace lorivex {

// Every control of the definition found in its toolbar by OfficeTag, then
// the toolbar itself when it is not Word's own and has no controls left,
// then, when asked, its copy in the Normal template (OrganizerDelete; a
// Normal template without it is no failure).
void RemoveHostToolbar(const word::ApplicationPtr& application, const THostCommandBar& definition,
                       bool fromNormalTemplate);

// What the records still name: every control with one of the tags, in any
// toolbar, then every named toolbar that is not Word's own and is empty.
void RemoveRecordedControls(const word::ApplicationPtr& application, const std::vector<std::string>& tags,
                            const std::vector<std::string>& commandBarNames);

// Every template Word holds unsaved (the toolbar's removal changed it) is
// saved; one that cannot be is left as it is.
void SaveChangedTemplates(const word::ApplicationPtr& application);

} // namespace lorivex
