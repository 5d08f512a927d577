#pragma once
// Shared set-up of the engine tests: an application, new documents with
// given text, and fixture packages written to a scratch folder.
#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"
#include "engine/DocxBuilder.h"
#include "engine/Engine.h"

namespace lorivex::test {

class EngineTest : public ::testing::Test {
protected:
    word::ApplicationPtr App = engine::CreateApplication();
    TempFolder Folder;

    word::DocumentPtr NewDocument(const std::u16string& text = u"")
    {
        auto document = App->Documents()->Add();
        if (!text.empty())
            document->Content()->SetText(text);
        return document;
    }

    word::DocumentPtr Open(const DocxBuilder& builder, const std::string& name = "fixture.docx")
    {
        std::string path = Folder / name;
        builder.Write(path);
        return App->Documents()->Open(std::u16string(path.begin(), path.end()));
    }
};

// Every character of the range as the story holds it: field marks and
// codes and hidden text included.
inline std::u16string Raw(const word::RangePtr& range)
{
    auto mode = range->TextRetrievalMode();
    mode->SetIncludeFieldCodes(true);
    mode->SetIncludeHiddenText(true);
    return range->Text();
}

inline std::string Narrow(const std::u16string& text)
{
    std::string out;
    for (char16_t c : text)
        out += c < 128 ? char(c) : '?';
    return out;
}

} // namespace lorivex::test
