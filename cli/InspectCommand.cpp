// "lorivex inspect": the engine's view of a document, for authors who wonder
// why a heading did not become a topic, and for tests that compare views.
#include <iostream>
#include <sstream>

#include "cli/Command.h"
#include "engine/Engine.h"
#include "engine/Inspect.h"
#include "platform/CodePages.h"

namespace lorivex::cli {

int RunInspect(const std::vector<std::string>& args)
{
    if (args.size() != 1) {
        std::cerr << "lorivex inspect: give one .docx file (see lorivex inspect --help)\n";
        return 2;
    }
    auto application = engine::CreateApplication();
    auto document = application->Documents()->Open(platform::AnsiToUtf16(args[0]));
    engine::InspectDocument(document, std::cout);
    return 0;
}

} // namespace lorivex::cli
