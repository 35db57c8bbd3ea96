#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

// Cuts one fuzz input into the values a target needs. Every piece is
// optional: an input that runs out yields zeros and empty texts, so every
// byte string is a valid input.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t TakeByte() { return at_ < size_ ? data_[at_++] : 0; }

    std::int32_t TakeInt32() {
        std::uint32_t bits = 0;
        for (int shift = 0; shift < 32; shift += 8) {
            bits |= static_cast<std::uint32_t>(TakeByte()) << shift;
        }
        return static_cast<std::int32_t>(bits);
    }

    // A 16-bit little-endian length, then that many bytes (fewer at the end).
    // The two bytes are taken in separate statements: the order in which
    // the operands of one expression run is the compiler's choice, and the
    // corpus must mean the same to clang and gcc.
    std::string TakeSized() {
        const std::size_t low = TakeByte();
        const std::size_t high = TakeByte();
        return Take(low | high << 8);
    }

    // The bytes up to the separator, which is consumed and not returned.
    std::string TakeUntil(char separator) {
        std::string piece;
        while (at_ < size_) {
            const char c = static_cast<char>(data_[at_++]);
            if (c == separator) {
                break;
            }
            piece.push_back(c);
        }
        return piece;
    }

    std::string TakeRest() { return Take(size_ - at_); }

    bool Empty() const { return at_ == size_; }

private:
    std::string Take(std::size_t count) {
        const std::size_t taken = count < size_ - at_ ? count : size_ - at_;
        std::string piece(reinterpret_cast<const char*>(data_ + at_), taken);
        at_ += taken;
        return piece;
    }

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

}  // namespace fuzz
