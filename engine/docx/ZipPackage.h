#pragma once
// Read access to the parts of an OPC package (a .docx). Parts are inflated
// only when asked for, and never beyond MaxPartSize: a small file can claim
// or inflate to any size, and a document must not take the machine down.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace lorivex::engine::docx {

inline constexpr uint64_t MaxPartSize = uint64_t(1) << 30;

class ZipPackage {
public:
    // Raises lorivex::Exception naming the file when it is not a zip package.
    // The file is read whole: the package's bytes outlive the reading (see
    // Bytes).
    explicit ZipPackage(const std::string& fileName);
    // A package already in memory; FileName names it in messages.
    ZipPackage(std::shared_ptr<const std::string> bytes, const std::string& fileName);
    ~ZipPackage();
    ZipPackage(const ZipPackage&) = delete;
    ZipPackage& operator=(const ZipPackage&) = delete;

    const std::vector<std::string>& PartNames() const { return names_; }
    bool Has(const std::string& partName) const;
    // The part's bytes; raises when it is missing, damaged or too large.
    std::string Read(const std::string& partName) const;
    uint64_t DeclaredSize(const std::string& partName) const; // what the directory claims
    const std::string& FileName() const { return fileName_; }
    // The package file as it was read.
    const std::shared_ptr<const std::string>& Bytes() const { return bytes_; }

private:
    void Open();
    struct Handle;
    std::shared_ptr<const std::string> bytes_;
    std::unique_ptr<Handle> handle_;
    std::string fileName_;
    std::vector<std::string> names_;
};

// "Cannot open "FILE": PROBLEM": the one form of every reading failure.
[[noreturn]] void Fail(const std::string& fileName, const std::string& problem);

} // namespace lorivex::engine::docx
