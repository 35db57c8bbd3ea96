#pragma once

#include <windows.h>

#include <utility>

// Owns one Windows handle and closes it with Close when it goes. Moves, never
// copies: two owners of one handle would close it twice.
template <class Handle, auto Close>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { Reset(); }

    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Reset(other.Release());
        }
        return *this;
    }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

    Handle Release() { return std::exchange(handle_, nullptr); }
    void Reset(Handle handle = nullptr) {
        if (handle_ != nullptr) {
            Close(handle_);
        }
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

// An icon from LoadImage without LR_SHARED, which the caller must destroy.
using IconHandle = UniqueHandle<HICON, &DestroyIcon>;

// A pen, brush, font, bitmap or region the caller created.
template <class GdiObject>
using GdiHandle = UniqueHandle<GdiObject, &DeleteObject>;
