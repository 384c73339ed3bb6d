// Checked 16-bit arithmetic and bounds-checked fixed arrays.
// Every integer on the match state is a signed 16-bit value; a result that
// does not fit, or an index outside an array, raises hovla::Error.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace hovla {

// An error no handler catches: the game shows it and ends.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void raiseOverflow(const char* operation, long value, int bits = 16);
[[noreturn]] void raiseSubscript(const char* array, long index, long upper);
[[noreturn]] void raiseSubscript(const char* array, long i, long j, long upperI, long upperJ);

// Fits a wider result back into 16 bits or raises, naming the operation.
inline int16_t to16(long value, const char* operation)
{
    if (value < INT16_MIN || value > INT16_MAX)
        raiseOverflow(operation, value);
    return static_cast<int16_t>(value);
}

// The same for an unsigned byte (the sound's volume and pan).
inline uint8_t toByte(long value, const char* operation)
{
    if (value < 0 || value > UINT8_MAX)
        raiseOverflow(operation, value, 8);
    return static_cast<uint8_t>(value);
}

inline int16_t add16(int16_t a, long b, const char* operation)
{
    return to16(static_cast<long>(a) + b, operation);
}

inline int16_t mul16(int16_t a, long b, const char* operation)
{
    return to16(static_cast<long>(a) * b, operation);
}

// A fixed array with lower bound 0 whose subscripts are checked, (i) and (i, j)
// like the variables it stands for.
template <typename T, std::size_t N>
class Arr {
public:
    explicit Arr(const char* name = "array") : name_(name) {}
    T& operator()(long i) { return items_[check(i)]; }
    const T& operator()(long i) const { return items_[check(i)]; }
    static constexpr std::size_t size() { return N; }
    bool operator==(const Arr& o) const { return items_ == o.items_; }
    const char* name() const { return name_; }

private:
    std::size_t check(long i) const
    {
        if (i < 0 || i >= static_cast<long>(N))
            raiseSubscript(name_, i, static_cast<long>(N) - 1);
        return static_cast<std::size_t>(i);
    }
    const char* name_;
    std::array<T, N> items_{};
};

template <typename T, std::size_t N, std::size_t M>
class Arr2 {
public:
    explicit Arr2(const char* name = "array") : name_(name) {}
    T& operator()(long i, long j) { return items_[index(i, j)]; }
    const T& operator()(long i, long j) const { return items_[index(i, j)]; }
    bool operator==(const Arr2& o) const { return items_ == o.items_; }
    const char* name() const { return name_; }

private:
    std::size_t index(long i, long j) const
    {
        if (i < 0 || i >= static_cast<long>(N) || j < 0 || j >= static_cast<long>(M))
            raiseSubscript(name_, i, j, static_cast<long>(N) - 1, static_cast<long>(M) - 1);
        return static_cast<std::size_t>(i) * M + static_cast<std::size_t>(j);
    }
    const char* name_;
    std::array<T, N * M> items_{};
};

} // namespace hovla
