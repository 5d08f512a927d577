// Application, Documents, Templates, Template and DefaultWebOptions.
#include "services/word/Word.h"
#include "tests/wordstandin/Classes.h"
#include "tests/wordstandin/ServerObject.h"
#include "tests/wordstandin/WordStandIn.h"
#include "word/com/EventSink.h"

namespace lorivex::test::standin {

using namespace word;

// Templates is no class of the interface: the application stands behind it.
const ClassTable& TemplatesClass()
{
    static const ClassTable table =
        TableOf<Application>(L"Templates")
            .Get(L"Count", [](Application& a, Call&) { return a.TemplatesCount(); })
            .Get(L"Item", [](Application& a, Call& c) { return Serve(a.Templates(c.Long(0)), TemplateClass()); },
                 {L"Index"})
            .Build();
    return table;
}

static void StartWindowActivate(Dispatch& target, Fire fire)
{
    dynamic_cast<Application&>(target).SetOnWindowActivate([fire](const DocumentPtr& doc, const WindowPtr& window) {
        fire(com::DISPID_WindowActivate, {Serve(doc, DocumentClass()), Serve(window, WindowClass())});
    });
}

static void StopWindowActivate(Dispatch& target)
{
    dynamic_cast<Application&>(target).SetOnWindowActivate(nullptr);
}

const ClassTable& ApplicationClass()
{
    static const ClassTable table =
        TableOf<Application>(L"Application")
            .Get(L"ActiveDocument", [](Application& a, Call&) { return Serve(a.ActiveDocument(), DocumentClass()); })
            .Get(L"ActiveWindow", [](Application& a, Call&) { return Serve(a.ActiveWindow(), WindowClass()); })
            .Get(L"Documents", [](Application& a, Call&) { return Serve(a.Documents(), DocumentsClass()); })
            .Get(L"Version", [](Application& a, Call&) { return a.Version(); })
            .Get(L"ScreenUpdating", [](Application& a, Call&) { return a.ScreenUpdating(); })
            .Put(L"ScreenUpdating", [](Application& a, Call& c) { a.SetScreenUpdating(c.Value().Bool()); })
            .Get(L"DefaultWebOptions",
                 [](Application& a, Call&) { return Serve(a.DefaultWebOptions(), DefaultWebOptionsClass()); })
            .Get(L"OrganizerCopy",
                 [](Application& a, Call& c) { a.OrganizerCopy(c.Text(0), c.Text(1), c.Text(2), c.Long(3)); },
                 {L"Source", L"Destination", L"Name", L"Object"})
            .Get(L"OrganizerDelete", [](Application& a, Call& c) { a.OrganizerDelete(c.Text(0), c.Text(1), c.Long(2)); },
                 {L"Source", L"Name", L"Object"})
            .Get(L"NormalTemplate", [](Application& a, Call&) { return Serve(a.NormalTemplate(), TemplateClass()); })
            // The application's own object stands behind its Templates collection.
            .Get(L"Templates", [](Application&, Call& c) { return Serve(c.Self(), TemplatesClass()); })
            .Get(L"CommandBars", [](Application& a, Call&) { return Serve(a.CommandBars(), CommandBarsClass()); })
            .Get(L"Quit", [](Application& a, Call&) { a.Quit(); }, {L"SaveChanges", L"OriginalFormat", L"RouteDocument"})
            .Events({com::IID_WordApplicationEvents, StartWindowActivate, StopWindowActivate})
            .Build();
    return table;
}

const ClassTable& DocumentsClass()
{
    static const ClassTable table =
        TableOf<Documents>(L"Documents")
            .Get(L"Count", [](Documents& d, Call&) { return d.Count(); })
            .Get(L"Item", [](Documents& d, Call& c) { return Serve(d.Item(c.Long(0)), DocumentClass()); }, {L"Index"})
            .Get(L"Add",
                 [](Documents& d, Call& c) {
                     return Serve(d.Add(c.TextOr(0, u""), c.BoolOr(3, true)), DocumentClass());
                 },
                 {L"Template", L"NewTemplate", L"DocumentType", L"Visible"})
            .Get(L"Open", [](Documents& d, Call& c) { return Serve(d.Open(c.Text(0)), DocumentClass()); },
                 {L"FileName", L"ConfirmConversions", L"ReadOnly", L"AddToRecentFiles"})
            .Get(L"_NewEnum", [](Documents& d, Call&) { return ServeEnumerator(d.NewEnum(), DocumentClass()); })
            .Build();
    return table;
}

const ClassTable& TemplateClass()
{
    static const ClassTable table = TableOf<Template>(L"Template")
                                        .Get(L"FullName", [](Template& t, Call&) { return t.FullName(); })
                                        .Get(L"Saved", [](Template& t, Call&) { return t.Saved(); })
                                        .Get(L"Save", [](Template& t, Call&) { t.Save(); })
                                        .Build();
    return table;
}

const ClassTable& DefaultWebOptionsClass()
{
    static const ClassTable table =
        TableOf<DefaultWebOptions>(L"DefaultWebOptions")
            .Get(L"UpdateLinksOnSave", [](DefaultWebOptions& o, Call&) { return o.UpdateLinksOnSave(); })
            .Put(L"UpdateLinksOnSave", [](DefaultWebOptions& o, Call& c) { o.SetUpdateLinksOnSave(c.Value().Bool()); })
            .Get(L"RelyOnVML", [](DefaultWebOptions& o, Call&) { return o.RelyOnVML(); })
            .Put(L"RelyOnVML", [](DefaultWebOptions& o, Call& c) { o.SetRelyOnVML(c.Value().Bool()); })
            .Get(L"AlwaysSaveInDefaultEncoding", [](DefaultWebOptions& o, Call&) { return o.AlwaysSaveInDefaultEncoding(); })
            .Put(L"AlwaysSaveInDefaultEncoding",
                 [](DefaultWebOptions& o, Call& c) { o.SetAlwaysSaveInDefaultEncoding(c.Value().Bool()); })
            .Build();
    return table;
}

IDispatch* ExposeApplication(ApplicationPtr application)
{
    return Serve(std::move(application), ApplicationClass()).Detach().pdispVal;
}

} // namespace lorivex::test::standin
