// Measures what the compiler's first steps cost on a document: opening it
// with the engine, then walking every paragraph with Next and reading its
// outline level, as the topic mapping does. Prints seconds and peak memory.
#include <sys/resource.h>

#include <chrono>
#include <iostream>

#include "engine/Engine.h"
#include "platform/CodePages.h"

int main(int argc, char** argv)
{
    using Clock = std::chrono::steady_clock;
    if (argc != 2) {
        std::cerr << "usage: lorivex_bench_load DOC.docx\n";
        return 2;
    }
    auto application = lorivex::engine::CreateApplication();
    auto start = Clock::now();
    auto document = application->Documents()->Open(lorivex::platform::AnsiToUtf16(argv[1]));
    auto loaded = Clock::now();
    long paragraphs = 0, headings = 0;
    for (auto p = document->Paragraphs()->First(); p; p = p->Next()) {
        ++paragraphs;
        headings += p->OutlineLevel() < 10;
    }
    auto walked = Clock::now();
    long fields = document->Fields()->Count();
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](auto a, auto b) { return std::chrono::duration<double>(b - a).count(); };
    std::cout << "paragraphs " << paragraphs << ", headings " << headings << ", fields " << fields << "\n"
              << "load " << seconds(start, loaded) << " s, walk " << seconds(loaded, walked) << " s, peak "
              << usage.ru_maxrss / 1024 << " MiB\n";
    return 0;
}
