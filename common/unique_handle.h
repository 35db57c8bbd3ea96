#pragma once

#include <utility>

// The "no handle" value of handles whose empty state is a null pointer.
template <class Handle>
constexpr Handle NullHandle() {
    return nullptr;
}

// Owns one platform handle and closes it with Close when it goes. Moves,
// never copies: two owners of one handle would close it twice. Invalid names
// the empty value, for APIs whose failure value is not null (a Windows find
// handle, for one).
template <class Handle, auto Close, Handle (*Invalid)() = &NullHandle<Handle>>
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
    explicit operator bool() const { return handle_ != Invalid(); }

    Handle Release() { return std::exchange(handle_, Invalid()); }
    void Reset(Handle handle = Invalid()) {
        if (handle_ != Invalid()) {
            Close(handle_);
        }
        handle_ = handle;
    }

private:
    Handle handle_ = Invalid();
};
