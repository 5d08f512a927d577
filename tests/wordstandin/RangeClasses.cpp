// Range, TextRetrievalMode, Find, Font, InlineShapes and InlineShape.
#include "services/word/Word.h"
#include "tests/wordstandin/Classes.h"
#include "tests/wordstandin/ServerObject.h"

namespace lorivex::test::standin {

using namespace word;

const ClassTable& RangeClass()
{
    static const ClassTable table =
        TableOf<Range>(L"Range")
            .Get(L"Text", [](Range& r, Call&) { return r.Text(); })
            .Put(L"Text", [](Range& r, Call& c) { r.SetText(c.Value().Text()); })
            .Get(L"TextRetrievalMode", [](Range& r, Call&) { return Serve(r.TextRetrievalMode(), TextRetrievalModeClass()); })
            .Get(L"Start", [](Range& r, Call&) { return r.Start(); })
            .Put(L"Start", [](Range& r, Call& c) { r.SetStart(c.Value().Long()); })
            .Get(L"End", [](Range& r, Call&) { return r.End(); })
            .Put(L"End", [](Range& r, Call& c) { r.SetEnd(c.Value().Long()); })
            .Get(L"SetRange", [](Range& r, Call& c) { r.SetRange(c.Long(0), c.Long(1)); }, {L"Start", L"End"})
            .Get(L"Duplicate", [](Range& r, Call&) { return Serve(r.Duplicate(), RangeClass()); })
            .Get(L"Document", [](Range& r, Call&) { return Serve(r.Document(), DocumentClass()); })
            .Get(L"FormattedText", [](Range& r, Call&) { return Serve(r.FormattedText(), RangeClass()); })
            .Put(L"FormattedText", [](Range& r, Call& c) {
                auto source = std::dynamic_pointer_cast<Range>(TargetOf(c.Value().Unknown().Get()));
                if (!source)
                    throw CallFault{DISP_E_TYPEMISMATCH};
                r.SetFormattedText(source);
            })
            .Get(L"LanguageID", [](Range& r, Call&) { return r.LanguageID(); })
            .Put(L"LanguageID", [](Range& r, Call& c) { r.SetLanguageID(c.Value().Long()); })
            .Get(L"Fields", [](Range& r, Call&) { return Serve(r.Fields(), FieldsClass()); })
            .Get(L"Bookmarks", [](Range& r, Call&) { return Serve(r.Bookmarks(), BookmarksClass()); })
            .Get(L"Hyperlinks", [](Range& r, Call&) { return Serve(r.Hyperlinks(), HyperlinksClass()); })
            .Get(L"Paragraphs", [](Range& r, Call&) { return Serve(r.Paragraphs(), ParagraphsClass()); })
            .Get(L"Font", [](Range& r, Call&) { return Serve(r.Font(), FontClass()); })
            .Get(L"InlineShapes", [](Range& r, Call&) { return Serve(r.InlineShapes(), InlineShapesClass()); })
            .Get(L"Find", [](Range& r, Call&) { return Serve(r.Find(), FindClass()); })
            .Put(L"Style", [](Range& r, Call& c) { r.SetStyle(static_cast<BuiltinStyle>(c.Value().Long())); })
            .Get(L"InsertBefore", [](Range& r, Call& c) { r.InsertBefore(c.Text(0)); }, {L"Text"})
            .Get(L"InsertAfter", [](Range& r, Call& c) { r.InsertAfter(c.Text(0)); }, {L"Text"})
            .Get(L"InsertParagraphAfter", [](Range& r, Call&) { r.InsertParagraphAfter(); })
            .Get(L"InsertFile", [](Range& r, Call& c) { r.InsertFile(c.Text(0)); },
                 {L"FileName", L"Range", L"ConfirmConversions", L"Link", L"Attachment"})
            .Get(L"Delete",
                 [](Range& r, Call& c) { return r.Delete(static_cast<Units>(c.LongOr(0, wdCharacter)), c.LongOr(1, 1)); },
                 {L"Unit", L"Count"})
            .Build();
    return table;
}

const ClassTable& TextRetrievalModeClass()
{
    static const ClassTable table =
        TableOf<TextRetrievalMode>(L"TextRetrievalMode")
            .Get(L"IncludeFieldCodes", [](TextRetrievalMode& m, Call&) { return m.IncludeFieldCodes(); })
            .Put(L"IncludeFieldCodes", [](TextRetrievalMode& m, Call& c) { m.SetIncludeFieldCodes(c.Value().Bool()); })
            .Get(L"IncludeHiddenText", [](TextRetrievalMode& m, Call&) { return m.IncludeHiddenText(); })
            .Put(L"IncludeHiddenText", [](TextRetrievalMode& m, Call& c) { m.SetIncludeHiddenText(c.Value().Bool()); })
            .Build();
    return table;
}

const ClassTable& FindClass()
{
    static const ClassTable table =
        TableOf<Find>(L"Find")
            .Get(L"Execute", [](Find& f, Call& c) { return f.Execute(c.TextOr(0, u""), c.BoolOr(1, false)); },
                 {L"FindText", L"MatchCase", L"MatchWholeWord", L"MatchWildcards"})
            .Build();
    return table;
}

const ClassTable& FontClass()
{
    static const ClassTable table = TableOf<Font>(L"Font")
                                        .Get(L"Hidden", [](Font& f, Call&) { return f.Hidden(); })
                                        .Put(L"Hidden", [](Font& f, Call& c) { f.SetHidden(c.Value().Long()); })
                                        .Build();
    return table;
}

const ClassTable& InlineShapesClass()
{
    static const ClassTable table =
        TableOf<InlineShapes>(L"InlineShapes")
            .Get(L"Count", [](InlineShapes& s, Call&) { return s.Count(); })
            .Get(L"AddPicture", [](InlineShapes& s, Call& c) { return Serve(s.AddPicture(c.Text(0)), InlineShapeClass()); },
                 {L"FileName", L"LinkToFile", L"SaveWithDocument", L"Range"})
            .Build();
    return table;
}

const ClassTable& InlineShapeClass()
{
    static const ClassTable table = TableOf<InlineShape>(L"InlineShape").Build();
    return table;
}

} // namespace lorivex::test::standin
