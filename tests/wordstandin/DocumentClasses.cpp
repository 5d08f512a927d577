// Document and its StyleSheets.
#include "services/word/Word.h"
#include "tests/wordstandin/Classes.h"
#include "tests/wordstandin/ServerObject.h"

namespace lorivex::test::standin {

using namespace word;

// StyleSheets is no class of the interface: the document stands behind it.
const ClassTable& StyleSheetsClass()
{
    static const ClassTable table =
        TableOf<Document>(L"StyleSheets")
            .Get(L"Add", [](Document& d, Call& c) { d.AddStyleSheet(c.Text(0), c.Long(1), c.Text(2), c.Long(3)); },
                 {L"FileName", L"LinkType", L"Title", L"Precedence"})
            .Build();
    return table;
}

const ClassTable& DocumentClass()
{
    static const ClassTable table =
        TableOf<Document>(L"Document")
            .Get(L"Application", [](Document& d, Call&) { return Serve(d.Application(), ApplicationClass()); })
            .Get(L"FullName", [](Document& d, Call&) { return d.FullName(); })
            .Get(L"Name", [](Document& d, Call&) { return d.Name(); })
            .Get(L"Content", [](Document& d, Call&) { return Serve(d.Content(), RangeClass()); })
            .Get(L"Range", [](Document& d, Call& c) { return Serve(d.Range(c.LongOr(0, 0), c.LongOr(1, 0)), RangeClass()); },
                 {L"Start", L"End"})
            .Get(L"Paragraphs", [](Document& d, Call&) { return Serve(d.Paragraphs(), ParagraphsClass()); })
            .Get(L"Fields", [](Document& d, Call&) { return Serve(d.Fields(), FieldsClass()); })
            .Get(L"Bookmarks", [](Document& d, Call&) { return Serve(d.Bookmarks(), BookmarksClass()); })
            .Get(L"Styles", [](Document& d, Call&) { return Serve(d.Styles(), StylesClass()); })
            .Get(L"Indexes", [](Document& d, Call&) { return Serve(d.Indexes(), IndexesClass()); })
            .Get(L"BuiltInDocumentProperties",
                 [](Document& d, Call&) { return Serve(d.BuiltInDocumentProperties(), DocumentPropertiesClass()); })
            .Get(L"CustomDocumentProperties",
                 [](Document& d, Call&) { return Serve(d.CustomDocumentProperties(), DocumentPropertiesClass()); })
            .Get(L"ActiveWindow", [](Document& d, Call&) { return Serve(d.ActiveWindow(), WindowClass()); })
            .Get(L"CommandBars", [](Document& d, Call&) { return Serve(d.CommandBars(), CommandBarsClass()); })
            .Get(L"StyleSheets", [](Document&, Call& c) { return Serve(c.Self(), StyleSheetsClass()); })
            .Get(L"DefaultTargetFrame", [](Document& d, Call&) { return d.DefaultTargetFrame(); })
            .Put(L"DefaultTargetFrame", [](Document& d, Call& c) { d.SetDefaultTargetFrame(c.Value().Text()); })
            .Get(L"LanguageDetected", [](Document& d, Call&) { return d.LanguageDetected(); })
            .Put(L"LanguageDetected", [](Document& d, Call& c) { d.SetLanguageDetected(c.Value().Bool()); })
            .Get(L"DetectLanguage", [](Document& d, Call&) { d.DetectLanguage(); })
            .Get(L"SaveAs", [](Document& d, Call& c) { d.SaveAs(c.Text(0), c.LongOr(1, wdFormatDocument), c.BoolOr(4, true)); },
                 {L"FileName", L"FileFormat", L"LockComments", L"Password", L"AddToRecentFiles"})
            .Get(L"Close", [](Document& d, Call& c) { d.Close(c.LongOr(0, wdDoNotSaveChanges)); },
                 {L"SaveChanges", L"OriginalFormat", L"RouteDocument"})
            .Build();
    return table;
}

} // namespace lorivex::test::standin
