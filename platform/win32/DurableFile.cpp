#include "platform/DurableFile.h"

#include <algorithm>

#include "platform/win32/Win32Api.h"
#include "base/Exception.h"

namespace lorivex::platform {

namespace {

[[noreturn]] void CannotSave(const std::string& path, DWORD error)
{
    throw Exception("Cannot save \"" + path + "\": " + win32::SystemErrorText(error) + ".");
}

// Closes and, unless kept, deletes the temporary file on every way out.
class TempFile {
public:
    explicit TempFile(std::wstring path) : path_(std::move(path)) {}
    ~TempFile()
    {
        Close();
        if (created_ && !kept_)
            ::DeleteFileW(path_.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    bool Create()
    {
        handle_ = ::CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        created_ = handle_ != INVALID_HANDLE_VALUE;
        return created_;
    }
    HANDLE Handle() const { return handle_; }
    const std::wstring& Path() const { return path_; }
    bool Close()
    {
        bool closed = handle_ == INVALID_HANDLE_VALUE || ::CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }
    void Keep() { kept_ = true; }

private:
    std::wstring path_;
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    bool created_ = false;
    bool kept_ = false;
};

} // namespace

void ReplaceFileDurably(const std::string& path, const std::string& bytes)
{
    std::wstring target = win32::Widen(path);
    // A read-only file stays as it is. Windows refuses to move a file onto
    // it; Wine does not, so the attribute is looked at first, before
    // anything is written beside it.
    DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        CannotSave(path, ERROR_ACCESS_DENIED);
    TempFile temp(target + L"." + std::to_wstring(::GetCurrentProcessId()) + L"." +
                  std::to_wstring(::GetTickCount64()) + L".tmp");
    if (!temp.Create())
        CannotSave(path, ::GetLastError());
    for (size_t done = 0; done < bytes.size();) {
        DWORD chunk = DWORD(std::min<size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(temp.Handle(), bytes.data() + done, chunk, &written, nullptr))
            CannotSave(path, ::GetLastError());
        done += written;
    }
    if (!::FlushFileBuffers(temp.Handle()) || !temp.Close())
        CannotSave(path, ::GetLastError());
    if (!::MoveFileExW(temp.Path().c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        CannotSave(path, ::GetLastError());
    temp.Keep();
}

} // namespace lorivex::platform
