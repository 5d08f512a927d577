// Fields, Field, Indexes, Bookmarks, Bookmark, Hyperlinks, Hyperlink,
// Paragraphs, Paragraph, Styles, Style.
#include "services/word/Word.h"
#include "tests/wordstandin/Classes.h"
#include "tests/wordstandin/ServerObject.h"

namespace lorivex::test::standin {

using namespace word;

static bool IsName(const ComValue& index)
{
    return index.Raw().vt == VT_BSTR;
}

// The interface's optional text: left out is nullopt.
static std::optional<std::u16string> Optional(const Call& c, std::size_t index)
{
    return c.Has(index) ? std::optional<std::u16string>(c.Text(index)) : std::nullopt;
}

const ClassTable& FieldsClass()
{
    static const ClassTable table =
        TableOf<Fields>(L"Fields")
            .Get(L"Count", [](Fields& f, Call&) { return f.Count(); })
            .Get(L"Item", [](Fields& f, Call& c) { return Serve(f.Item(c.Long(0)), FieldClass()); }, {L"Index"})
            .Get(L"Add",
                 [](Fields& f, Call& c) {
                     return Serve(f.Add(c.Object<Range>(0), c.LongOr(1, wdFieldEmpty), c.TextOr(2, u""), c.BoolOr(3, false)),
                                  FieldClass());
                 },
                 {L"Range", L"Type", L"Text", L"PreserveFormatting"})
            .Get(L"_NewEnum", [](Fields& f, Call&) { return ServeEnumerator(f.NewEnum(), FieldClass()); })
            .Build();
    return table;
}

const ClassTable& FieldClass()
{
    static const ClassTable table = TableOf<Field>(L"Field")
                                        .Get(L"Type", [](Field& f, Call&) { return f.Type(); })
                                        .Get(L"Code", [](Field& f, Call&) { return Serve(f.Code(), RangeClass()); })
                                        .Get(L"Result", [](Field& f, Call&) { return Serve(f.Result(), RangeClass()); })
                                        .Get(L"Data", [](Field& f, Call&) { return f.Data(); })
                                        .Put(L"Data", [](Field& f, Call& c) { f.SetData(c.Value().Text()); })
                                        .Get(L"Update", [](Field& f, Call&) { return f.Update(); })
                                        .Build();
    return table;
}

const ClassTable& IndexesClass()
{
    static const ClassTable table =
        TableOf<Indexes>(L"Indexes")
            .Get(L"MarkEntry",
                 [](Indexes& i, Call& c) { return Serve(i.MarkEntry(c.Object<Range>(0), c.TextOr(1, u"")), FieldClass()); },
                 {L"Range", L"Entry", L"EntryAutoText", L"CrossReference"})
            .Build();
    return table;
}

const ClassTable& BookmarksClass()
{
    static const ClassTable table =
        TableOf<Bookmarks>(L"Bookmarks")
            .Get(L"ShowHidden", [](Bookmarks& b, Call&) { return b.ShowHidden(); })
            .Put(L"ShowHidden", [](Bookmarks& b, Call& c) { b.SetShowHidden(c.Value().Bool()); })
            .Get(L"Count", [](Bookmarks& b, Call&) { return b.Count(); })
            .Get(L"Item",
                 [](Bookmarks& b, Call& c) {
                     return Serve(IsName(c.Arg(0)) ? b.Item(c.Text(0)) : b.Item(c.Long(0)), BookmarkClass());
                 },
                 {L"Index"})
            .Get(L"Exists", [](Bookmarks& b, Call& c) { return b.Exists(c.Text(0)); }, {L"Name"})
            .Get(L"Add", [](Bookmarks& b, Call& c) { return Serve(b.Add(c.Text(0), c.Object<Range>(1)), BookmarkClass()); },
                 {L"Name", L"Range"})
            .Get(L"_NewEnum", [](Bookmarks& b, Call&) { return ServeEnumerator(b.NewEnum(), BookmarkClass()); })
            .Build();
    return table;
}

const ClassTable& BookmarkClass()
{
    static const ClassTable table = TableOf<Bookmark>(L"Bookmark")
                                        .Get(L"Name", [](Bookmark& b, Call&) { return b.Name(); })
                                        .Get(L"Range", [](Bookmark& b, Call&) { return Serve(b.Range(), RangeClass()); })
                                        .Build();
    return table;
}

const ClassTable& HyperlinksClass()
{
    static const ClassTable table =
        TableOf<Hyperlinks>(L"Hyperlinks")
            .Get(L"Count", [](Hyperlinks& h, Call&) { return h.Count(); })
            .Get(L"Item", [](Hyperlinks& h, Call& c) { return Serve(h.Item(c.Long(0)), HyperlinkClass()); }, {L"Index"})
            .Get(L"Add",
                 [](Hyperlinks& h, Call& c) {
                     return Serve(h.Add(c.Object<Range>(0), Optional(c, 1), Optional(c, 2), Optional(c, 3), Optional(c, 4),
                                        Optional(c, 5)),
                                  HyperlinkClass());
                 },
                 {L"Anchor", L"Address", L"SubAddress", L"ScreenTip", L"TextToDisplay", L"Target"})
            .Get(L"_NewEnum", [](Hyperlinks& h, Call&) { return ServeEnumerator(h.NewEnum(), HyperlinkClass()); })
            .Build();
    return table;
}

const ClassTable& HyperlinkClass()
{
    static const ClassTable table =
        TableOf<Hyperlink>(L"Hyperlink")
            .Get(L"Address", [](Hyperlink& h, Call&) { return h.Address(); })
            .Put(L"Address", [](Hyperlink& h, Call& c) { h.SetAddress(c.Value().Text()); })
            .Get(L"SubAddress", [](Hyperlink& h, Call&) { return h.SubAddress(); })
            .Put(L"SubAddress", [](Hyperlink& h, Call& c) { h.SetSubAddress(c.Value().Text()); })
            .Get(L"Target", [](Hyperlink& h, Call&) { return h.Target(); })
            .Put(L"Target", [](Hyperlink& h, Call& c) { h.SetTarget(c.Value().Text()); })
            .Get(L"ScreenTip", [](Hyperlink& h, Call&) { return h.ScreenTip(); })
            .Get(L"TextToDisplay", [](Hyperlink& h, Call&) { return h.TextToDisplay(); })
            .Get(L"Range", [](Hyperlink& h, Call&) { return Serve(h.Range(), RangeClass()); })
            .Build();
    return table;
}

const ClassTable& ParagraphsClass()
{
    static const ClassTable table =
        TableOf<Paragraphs>(L"Paragraphs")
            .Get(L"Count", [](Paragraphs& p, Call&) { return p.Count(); })
            .Get(L"Item", [](Paragraphs& p, Call& c) { return Serve(p.Item(c.Long(0)), ParagraphClass()); }, {L"Index"})
            .Get(L"First", [](Paragraphs& p, Call&) { return Serve(p.First(), ParagraphClass()); })
            .Get(L"_NewEnum", [](Paragraphs& p, Call&) { return ServeEnumerator(p.NewEnum(), ParagraphClass()); })
            .Build();
    return table;
}

const ClassTable& ParagraphClass()
{
    static const ClassTable table =
        TableOf<Paragraph>(L"Paragraph")
            .Get(L"Range", [](Paragraph& p, Call&) { return Serve(p.Range(), RangeClass()); })
            .Get(L"OutlineLevel", [](Paragraph& p, Call&) { return p.OutlineLevel(); })
            .Get(L"Next", [](Paragraph& p, Call& c) { return Serve(p.Next(c.LongOr(0, 1)), ParagraphClass()); }, {L"Count"})
            .Get(L"Previous", [](Paragraph& p, Call& c) { return Serve(p.Previous(c.LongOr(0, 1)), ParagraphClass()); },
                 {L"Count"})
            .Build();
    return table;
}

const ClassTable& StylesClass()
{
    static const ClassTable table =
        TableOf<Styles>(L"Styles")
            .Get(L"Count", [](Styles& s, Call&) { return s.Count(); })
            .Get(L"Item", [](Styles& s, Call& c) { return Serve(s.Item(c.Long(0)), StyleClass()); }, {L"Index"})
            .Get(L"_NewEnum", [](Styles& s, Call&) { return ServeEnumerator(s.NewEnum(), StyleClass()); })
            .Build();
    return table;
}

const ClassTable& StyleClass()
{
    static const ClassTable table = TableOf<Style>(L"Style")
                                        .Get(L"NameLocal", [](Style& s, Call&) { return s.NameLocal(); })
                                        .Get(L"InUse", [](Style& s, Call&) { return s.InUse(); })
                                        .Build();
    return table;
}

} // namespace lorivex::test::standin
