#include "engine/docx/ZipPackage.h"

#include <zip.h>

#include <algorithm>

#include "base/Exception.h"
#include "platform/FileSystem.h"

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

namespace {

// The whole file, or null when it cannot be read. The name is in the ANSI
// code page; the platform opens it by the name the system knows.
std::shared_ptr<const std::string> ReadWhole(const std::string& fileName)
{
    if (!platform::FileExists(fileName))
        return nullptr;
    try {
        return std::make_shared<const std::string>(platform::ReadFileBytes(fileName));
    } catch (const Exception&) {
        return nullptr;
    }
}

} // namespace

ZipPackage::ZipPackage(const std::string& fileName) : handle_(std::make_unique<Handle>()), fileName_(fileName)
{
    bytes_ = ReadWhole(fileName);
    if (!bytes_)
        Fail(fileName, "the file does not exist or cannot be read");
    Open();
}

ZipPackage::ZipPackage(std::shared_ptr<const std::string> bytes, const std::string& fileName)
    : bytes_(std::move(bytes)), handle_(std::make_unique<Handle>()), fileName_(fileName)
{
    Open();
}

void ZipPackage::Open()
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes_->data(), bytes_->size(), 0, &error);
    if (source)
        handle_->Zip = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
    zip_error_fini(&error);
    if (!handle_->Zip) {
        if (source)
            zip_source_free(source);
        Fail(fileName_, "it is not a word-processing document package (not a zip file)");
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
