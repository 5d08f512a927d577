#include "host/HostToolbarRemoval.h"

#include "base/Guarded.h"
#include "host/HostCommandBarLookup.h"
#include "services/word/Application.h"
#include "services/word/CommandBars.h"
#include "services/word/WordText.h"

namespace lorivex {

namespace {

constexpr char Unit[] = "HostToolbarRemoval";
// An author may have copied a control; every copy goes, but a Word that
// will not delete one must not keep us here.
constexpr int MaxCopies = 100;

void DeleteAll(const word::CommandBarPtr& bar, long type, const std::u16string& tag)
{
    for (int i = 0; i < MaxCopies; ++i) {
        auto control = bar->FindControl(type, tag, true);
        if (!control)
            return;
        control->Delete();
    }
}

void DeleteWhenEmpty(const word::CommandBarPtr& bar)
{
    if (bar && !bar->BuiltIn() && bar->Controls()->Count() == 0)
        bar->Delete();
}

} // namespace

void RemoveHostToolbar(const word::ApplicationPtr& application, const THostCommandBar& definition,
                       bool fromNormalTemplate)
{
    Guarded(Unit, "RemoveHostToolbar", [&] {
        auto bar = FindHostCommandBar(application->CommandBars(), definition.CommandBarName);
        if (bar) {
            for (auto* control : definition.AllControls())
                DeleteAll(bar, HostControlType(*control), word::ToWord(control->OfficeTag));
            DeleteWhenEmpty(bar);
        }
        if (fromNormalTemplate) {
            try {
                application->OrganizerDelete(application->NormalTemplate()->FullName(),
                                             word::ToWord(definition.CommandBarName),
                                             word::wdOrganizerObjectCommandBars);
            } catch (const std::exception&) {
                // Already gone from there, or never saved into it.
            }
        }
    });
}

void RemoveRecordedControls(const word::ApplicationPtr& application, const std::vector<std::string>& tags,
                            const std::vector<std::string>& commandBarNames)
{
    Guarded(Unit, "RemoveRecordedControls", [&] {
        auto bars = application->CommandBars();
        for (const auto& tag : tags)
            for (long i = 1; i <= bars->Count(); ++i)
                DeleteAll(bars->Item(i), 0, word::ToWord(tag));
        for (const auto& name : commandBarNames)
            DeleteWhenEmpty(FindHostCommandBar(bars, name));
    });
}

void SaveChangedTemplates(const word::ApplicationPtr& application)
{
    Guarded(Unit, "SaveChangedTemplates", [&] {
        const long count = application->TemplatesCount();
        for (long i = 1; i <= count; ++i) {
            try {
                auto item = application->Templates(i);
                if (!item->Saved())
                    item->Save();
            } catch (const std::exception&) {
                // A read-only template keeps its changes unsaved.
            }
        }
    });
}

} // namespace lorivex
