// The fake Word's application, documents, document and window.
#include "tests/word/FakeWord.h"

namespace lorivex::test::fakeword {

void NotModelled(const char* member)
{
    throw word::EWordError(std::string("The fake Word has no ") + member);
}

namespace {

class FakeWindow : public word::Window {
public:
    explicit FakeWindow(std::shared_ptr<DocumentData> data) : data_(std::move(data)) {}
    word::SelectionPtr Selection() override { NotModelled("Selection"); }
    word::ViewPtr View() override { NotModelled("View"); }
    word::PanePtr ActivePane() override { NotModelled("ActivePane"); }
    word::DocumentPtr Document() override { return MakeDocument(data_); }

private:
    std::shared_ptr<DocumentData> data_;
};

class DocumentList : public word::Enumerator {
public:
    explicit DocumentList(std::vector<std::shared_ptr<DocumentData>> items) : items_(std::move(items)) {}
    word::DispatchPtr Next() override { return next_ < items_.size() ? MakeDocument(items_[next_++]) : nullptr; }

private:
    std::vector<std::shared_ptr<DocumentData>> items_;
    std::size_t next_ = 0;
};

class FakeDocuments : public word::Documents {
public:
    explicit FakeDocuments(std::shared_ptr<FakeApplication> app) : app_(std::move(app)) {}
    long Count() override { return static_cast<long>(app_->documents.size()); }
    word::DocumentPtr Item(long index) override
    {
        if (index < 1 || index > Count())
            throw word::EWordError("The requested member of the collection does not exist.");
        return MakeDocument(app_->documents[index - 1]);
    }
    word::DocumentPtr Add(const std::u16string& templateName, bool visible) override
    {
        auto data = std::make_shared<DocumentData>();
        data->name = u"Document" + std::u16string(1, char16_t(u'0' + app_->documents.size() + 1));
        data->fullName = data->name;
        data->templateName = templateName;
        data->visible = visible;
        data->text = u"\r";
        data->application = app_;
        app_->documents.push_back(data);
        return MakeDocument(data);
    }
    word::DocumentPtr Open(const std::u16string& fileName) override
    {
        throw word::EWordError("This file could not be found.\r(" + std::string(fileName.begin(), fileName.end()) + ")");
    }
    std::unique_ptr<word::Enumerator> NewEnum() override { return std::make_unique<DocumentList>(app_->documents); }

private:
    std::shared_ptr<FakeApplication> app_;
};

class FakeDocument : public word::Document {
public:
    explicit FakeDocument(std::shared_ptr<DocumentData> data) : data_(std::move(data)) {}
    word::ApplicationPtr Application() override { return data_->application.lock(); }
    std::u16string FullName() override { return data_->fullName; }
    std::u16string Name() override { return data_->name; }
    word::RangePtr Content() override { return MakeRange(data_, 0, static_cast<long>(data_->text.size())); }
    word::RangePtr Range(long start, long end) override { return MakeRange(data_, start, end); }
    word::ParagraphsPtr Paragraphs() override { NotModelled("Paragraphs"); }
    word::FieldsPtr Fields() override { NotModelled("Fields"); }
    word::BookmarksPtr Bookmarks() override { return Content()->Bookmarks(); }
    word::StylesPtr Styles() override { NotModelled("Styles"); }
    word::IndexesPtr Indexes() override { NotModelled("Indexes"); }
    word::DocumentPropertiesPtr BuiltInDocumentProperties() override { NotModelled("BuiltInDocumentProperties"); }
    word::DocumentPropertiesPtr CustomDocumentProperties() override { NotModelled("CustomDocumentProperties"); }
    word::WindowPtr ActiveWindow() override { return std::make_shared<FakeWindow>(data_); }
    word::CommandBarsPtr CommandBars() override { NotModelled("CommandBars"); }
    void AddStyleSheet(const std::u16string&, long, const std::u16string&, long) override { NotModelled("StyleSheets"); }
    std::u16string DefaultTargetFrame() override { return frame_; }
    void SetDefaultTargetFrame(const std::u16string& frame) override { frame_ = frame; }
    bool LanguageDetected() override { return false; }
    void SetLanguageDetected(bool) override {}
    void DetectLanguage() override {}
    void SaveAs(const std::u16string& fileName, long fileFormat, bool addToRecentFiles) override
    {
        data_->savedAs = fileName;
        data_->savedFormat = fileFormat;
        data_->addedToRecentFiles = addToRecentFiles;
    }
    void Close(long) override { data_->closed = true; }

private:
    std::shared_ptr<DocumentData> data_;
    std::u16string frame_;
};

} // namespace

word::DocumentPtr MakeDocument(std::shared_ptr<DocumentData> data)
{
    return std::make_shared<FakeDocument>(std::move(data));
}

word::DocumentPtr FakeApplication::ActiveDocument()
{
    if (documents.empty())
        throw word::EWordError("This command is not available because no document is open.");
    return MakeDocument(documents.back());
}

word::WindowPtr FakeApplication::ActiveWindow()
{
    return ActiveDocument()->ActiveWindow();
}

word::DocumentsPtr FakeApplication::Documents()
{
    return std::make_shared<FakeDocuments>(shared_from_this());
}

word::CommandBarsPtr FakeApplication::CommandBars()
{
    if (!commandBars_)
        commandBars_ = MakeCommandBars();
    return commandBars_;
}

void FakeApplication::ActivateWindowOf(long documentIndex)
{
    if (onWindowActivate_) {
        auto data = documents.at(documentIndex - 1);
        onWindowActivate_(MakeDocument(data), std::make_shared<FakeWindow>(data));
    }
}

} // namespace lorivex::test::fakeword
