// Measures the compiler's export loop on a document: every heading starts a
// topic, and each topic is copied into an invisible scratch document and
// saved as a filtered HTML page of its own, as a compile run does. Prints
// the total and the time per topic, which must not grow with the document.
#include <sys/resource.h>

#include <chrono>
#include <filesystem>
#include <iostream>
#include <vector>

#include "engine/Engine.h"
#include "platform/CodePages.h"

namespace {

using namespace lorivex;

// Start positions of the topics: one per heading paragraph.
std::vector<long> TopicStarts(const word::DocumentPtr& document)
{
    std::vector<long> starts;
    for (auto p = document->Paragraphs()->First(); p; p = p->Next())
        if (p->OutlineLevel() < 10)
            starts.push_back(p->Range()->Start());
    return starts;
}

void ExportTopic(const word::ApplicationPtr& application, const word::DocumentPtr& document, long start, long end,
                 const std::string& file)
{
    auto topic = application->Documents()->Add({}, false);
    topic->Content()->SetFormattedText(document->Range(start, end)->FormattedText());
    topic->SaveAs(platform::AnsiToUtf16(file), word::wdFormatFilteredHTML, false);
    topic->Close(word::wdDoNotSaveChanges);
}

// Time spent in the program itself, without the file system's share,
// which grows with the number of files in one folder.
double UserSeconds()
{
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec) + double(usage.ru_utime.tv_usec) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    using Clock = std::chrono::steady_clock;
    if (argc != 3) {
        std::cerr << "usage: lorivex_bench_export DOC.docx OUT-FOLDER\n";
        return 2;
    }
    std::filesystem::create_directories(argv[2]);
    auto application = engine::CreateApplication();
    auto document = application->Documents()->Open(platform::AnsiToUtf16(argv[1]));
    auto begin = Clock::now();
    std::vector<long> starts = TopicStarts(document);
    starts.push_back(document->Content()->End());
    auto mapped = Clock::now();
    double userBefore = UserSeconds();
    for (size_t i = 0; i + 1 < starts.size(); ++i)
        ExportTopic(application, document, starts[i], starts[i + 1],
                    std::string(argv[2]) + "/topic" + std::to_string(i) + ".html");
    auto exported = Clock::now();
    double userExport = UserSeconds() - userBefore;
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](auto a, auto b) { return std::chrono::duration<double>(b - a).count(); };
    size_t topics = starts.size() - 1;
    std::cout << "topics " << topics << ", map " << seconds(begin, mapped) << " s, export "
              << seconds(mapped, exported) << " s, " << seconds(mapped, exported) / double(topics) * 1e6
              << " us per topic (" << userExport / double(topics) * 1e6 << " us of it in the program), peak " << usage.ru_maxrss / 1024 << " MiB\n";
    return 0;
}
