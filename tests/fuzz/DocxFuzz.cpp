// libFuzzer target: documents whose main parts come from the input. The
// input is the parts below, in that order, separated by a line holding only
// the byte 01; the package's other parts (pictures, footers, core
// properties, content types) are those of the package LORIVEX_FUZZ_PACKAGE
// names, the build's sample document by default. Each document is read,
// rendered as both kinds of page, written back in full and read again: a
// damaged document may be refused with the system's own failure, never with
// anything else.
#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

#include "base/Exception.h"
#include "engine/docx/DocxReader.h"
#include "engine/docx/DocxWriter.h"
#include "engine/docx/PackageZip.h"
#include "engine/docx/ZipPackage.h"
#include "engine/html/HtmlPage.h"
#include "engine/html/HtmlPictures.h"

namespace {

using namespace lorivex::engine;

const char* const InputParts[] = {"word/document.xml", "word/styles.xml", "word/_rels/document.xml.rels",
                                  "docProps/custom.xml", "word/header1.xml"};
const std::string Separator = "\n\x01\n";

std::map<std::string, std::string> LoadPackage()
{
    const char* named = std::getenv("LORIVEX_FUZZ_PACKAGE");
    docx::ZipPackage package(named ? named : LORIVEX_FUZZ_DEFAULT_PACKAGE);
    std::map<std::string, std::string> parts;
    for (const auto& name : package.PartNames())
        parts[name] = package.Read(name);
    return parts;
}

std::string Package(const std::string& input)
{
    static const std::map<std::string, std::string> fixed = LoadPackage();
    std::map<std::string, std::string> parts = fixed;
    size_t at = 0;
    for (const char* name : InputParts) {
        size_t end = input.find(Separator, at);
        parts[name] = input.substr(at, end == std::string::npos ? std::string::npos : end - at);
        if (end == std::string::npos)
            break;
        at = end + Separator.size();
    }
    // The content types come first, as in every package Word writes.
    std::vector<std::pair<std::string, const std::string*>> list{{"[Content_Types].xml", &parts["[Content_Types].xml"]}};
    for (const auto& [name, bytes] : parts)
        if (name != "[Content_Types].xml")
            list.emplace_back(name, &bytes);
    return docx::ZipParts(list, "fuzz.docx");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string written = "/tmp/lorivex-fuzz-" + std::to_string(getpid()) + ".docx";
    auto package = std::make_shared<const std::string>(Package(std::string(reinterpret_cast<const char*>(data), size)));
    try {
        auto model = docx::ReadDocx(package, "fuzz.docx");
        for (bool wordMarkup : {false, true}) {
            html::HtmlPictures pictures("");
            html::RenderPage(*model, {wordMarkup, wordMarkup}, pictures);
        }
        docx::WriteOptions options;
        options.RewriteAll = true;
        docx::WriteDocx(*model, written, options);
        docx::ReadDocx(written);
    } catch (const lorivex::Exception&) {
    }
    return 0;
}
