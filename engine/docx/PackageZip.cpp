#include "engine/docx/PackageZip.h"

#include <zip.h>

#include "base/Exception.h"

namespace lorivex::engine::docx {

namespace {

[[noreturn]] void Fail(const std::string& fileName, const std::string& problem)
{
    throw Exception("Cannot save \"" + fileName + "\": " + problem);
}

struct SourceHolder {
    zip_source_t* Source = nullptr;
    ~SourceHolder()
    {
        if (Source)
            zip_source_free(Source);
    }
};

// Reads back what libzip wrote into the memory source.
std::string Drain(zip_source_t* source, const std::string& fileName)
{
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_source_stat(source, &stat) != 0 || zip_source_open(source) != 0)
        Fail(fileName, "the package could not be built in memory");
    std::string bytes(size_t(stat.size), '\0');
    zip_int64_t got = zip_source_read(source, bytes.data(), stat.size);
    zip_source_close(source);
    if (got < 0 || zip_uint64_t(got) != stat.size)
        Fail(fileName, "the package could not be built in memory");
    return bytes;
}

} // namespace

std::string ZipParts(const std::vector<std::pair<std::string, const std::string*>>& parts,
                     const std::string& fileName)
{
    zip_error_t error;
    zip_error_init(&error);
    SourceHolder holder;
    holder.Source = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (!holder.Source)
        Fail(fileName, "out of memory");
    zip_t* zip = zip_open_from_source(holder.Source, ZIP_TRUNCATE, &error);
    if (!zip)
        Fail(fileName, zip_error_strerror(&error));
    zip_source_keep(holder.Source); // the archive releases its hold on close
    for (const auto& [name, bytes] : parts) {
        zip_source_t* data = zip_source_buffer(zip, bytes->data(), bytes->size(), 0);
        zip_int64_t index = data ? zip_file_add(zip, name.c_str(), data, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0) {
            if (data)
                zip_source_free(data);
            std::string problem = zip_strerror(zip);
            zip_discard(zip);
            Fail(fileName, "the part " + name + " could not be stored (" + problem + ")");
        }
        zip_set_file_compression(zip, zip_uint64_t(index), ZIP_CM_DEFLATE, 6);
    }
    if (zip_close(zip) != 0) {
        std::string problem = zip_strerror(zip);
        zip_discard(zip);
        Fail(fileName, "the package could not be built (" + problem + ")");
    }
    return Drain(holder.Source, fileName);
}

} // namespace lorivex::engine::docx
