#include <gtest/gtest.h>

#include "Failure.h"
#include "platform/Desktop.h"
#include "services/DialogFrame.h"
#include "ui/headless/Answerers.h"

namespace lorivex {
namespace {
using lorivex::test::Throws;
using lorivex::test::MessageAndTrace;
using lorivex::test::Trace;

using namespace ui;

class TProbeDialog : public TForm {
public:
    TProbeDialog() { SetCaption("Probe"); }
};

class DialogFrame : public ::testing::Test {
protected:
    void SetUp() override { Application().SetHandle(4242); }
    void TearDown() override { Application().SetHandle(0); }
};

TEST_F(DialogFrame, FormsAreOwnedByTheForegroundWindowAndKeepThePreviousOwner)
{
    auto form = CreateLorivexForm<TProbeDialog>(0);
    EXPECT_EQ(form->Tag, 4242);
    EXPECT_EQ(form->OwnerHandle, platform::ForegroundWindow());
    EXPECT_EQ(Application().Handle(), platform::ForegroundWindow());

    auto answer = ScopedAnswer::Form("TProbeDialog", [](TForm& f) { f.PressEscape(); });
    EXPECT_EQ(ShowModalDialog(*form), mrCancel);
    EXPECT_EQ(Application().Handle(), 4242u);
}

TEST_F(DialogFrame, ThePreviousOwnerIsBackAlsoWhenTheModalLoopFails)
{
    auto form = CreateLorivexForm<TProbeDialog>(0);
    auto answer = ScopedAnswer::Form("TProbeDialog", [](TForm&) { throw Exception("The person walked away"); });
    EXPECT_THAT([&] { ShowModalDialog(*form); },
                Throws<ElxException>(MessageAndTrace("The person walked away", "LorivexUtilsUnit.ShowModalDialog\r\n")));
    EXPECT_EQ(Application().Handle(), 4242u);
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(form->Modal());
}

class TFailingDialog : public TForm {
public:
    TFailingDialog()
    {
        OnCreate = [this](TComponent&) { Guard("FormCreate", [] { throw Exception("No settings"); }); };
    }
};

TEST_F(DialogFrame, AFailureOfCreationCarriesBothContexts)
{
    EXPECT_THAT([&] { CreateLorivexForm<TFailingDialog>(0); },
                Throws<ElxException>(Trace("LorivexUtilsUnit.CreateLorivexForm\r\nTFailingDialog.FormCreate\r\n")));
    EXPECT_TRUE(Application().Forms().empty()); // the half-made form is gone
}

} // namespace
} // namespace lorivex
