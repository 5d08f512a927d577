// The engine's command bars behave as Word's do where the host layer relies
// on them: positions of added and moved controls, recursive search, the
// members a popup lacks, pasted faces, and the Normal template that holds
// them.
#include "engine/EngineFixture.h"

#include "platform/Clipboard.h"
#include "ui/Color.h"

namespace lorivex::test {
namespace {

class CommandBars : public EngineTest {
protected:
    word::CommandBarPtr Bar = App->CommandBars()->Add(u"Tools", word::msoBarTop, false);
    word::CommandBarControlPtr Button(const std::u16string& caption, long before = 0)
    {
        auto control = Bar->Controls()->Add(word::msoControlButton, 1, u"", before);
        control->SetCaption(caption);
        return control;
    }
    std::u16string Order()
    {
        std::u16string order;
        for (long i = 1; i <= Bar->Controls()->Count(); ++i)
            order += Bar->Controls()->Item(i)->Caption();
        return order;
    }
};

TEST_F(CommandBars, AddTakesThePlaceBeforeAndMoveLikewise)
{
    Button(u"A");
    Button(u"C");
    auto b = Button(u"B", 2);
    EXPECT_EQ(Order(), u"ABC");
    EXPECT_EQ(b->Index(), 2);
    Button(u"D", 4);
    EXPECT_EQ(Order(), u"ABCD");
    EXPECT_THROW(Button(u"X", 9), Exception);
    // In front of the control now at the position, the moved one counted.
    b->Move(4);
    EXPECT_EQ(Order(), u"ACBD");
    b->Move(1);
    EXPECT_EQ(Order(), u"BACD");
    b->Move(0);
    EXPECT_EQ(Order(), u"ACDB");
    EXPECT_EQ(b->Index(), 4);
}

TEST_F(CommandBars, FindControlSearchesPopupsOnlyWhenAsked)
{
    auto popup = Bar->Controls()->Add(word::msoControlPopup);
    auto inner = popup->Controls()->Add(word::msoControlButton);
    inner->SetTag(u"inner");
    EXPECT_EQ(Bar->FindControl(word::msoControlButton, u"inner", false), nullptr);
    EXPECT_EQ(Bar->FindControl(word::msoControlButton, u"inner", true), inner);
    EXPECT_EQ(Bar->FindControl(word::msoControlPopup, u"inner", true), nullptr) << "the type must match";
    EXPECT_EQ(Bar->FindControl(0, u"inner", true), inner);
    EXPECT_EQ(inner->Index(), 1);
    // A popup has no face, a button no controls.
    EXPECT_THROW(popup->SetStyle(word::msoButtonCaption), Exception);
    EXPECT_THROW(popup->PasteFace(), Exception);
    EXPECT_THROW(inner->Controls(), Exception);
    EXPECT_FALSE(inner->BuiltIn());
    EXPECT_TRUE(Bar->Controls()->Add(word::msoControlButton, 1714)->BuiltIn());
}

TEST_F(CommandBars, PasteFaceTakesTheClipboardsBitmap)
{
    auto button = Button(u"A");
    platform::SetClipboardText("no picture");
    EXPECT_THROW(button->PasteFace(), Exception);
    platform::Image picture(2, 2, ui::clRed);
    button->SetMask(picture);
    platform::SetClipboardBlocks({{platform::ClipboardDibFormat, platform::EncodeDib(picture)}});
    button->PasteFace();
    EXPECT_EQ(button->Picture().Pixels, picture.Pixels);
    EXPECT_EQ(button->Mask().Width, 0) << "a pasted face has no mask";
    EXPECT_THROW(button->SetPicture(platform::Image()), Exception);
}

TEST_F(CommandBars, TheNormalTemplateHoldsThemAndKnowsWhenTheyChanged)
{
    auto normal = App->NormalTemplate();
    normal->Save();
    ASSERT_TRUE(normal->Saved());
    Button(u"A")->SetVisible(false);
    EXPECT_FALSE(normal->Saved());
    normal->Save();
    EXPECT_TRUE(normal->Saved());
    App->OrganizerDelete(normal->FullName(), u"Tools", word::wdOrganizerObjectCommandBars);
    EXPECT_EQ(App->CommandBars()->Item(u"Tools"), nullptr);
    EXPECT_THROW(App->OrganizerDelete(normal->FullName(), u"Tools", word::wdOrganizerObjectCommandBars), Exception);
    // Word's envelope bar is there, hidden until a window edits an e-mail.
    auto envelope = App->CommandBars()->Item(u"Envelope");
    ASSERT_NE(envelope, nullptr);
    EXPECT_TRUE(envelope->BuiltIn());
    EXPECT_FALSE(envelope->Visible());
    EXPECT_THROW(envelope->Delete(), Exception);
}

TEST_F(CommandBars, ABarMustBeEnabledToShow)
{
    Bar->SetEnabled(false);
    EXPECT_THROW(Bar->SetVisible(true), Exception);
    Bar->SetEnabled(true);
    Bar->SetVisible(true);
    Bar->SetLeft(40);
    Bar->SetTop(7);
    EXPECT_EQ(Bar->Left(), 40);
    EXPECT_EQ(Bar->Top(), 7);
    EXPECT_THROW(Bar->SetPosition(9), Exception);
}

} // namespace
} // namespace lorivex::test
