#pragma once
// Compile-run tests work on documents the engine reads from .docx packages
// built in the test: headings by style, body text, fields and bookmarks.
#include "compiler/LvxDocumentHelper.h"
#include "engine/EngineFixture.h"
#include "engine/WordXml.h"
#include "services/word/WordText.h"

namespace lorivex::test {

using xml::Field;
using xml::FieldData;
using xml::SeeAlsoData;

inline std::string H(int level, const std::string& runs) { return xml::Heading(level, runs); }
inline std::string T(const std::string& text) { return xml::Run(text); }
inline std::string P(const std::string& runs) { return xml::Para(runs); }

class CompilerTest : public EngineTest {
protected:
    // Each document a package of its own: opening a file that is already open
    // gives the open document, as in Word.
    word::DocumentPtr Document(const std::string& body)
    {
        return Open(DocxBuilder().Body(body), "fixture" + std::to_string(++documents_) + ".docx");
    }

    TChapterList Map(const word::DocumentPtr& document)
    {
        Run.WorkFolder = Folder.Path();
        return Run.GenerateChapterMapping(document);
    }

    static std::vector<std::string> Paths(const TChapterList& chapters)
    {
        std::vector<std::string> paths;
        for (const auto& chapter : chapters)
            paths.push_back(chapter->Path);
        return paths;
    }

    static std::string Text(const word::RangePtr& range) { return word::FromWord(range->Text()); }

    TLvxDocumentHelper Run;

private:
    int documents_ = 0;
};

} // namespace lorivex::test
