#pragma once
// A small Word in memory for driving the IDispatch binding through the
// stand-in: documents of plain text with bookmarks and links, one window,
// command bars with buttons. What it does not model raises Word's error
// naming the member.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "services/word/Word.h"

namespace lorivex::test::fakeword {

[[noreturn]] void NotModelled(const char* member);

struct DocumentData;

class FakeApplication : public word::Application, public std::enable_shared_from_this<FakeApplication> {
public:
    word::DocumentPtr ActiveDocument() override;
    word::WindowPtr ActiveWindow() override;
    word::DocumentsPtr Documents() override;
    std::u16string Version() override { return u"11.0"; }
    bool ScreenUpdating() override { return screenUpdating_; }
    void SetScreenUpdating(bool value) override { screenUpdating_ = value; }
    word::DefaultWebOptionsPtr DefaultWebOptions() override { NotModelled("DefaultWebOptions"); }
    void OrganizerCopy(const std::u16string&, const std::u16string&, const std::u16string&, long) override
    {
        NotModelled("OrganizerCopy");
    }
    void OrganizerDelete(const std::u16string&, const std::u16string&, long) override { NotModelled("OrganizerDelete"); }
    word::TemplatePtr NormalTemplate() override { NotModelled("NormalTemplate"); }
    long TemplatesCount() override { return 0; }
    word::TemplatePtr Templates(long) override { NotModelled("Templates"); }
    word::CommandBarsPtr CommandBars() override;
    void Quit() override { quit = true; }
    void SetOnWindowActivate(WindowActivateHandler handler) override { onWindowActivate_ = std::move(handler); }
    WindowActivateHandler OnWindowActivate() override { return onWindowActivate_; }

    // The test's side: Word activating the window of a document.
    void ActivateWindowOf(long documentIndex);

    std::vector<std::shared_ptr<DocumentData>> documents;
    bool quit = false;

private:
    bool screenUpdating_ = true;
    WindowActivateHandler onWindowActivate_;
    word::CommandBarsPtr commandBars_;
};

// One document: its text and its bookmarks' and links' spans.
struct DocumentData {
    std::u16string name, fullName, templateName, text;
    bool visible = true;
    struct Span {
        long start, end;
    };
    std::map<std::u16string, Span> bookmarks;
    struct Link {
        Span anchor;
        std::u16string address, subAddress, screenTip, textToDisplay, target;
    };
    std::vector<Link> links;
    std::u16string savedAs;
    long savedFormat = -1;
    bool addedToRecentFiles = false;
    bool closed = false;
    std::weak_ptr<FakeApplication> application;
};

word::DocumentPtr MakeDocument(std::shared_ptr<DocumentData> data);
word::RangePtr MakeRange(std::shared_ptr<DocumentData> data, long start, long end);
word::CommandBarsPtr MakeCommandBars();

} // namespace lorivex::test::fakeword
