// Where there is no window system back end, forms run headless.
#include "ui/Application.h"
#include "ui/headless/HeadlessBackend.h"

namespace lorivex::ui {

std::unique_ptr<Backend> CreateDefaultBackend()
{
    return std::make_unique<headless::HeadlessBackend>();
}

} // namespace lorivex::ui
