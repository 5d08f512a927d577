#include "Win32Support.h"

#include <cstdio>
#include <filesystem>
#include <map>

#include "platform/Versions.h"

namespace lorivex::ui::win32::test {

namespace {

std::map<UINT_PTR, std::function<void()>>& Timers()
{
    static std::map<UINT_PTR, std::function<void()>> timers;
    return timers;
}

void CALLBACK TimerFired(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    auto at = Timers().find(id);
    if (at == Timers().end())
        return;
    auto action = std::move(at->second);
    Timers().erase(at);
    try {
        action();
    } catch (const std::exception& e) {
        ADD_FAILURE() << "a timed action failed: " << e.what();
    } catch (...) {
        ADD_FAILURE() << "a timed action failed";
    }
}

LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

Watchdog::Watchdog(std::chrono::seconds limit)
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "a test";
    thread_ = std::thread([this, limit, name] {
        std::unique_lock lock(mutex_);
        if (done_.wait_for(lock, limit, [this] { return finished_; }))
            return;
        std::fprintf(stderr, "\nwatchdog: %s still runs after %lld s; the program is ended\n", name.c_str(),
                     static_cast<long long>(limit.count()));
        std::fflush(stderr);
        TerminateProcess(GetCurrentProcess(), 3);
    });
}

Watchdog::~Watchdog()
{
    {
        std::lock_guard lock(mutex_);
        finished_ = true;
    }
    done_.notify_all();
    thread_.join();
}

Win32Test::Win32Test()
    : previous_(Application().SetBackend(std::make_unique<Win32Backend>())), previousHandle_(Application().Handle())
{
}

Win32Test::~Win32Test()
{
    for (auto& [id, action] : Timers())
        KillTimer(nullptr, id);
    Timers().clear();
    Application().SetHandle(previousHandle_);
    if (owner_)
        DestroyWindow(owner_);
    Application().SetBackend(std::move(previous_));
}

void Win32Test::After(int milliseconds, std::function<void()> action)
{
    UINT_PTR id = SetTimer(nullptr, 0, UINT(milliseconds), TimerFired);
    ASSERT_NE(id, 0u);
    Timers()[id] = std::move(action);
}

bool Win32Test::PumpUntil(const std::function<bool()>& condition, int milliseconds)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        Application().ProcessMessages();
        MsgWaitForMultipleObjectsEx(0, nullptr, 10, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
    return true;
}

void Win32Test::Settle()
{
    // Wine maps windows asynchronously; a few rounds let every paint through.
    for (int round = 0; round < 5; ++round) {
        Application().ProcessMessages();
        Sleep(20);
    }
    Application().ProcessMessages();
}

HWND Win32Test::MakeOwnerWindow()
{
    static bool registered = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = OwnerProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
        wc.lpszClassName = L"LorivexTestOwner";
        return RegisterClassExW(&wc) != 0;
    }();
    EXPECT_TRUE(registered);
    owner_ = CreateWindowExW(0, L"LorivexTestOwner", L"Word stand-in", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                             300, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    return owner_;
}

HWND Win32Test::FindThreadWindow(const wchar_t* className)
{
    struct Search {
        const wchar_t* className;
        HWND found = nullptr;
    } search{className};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM context) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(context);
            wchar_t name[64] = {};
            GetClassNameW(window, name, 64);
            if (IsWindowVisible(window) && std::wstring(name) == s.className) {
                s.found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string ArtifactsFolder()
{
    std::filesystem::path program(Wide(platform::ProgramPath()));
    std::filesystem::path folder = program.parent_path().parent_path() / "artifacts";
    std::filesystem::create_directories(folder);
    return Ansi(folder.wstring());
}

RECT ChildRect(HWND child)
{
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

} // namespace lorivex::ui::win32::test
