#pragma once
// An owning reference to a COM interface: one AddRef when it takes a shared
// pointer, one Release when it lets go.
#include <utility>

#include "platform/win32/Win32Api.h"

namespace lorivex::word::com {

template <class T>
class ComPtr {
public:
    ComPtr() = default;
    // Shares a reference someone else owns: adds one of our own.
    explicit ComPtr(T* shared) : p_(shared) { if (p_) p_->AddRef(); }
    ComPtr(const ComPtr& other) : ComPtr(other.p_) {}
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept { std::swap(p_, other.p_); return *this; }
    ~ComPtr() { if (p_) p_->Release(); }

    // Takes over a reference handed to us (an out parameter's).
    static ComPtr Adopt(T* owned) { ComPtr result; result.p_ = owned; return result; }

    T* Get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    // For out parameters: drops what is held first.
    T** Receive() { *this = ComPtr(); return &p_; }

    template <class U>
    ComPtr<U> As() const
    {
        U* result = nullptr;
        if (!p_ || FAILED(p_->QueryInterface(__uuidof(U), reinterpret_cast<void**>(&result))))
            return {};
        return ComPtr<U>::Adopt(result);
    }

private:
    T* p_ = nullptr;
};

} // namespace lorivex::word::com
