#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "base/Exception.h"
#include "ui/Application.h"

namespace lorivex::ui {
namespace {

TEST(Synchronize, AWorkersCallRunsOnTheUiThreadWhileTheWorkerWaits)
{
    auto& application = Application();
    std::thread::id ranOn;
    std::atomic<bool> workerDone = false;
    std::thread worker([&] {
        application.Synchronize([&] { ranOn = std::this_thread::get_id(); });
        workerDone = true;
    });
    // Nothing runs until the user-interface thread looks for calls.
    application.WaitForMessages(std::chrono::seconds(5));
    EXPECT_FALSE(workerDone);
    application.ProcessMessages();
    worker.join();
    EXPECT_EQ(ranOn, std::this_thread::get_id());
    EXPECT_TRUE(workerDone);
}

TEST(Synchronize, AFailureOfTheCallIsRaisedInTheWorker)
{
    auto& application = Application();
    std::string caught;
    std::thread worker([&] {
        try {
            application.Synchronize([] { throw Exception("Window gone"); });
        } catch (const Exception& e) {
            caught = e.Message();
        }
    });
    application.WaitForMessages(std::chrono::seconds(5));
    EXPECT_NO_THROW(application.ProcessMessages());
    worker.join();
    EXPECT_EQ(caught, "Window gone");
}

TEST(Synchronize, OnTheUiThreadTheCallRunsAtOnce)
{
    bool ran = false;
    Application().Synchronize([&] { ran = true; });
    EXPECT_TRUE(ran);
}

} // namespace
} // namespace lorivex::ui
