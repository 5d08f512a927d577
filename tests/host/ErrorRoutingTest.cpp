// Where a failure of a module handler ends: the module's OnError, and a
// message box of the host layer's own when the module leaves it unhandled.
#include <gtest/gtest.h>

#include "host/HostErrorRouting.h"
#include "ui/headless/Answerers.h"
#include "ui/headless/DialogLog.h"

namespace lorivex::test {
namespace {

class HostErrorRouting : public ::testing::Test {
protected:
    HostErrorRouting()
    {
        ui::DialogLog::Clear();
        module.AddInName = "Lorivex OfficeAddin";
    }
    // The message boxes shown while the body runs.
    std::vector<ui::MessageBoxRequest> BoxesOf(const std::function<void()>& body)
    {
        std::vector<ui::MessageBoxRequest> boxes;
        auto answer = ui::ScopedAnswer::MessageBoxes([&](const ui::MessageBoxRequest& request) {
            boxes.push_back(request);
            return ui::mrOk;
        });
        RunRouted(module, body);
        return boxes;
    }
    THostAddInModule module;
};

TEST_F(HostErrorRouting, AnUnhandledFailureShowsTheAddinsMessageBox)
{
    std::vector<bool> handledOnEntry;
    module.OnError = [&](const std::exception&, bool& handled) { handledOnEntry.push_back(handled); };
    auto boxes = BoxesOf([] { throw ElxException("Disk is full", "A.B\r\n"); });
    EXPECT_EQ(handledOnEntry, std::vector<bool>{false});
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Text, "Lorivex OfficeAddin error: the add-in has fired an exception.\r\nDisk is full");
    EXPECT_EQ(boxes[0].Icon, ui::MessageIcon::Error);
    EXPECT_EQ(boxes[0].Buttons, ui::MessageButtons::Ok);
}

TEST_F(HostErrorRouting, AHandledFailureShowsNothingMore)
{
    std::string seen;
    module.OnError = [&](const std::exception& e, bool& handled) {
        seen = e.what();
        handled = true;
    };
    EXPECT_TRUE(BoxesOf([] { throw Exception("quietly handled"); }).empty());
    EXPECT_EQ(seen, "quietly handled");
}

TEST_F(HostErrorRouting, WithoutAHandlerOrWhenItFailsTheBoxIsShown)
{
    EXPECT_EQ(BoxesOf([] { throw std::runtime_error("plain"); }).size(), 1u);
    module.OnError = [](const std::exception&, bool& handled) {
        handled = true;
        throw Exception("the error dialog cannot be shown");
    };
    auto boxes = BoxesOf([] { throw Exception("first"); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Text, "Lorivex OfficeAddin error: the add-in has fired an exception.\r\nfirst");
}

TEST_F(HostErrorRouting, TheSilentAbortStaysSilent)
{
    bool called = false;
    module.OnError = [&](const std::exception&, bool&) { called = true; };
    EXPECT_TRUE(BoxesOf([] { Abort(); }).empty());
    EXPECT_FALSE(called);
    EXPECT_TRUE(BoxesOf([] {}).empty());
}

} // namespace
} // namespace lorivex::test
