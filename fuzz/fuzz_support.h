#pragma once
// What the fuzz entries share: a failed property aborts with a message (NDEBUG builds drop
// assert), and a reader that takes typed values off the front of the input.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#define FUZZ_CHECK(condition, what)                                                     \
    do {                                                                                \
        if (!(condition)) ::velantra::fuzz::fail(__FILE__, __LINE__, #condition, what); \
    } while (false)

namespace velantra::fuzz {

[[noreturn]] inline void fail(const char* file, int line, const char* condition,
                              const std::string& what) {
    std::fprintf(stderr, "%s:%d: property failed: %s\n  %s\n", file, line, condition, what.c_str());
    std::abort();
}

// A double in full, for a failure message.
inline std::string show(double v) {
    char b[64];
    std::snprintf(b, sizeof b, "%.17g", v);
    return b;
}

// Bytes taken in order; past the end every read gives zeros, so any input is complete.
class Reader {
  public:
    Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool empty() const { return at_ >= size_; }
    std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
    template <class T>
    T raw() {
        unsigned char bytes[sizeof(T)] = {};
        for (auto& b : bytes) b = byte();
        T value;
        std::memcpy(&value, bytes, sizeof value);
        return value;
    }
    // A length byte, then up to that many characters.
    std::string_view text(std::size_t max_length) {
        const std::size_t wanted = byte() % (max_length + 1);
        const std::size_t length = wanted < size_ - at_ ? wanted : size_ - at_;
        const std::string_view t(reinterpret_cast<const char*>(data_ + at_),
                                 at_ < size_ ? length : 0);
        at_ += t.size();
        return t;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

}  // namespace velantra::fuzz
