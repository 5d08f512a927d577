#include <gtest/gtest.h>

#include <stdexcept>

#include "Failure.h"
#include "FakeWordApplication.h"
#include "ScopedInstall.h"
#include "platform/Clipboard.h"
#include "services/AddInModuleError.h"
#include "services/ExceptionDialog.h"
#include "ui/headless/Answerers.h"
#include "ui/Application.h"
#include "ui/headless/DialogLog.h"

namespace lorivex {
namespace {
using lorivex::test::Throws;
using lorivex::test::MessageAndTrace;

using namespace ui;

class ExceptionDialogTest : public ::testing::Test {
protected:
    void SetUp() override { DialogLog::Clear(); }
    // Reports the failure through the module's handler; `look` sees the
    // dialog as the person in front of it would, then OK is pressed.
    bool Report(const std::exception& e, std::function<void(TlxExceptionDialog&)> look)
    {
        auto answer = ScopedAnswer::Form("TlxExceptionDialog", [&](TForm& form) {
            look(dynamic_cast<TlxExceptionDialog&>(form));
            form.PressEnter();
        });
        bool handled = false;
        AddInModuleError(e, handled, word);
        return handled;
    }
    std::shared_ptr<test::FakeWordApplication> word = std::make_shared<test::FakeWordApplication>(u"11.0");
};

std::vector<std::string> Lines(const TStrings& items)
{
    std::vector<std::string> lines;
    for (const auto& item : items)
        lines.push_back(item.Text);
    return lines;
}

TEST_F(ExceptionDialogTest, DetailsOpenAndCloseByTheBoxAndByItsLabel)
{
    std::vector<int> heights, bottomTops;
    bool handled = Report(ElxException("Disk is full", "A.B\r\n"), [&](TlxExceptionDialog& d) {
        auto note = [&] {
            heights.push_back(d.ClientHeight());
            bottomTops.push_back(d.BottomPanel->Top());
        };
        note();
        d.DetailsCheckBox->Click();
        note();
        EXPECT_TRUE(d.TracePanel->Visible());
        EXPECT_EQ(d.TracePanel->Top(), 53);
        d.ShowDetailsLabel->Click();
        note();
        d.ShowDetailsLabel->Click();
        note();
        EXPECT_TRUE(d.DetailsCheckBox->Checked());
    });
    EXPECT_TRUE(handled);
    EXPECT_EQ(heights, (std::vector<int>{94, 202, 94, 202}));
    EXPECT_EQ(bottomTops, (std::vector<int>{53, 161, 53, 161}));
}

void ExpectInertDetails(TlxExceptionDialog& d)
{
    EXPECT_FALSE(d.DetailsCheckBox->Enabled());
    d.DetailsCheckBox->Click();
    d.ShowDetailsLabel->Click();
    EXPECT_FALSE(d.DetailsCheckBox->Checked());
    EXPECT_FALSE(d.TracePanel->Visible());
    EXPECT_EQ(d.ClientHeight(), 94);
    EXPECT_EQ(d.TraceListBox->Items.Count(), 0);
}

TEST_F(ExceptionDialogTest, AFailureOutsideTheChainShowsItsMessageWithInertDetails)
{
    std::string shown;
    EXPECT_TRUE(Report(Exception("Word is busy"), [&](TlxExceptionDialog& d) {
        shown = d.ExceptionLabel->Caption();
        ExpectInertDetails(d);
    }));
    EXPECT_EQ(shown, "Word is busy");
    EXPECT_TRUE(Report(std::runtime_error("vector too long"), [&](TlxExceptionDialog& d) {
        shown = d.ExceptionLabel->Caption();
        ExpectInertDetails(d);
    }));
    EXPECT_EQ(shown, "vector too long");
}

TEST_F(ExceptionDialogTest, TheClipboardReportForATwoLineTrace)
{
    test::ScopedInstall install;
    Report(ElxException("Disk is full", "TLorivexModule.CompileClick\r\nLorivexUtilsUnit.GetTempDir\r\n"),
           [](TlxExceptionDialog& d) {
               d.Clock = [] { return platform::DateTime{2008, 3, 7, 9, 5, 33, 0}; };
               d.DetailsCheckBox->Click(); // the picture is on the details
               d.CopyToClipboardImg->MouseDown(TMouseButton::Right, 0, 4, 4);
           });
    const std::string rule(45, '~');
    EXPECT_EQ(platform::GetClipboardText(),
              "Time of Error: 2008-03-07 09:05\r\n"
              "Message: Disk is full\r\n"
                  + rule + "\r\n"
                  "Call stack: \r\n"
                  "TLorivexModule.CompileClick\r\n"
                  "LorivexUtilsUnit.GetTempDir\r\n"
                  "\r\n\r\n"
                  + rule + "\r\n"
                  "Lorivex version: " LORIVEX_TEST_VERSION ", MS Word version: 11.0");
}

TEST_F(ExceptionDialogTest, AnUnreadableVersionDoesNotHideTheReport)
{
    test::ScopedInstall::Unregister();
    std::string version;
    EXPECT_TRUE(Report(Exception("Word is busy"), [&](TlxExceptionDialog& d) { version = d.VersionLabel->Caption(); }));
    EXPECT_EQ(version, "Lorivex version: unknown, MS Word version: 11.0");
}

// A command handler, the run object it drives and a utility below it, each
// following the convention.
struct TLvxDocumentHelper : TObject {
    void Execute() const
    {
        Guard("Execute", [] { Guarded("LorivexUtilsUnit", "GetTempDir", [] { throw Exception("Disk is full"); }); });
    }
};

struct TLorivexModule : TObject {
    void CompileClick() const
    {
        Guard("CompileClick", [] { TLvxDocumentHelper().Execute(); });
    }
};

TEST_F(ExceptionDialogTest, AFailureThreeCallsDeepReachesTheUserWithItsTrace)
{
    test::ScopedInstall install;
    std::string message, version;
    std::vector<std::string> trace;
    bool handled = false;
    // The host layer's part: every failure leaving a handler goes to the
    // module's error handler.
    try {
        TLorivexModule().CompileClick();
    } catch (const std::exception& e) {
        handled = Report(e, [&](TlxExceptionDialog& d) {
            d.DetailsCheckBox->Click();
            message = d.ExceptionLabel->Caption();
            trace = Lines(d.TraceListBox->Items);
            version = d.VersionLabel->Caption();
        });
    }
    EXPECT_TRUE(handled);
    EXPECT_EQ(message, "Disk is full");
    EXPECT_EQ(trace, (std::vector<std::string>{"TLorivexModule.CompileClick", "TLvxDocumentHelper.Execute",
                                               "LorivexUtilsUnit.GetTempDir"}));
    EXPECT_EQ(version, "Lorivex version: " LORIVEX_TEST_VERSION ", MS Word version: 11.0");
    ASSERT_EQ(DialogLog::Entries().size(), 1u);
    EXPECT_EQ(DialogLog::Describe(DialogLog::Entries()[0]),
              "Dialog 'Lorivex Application Error' (TlxExceptionDialog) -> OK");
}

TEST_F(ExceptionDialogTest, ADialogNoOneAnswersLeavesTheFailureUnhandled)
{
    bool handled = false;
    EXPECT_THAT([&] { AddInModuleError(Exception("Disk is full"), handled, word); },
                Throws<ElxException>(MessageAndTrace("No one is there to answer the dialog 'Lorivex Application Error' (TlxExceptionDialog)", "LorivexUtilsUnit.ShowModalDialog\r\n")));
    EXPECT_FALSE(handled);
    EXPECT_TRUE(ui::Application().Forms().empty());
}

} // namespace
} // namespace lorivex
