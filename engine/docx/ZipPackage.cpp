#include "engine/docx/ZipPackage.h"

#include <zip.h>

#include <algorithm>

#include "base/Exception.h"
#include "platform/CodePages.h"

namespace lorivex::engine::docx {

void Fail(const std::string& fileName, const std::string& problem)
{
    throw Exception("Cannot open \"" + fileName + "\": " + problem);
}

struct ZipPackage::Handle {
    zip_t* Zip = nullptr;
    ~Handle()
    {
        if (Zip)
            zip_discard(Zip);
    }
};

ZipPackage::ZipPackage(const std::string& fileName) : handle_(std::make_unique<Handle>()), fileName_(fileName)
{
    int error = 0;
    // libzip takes file names as UTF-8 (on Windows it opens the file by its
    // UTF-16 name made from them); ours are in the ANSI code page.
    handle_->Zip = zip_open(platform::AnsiToUtf8(fileName).c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (!handle_->Zip) {
        if (error == ZIP_ER_NOENT || error == ZIP_ER_OPEN)
            Fail(fileName, "the file does not exist or cannot be read");
        Fail(fileName, "it is not a word-processing document package (not a zip file)");
    }
    zip_int64_t count = zip_get_num_entries(handle_->Zip, 0);
    for (zip_int64_t i = 0; i < count; ++i)
        if (const char* name = zip_get_name(handle_->Zip, zip_uint64_t(i), 0))
            names_.emplace_back(name);
}

ZipPackage::~ZipPackage() = default;

bool ZipPackage::Has(const std::string& partName) const
{
    return zip_name_locate(handle_->Zip, partName.c_str(), ZIP_FL_NOCASE) >= 0;
}

uint64_t ZipPackage::DeclaredSize(const std::string& partName) const
{
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat(handle_->Zip, partName.c_str(), ZIP_FL_NOCASE, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE))
        return 0;
    return stat.size;
}

std::string ZipPackage::Read(const std::string& partName) const
{
    zip_int64_t index = zip_name_locate(handle_->Zip, partName.c_str(), ZIP_FL_NOCASE);
    if (index < 0)
        Fail(fileName_, "the package has no part " + partName);
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(handle_->Zip, zip_uint64_t(index), 0, &stat) != 0)
        Fail(fileName_, "the part " + partName + " is damaged");
    if ((stat.valid & ZIP_STAT_SIZE) && stat.size > MaxPartSize)
        Fail(fileName_, "the part " + partName + " is larger than 1 GiB uncompressed");
    zip_file_t* file = zip_fopen_index(handle_->Zip, zip_uint64_t(index), 0);
    if (!file)
        Fail(fileName_, "the part " + partName + " cannot be unpacked (" + zip_strerror(handle_->Zip) + ")");
    std::string bytes;
    bytes.reserve(size_t(std::min<uint64_t>(stat.size, uint64_t(64) << 20)));
    char buffer[65536];
    zip_int64_t got;
    // The declared size can lie; count what actually comes out.
    while ((got = zip_fread(file, buffer, sizeof buffer)) > 0) {
        if (bytes.size() + size_t(got) > MaxPartSize) {
            zip_fclose(file);
            Fail(fileName_, "the part " + partName + " is larger than 1 GiB uncompressed");
        }
        bytes.append(buffer, size_t(got));
    }
    zip_fclose(file);
    if (got < 0)
        Fail(fileName_, "the part " + partName + " is damaged (its compressed data cannot be read)");
    return bytes;
}

} // namespace lorivex::engine::docx
