// Documents taken through a save: unchanged parts keep their bytes, and what
// the writer writes anew reads back as the same document.
#include <sstream>

#include "engine/DocxFixtures.h"
#include "engine/EngineFixture.h"
#include "engine/Inspect.h"
#include "engine/docx/DocxReader.h"
#include "engine/docx/DocxWriter.h"

namespace lorivex::test {

namespace {

std::string View(const word::DocumentPtr& document)
{
    std::ostringstream out;
    engine::InspectDocument(document, out);
    return out.str();
}

class DocxRoundTripTest : public EngineTest, public ::testing::WithParamInterface<int> {
protected:
    DocxBuilder Fixture() const { return GetParam() == 0 ? WordLikeDocument() : OtherProducerDocument(); }
    std::u16string Wide(const std::string& path) const { return std::u16string(path.begin(), path.end()); }
};

TEST_P(DocxRoundTripTest, SavingWithoutEditsKeepsEveryPartByteForByte)
{
    std::string source = Folder / "source.docx", copy = Folder / "copy.docx";
    Fixture().Write(source);
    auto document = App->Documents()->Open(Wide(source));
    std::string before = View(document);
    document->SaveAs(Wide(copy), word::wdFormatXMLDocument);
    EXPECT_EQ(Wide(copy), document->FullName());
    EXPECT_EQ(ReadParts(source), ReadParts(copy));
    document->Close();
    EXPECT_EQ(before, View(App->Documents()->Open(Wide(copy))));
}

TEST_P(DocxRoundTripTest, RewrittenPartsReadBackAsTheSameDocument)
{
    std::string source = Folder / "source.docx", copy = Folder / "copy.docx";
    Fixture().Write(source);
    auto model = engine::docx::ReadDocx(source);
    std::string before = DumpModel(*model);
    engine::docx::WriteDocx(*model, copy, {true});
    EXPECT_EQ(before, DumpModel(*engine::docx::ReadDocx(copy)));
    EXPECT_EQ(View(App->Documents()->Open(Wide(source))), View(App->Documents()->Open(Wide(copy))));
    // Parts the engine does not model never go through the writer.
    auto parts = ReadParts(copy);
    for (const auto& [name, bytes] : ReadParts(source)) {
        bool modelled = name.ends_with("document.xml") || name.starts_with("docProps/") ||
                        name == "word/styles.xml" || name.starts_with("word/header") || name.starts_with("word/footer");
        if (!modelled) {
            EXPECT_EQ(bytes, parts[name]) << name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Producers, DocxRoundTripTest, ::testing::Values(0, 1));

TEST_F(EngineTest, RewrittenDocumentKeepsTheElementsTheEngineDoesNotModel)
{
    std::string source = Folder / "source.docx", copy = Folder / "copy.docx";
    WordLikeDocument().Write(source);
    auto model = engine::docx::ReadDocx(source);
    engine::docx::WriteDocx(*model, copy, {true});
    std::string xml = ReadParts(copy)["word/document.xml"];
    for (const char* kept : {"<w:background w:color=\"FFFFFF\"/>", "mc:Ignorable=\"w14\"",
                             "<w:proofErr w:type=\"spellStart\"/>", "<mc:AlternateContent>",
                             "<w:sdtPr><w:alias w:val=\"Box\"/></w:sdtPr><w:sdtContent>",
                             "<w:r><w:commentReference w:id=\"0\"/></w:r>", "w:history=\"1\"",
                             "<w:numPr><w:ilvl w:val=\"0\"/><w:numId w:val=\"1\"/></w:numPr>",
                             "<w:pgSz w:w=\"11906\" w:h=\"16838\"/>"})
        EXPECT_NE(std::string::npos, xml.find(kept)) << kept;
}

TEST_F(EngineTest, ForeignPrefixesAreDeclaredWhereTheWriterUsesItsOwn)
{
    std::string source = Folder / "source.docx", copy = Folder / "copy.docx";
    OtherProducerDocument().Write(source);
    auto model = engine::docx::ReadDocx(source);
    engine::docx::WriteDocx(*model, copy, {true});
    std::string xml = ReadParts(copy)["word/document.xml"];
    EXPECT_NE(std::string::npos, xml.find("xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\""));
    EXPECT_NE(std::string::npos, xml.find("<w:fldChar w:fldCharType=\"begin\"/>"));
}

} // namespace

} // namespace lorivex::test
