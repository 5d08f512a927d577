// Runs every test with settings of its own: on POSIX the registry hives go to
// a scratch folder, so tests never read or change the real user's settings
// (the Windows tests run in a Wine prefix of the build's own). Dialogs are
// answered headless unless a test installs the window system's back end.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "ui/Application.h"
#include "ui/headless/HeadlessBackend.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#ifdef _WIN32
// Windows builds link with -municode, which makes wmain the entry point.
int wmain(int argc, wchar_t** argv);
int wmain(int argc, wchar_t** argv)
#else
int main(int argc, char** argv)
#endif
{
#ifdef _WIN32
    // Line ends as written: ctest reads the test list through a pipe.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    testing::InitGoogleTest(&argc, argv);
    lorivex::ui::Application().SetBackend(std::make_unique<lorivex::ui::headless::HeadlessBackend>());
#ifndef _WIN32
    lorivex::test::ScopedSettings isolated;
#endif
    return RUN_ALL_TESTS();
}
