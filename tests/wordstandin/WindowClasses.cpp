// Window, Pane, View, Selection, HeaderFooter, DocumentProperties and
// DocumentProperty.
#include "services/word/Word.h"
#include "tests/wordstandin/Classes.h"
#include "tests/wordstandin/ServerObject.h"

namespace lorivex::test::standin {

using namespace word;

const ClassTable& WindowClass()
{
    static const ClassTable table =
        TableOf<Window>(L"Window")
            .Get(L"Selection", [](Window& w, Call&) { return Serve(w.Selection(), SelectionClass()); })
            .Get(L"View", [](Window& w, Call&) { return Serve(w.View(), ViewClass()); })
            .Get(L"ActivePane", [](Window& w, Call&) { return Serve(w.ActivePane(), PaneClass()); })
            .Get(L"Document", [](Window& w, Call&) { return Serve(w.Document(), DocumentClass()); })
            .Build();
    return table;
}

const ClassTable& PaneClass()
{
    static const ClassTable table =
        TableOf<Pane>(L"Pane").Get(L"View", [](Pane& p, Call&) { return Serve(p.View(), ViewClass()); }).Build();
    return table;
}

const ClassTable& ViewClass()
{
    static const ClassTable table =
        TableOf<View>(L"View")
            .Get(L"Type", [](View& v, Call&) { return v.Type(); })
            .Put(L"Type", [](View& v, Call& c) { v.SetType(c.Value().Long()); })
            .Get(L"SeekView", [](View& v, Call&) { return v.SeekView(); })
            .Put(L"SeekView", [](View& v, Call& c) { v.SetSeekView(c.Value().Long()); })
            .Get(L"ShowHiddenText", [](View& v, Call&) { return v.ShowHiddenText(); })
            .Put(L"ShowHiddenText", [](View& v, Call& c) { v.SetShowHiddenText(c.Value().Bool()); })
            .Get(L"ShowFieldCodes", [](View& v, Call&) { return v.ShowFieldCodes(); })
            .Put(L"ShowFieldCodes", [](View& v, Call& c) { v.SetShowFieldCodes(c.Value().Bool()); })
            .Build();
    return table;
}

const ClassTable& SelectionClass()
{
    static const ClassTable table =
        TableOf<Selection>(L"Selection")
            .Get(L"Range", [](Selection& s, Call&) { return Serve(s.Range(), RangeClass()); })
            .Get(L"Start", [](Selection& s, Call&) { return s.Start(); })
            .Put(L"Start", [](Selection& s, Call& c) { s.SetStart(c.Value().Long()); })
            .Get(L"End", [](Selection& s, Call&) { return s.End(); })
            .Put(L"End", [](Selection& s, Call& c) { s.SetEnd(c.Value().Long()); })
            .Get(L"Text", [](Selection& s, Call&) { return s.Text(); })
            .Put(L"Text", [](Selection& s, Call& c) { s.SetText(c.Value().Text()); })
            .Get(L"Paragraphs", [](Selection& s, Call&) { return Serve(s.Paragraphs(), ParagraphsClass()); })
            .Get(L"HeaderFooter", [](Selection& s, Call&) { return Serve(s.HeaderFooter(), HeaderFooterClass()); })
            .Get(L"Paste", [](Selection& s, Call&) { s.Paste(); })
            .Build();
    return table;
}

const ClassTable& HeaderFooterClass()
{
    static const ClassTable table =
        TableOf<HeaderFooter>(L"HeaderFooter")
            .Get(L"Range", [](HeaderFooter& h, Call&) { return Serve(h.Range(), RangeClass()); })
            .Build();
    return table;
}

const ClassTable& DocumentPropertiesClass()
{
    static const ClassTable table =
        TableOf<DocumentProperties>(L"DocumentProperties")
            .Get(L"Count", [](DocumentProperties& p, Call&) { return p.Count(); })
            .Get(L"Item", [](DocumentProperties& p, Call& c) { return Serve(p.Item(c.Long(0)), DocumentPropertyClass()); },
                 {L"Index"})
            .Get(L"Add",
                 [](DocumentProperties& p, Call& c) {
                     return Serve(p.Add(c.Text(0), c.Bool(1), c.LongOr(2, PropertyTypeString),
                                        c.Has(3) ? c.Arg(3).ToWord() : Variant()),
                                  DocumentPropertyClass());
                 },
                 {L"Name", L"LinkToContent", L"Type", L"Value", L"LinkSource"})
            .Get(L"_NewEnum",
                 [](DocumentProperties& p, Call&) { return ServeEnumerator(p.NewEnum(), DocumentPropertyClass()); })
            .Build();
    return table;
}

const ClassTable& DocumentPropertyClass()
{
    static const ClassTable table =
        TableOf<DocumentProperty>(L"DocumentProperty")
            .Get(L"Name", [](DocumentProperty& p, Call&) { return p.Name(); })
            .Get(L"Type", [](DocumentProperty& p, Call&) { return p.Type(); })
            .Get(L"Value", [](DocumentProperty& p, Call&) { return ComValue::FromWord(p.Value()); })
            .Put(L"Value", [](DocumentProperty& p, Call& c) { p.SetValue(c.Value().ToWord()); })
            .Build();
    return table;
}

} // namespace lorivex::test::standin
