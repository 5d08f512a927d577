#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "base/Exception.h"
#include "ui/Application.h"
#include "ui/headless/HeadlessBackend.h"

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

// A back end that is slow to wake the user-interface thread, and counts.
class SlowWakingBackend : public headless::HeadlessBackend {
public:
    void WakeUp() override
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        ++wakeUps_;
    }

private:
    int wakeUps_ = 0;
};

// The compiler's reader is a worker nobody joins, and its last call may be
// the program's last work: once the call has run, the application may end at
// once, so the worker must be done with it (and its back end) by then.
TEST(Synchronize, TheApplicationMayEndAsSoonAsAWorkersCallHasRun)
{
    for (int round = 0; round < 3; ++round) {
        auto application = std::make_unique<TApplication>();
        application->SetBackend(std::make_unique<SlowWakingBackend>());
        TApplication* target = application.get();
        std::atomic<bool> ran = false;
        std::thread worker([&] { target->Synchronize([&] { ran = true; }); });
        while (!ran) {
            application->WaitForMessages(std::chrono::milliseconds(100));
            application->RunPendingCalls();
        }
        application.reset();
        worker.join();
    }
}

} // namespace
} // namespace lorivex::ui
