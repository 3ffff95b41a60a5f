#pragma once

#include <cstddef>
#include <cstdint>

namespace orbilunex {

// A fixed ring of bytes: what does not fit is not stored (nothing already
// queued is overwritten). Positions and fill are 16-bit, so N is at most 65535.
template <std::size_t N>
class ByteRing {
    static_assert(N > 0 && N <= 65535, "positions are 16-bit");

public:
    std::size_t size() const { return fill; }
    std::size_t room() const { return N - fill; }
    bool empty() const { return fill == 0; }
    static constexpr std::size_t capacity() { return N; }

    // Appends up to count bytes; returns how many were stored.
    std::size_t push(const char* bytes, std::size_t count)
    {
        std::size_t n = 0;
        for (; n < count && fill < N; ++n) {
            data[writePos] = bytes[n];
            writePos = static_cast<std::uint16_t>((writePos + 1) % N);
            ++fill;
        }
        return n;
    }

    // Takes up to maximum bytes, oldest first; returns how many.
    std::size_t pop(char* out, std::size_t maximum)
    {
        std::size_t n = 0;
        for (; n < maximum && fill > 0; ++n) {
            out[n] = data[readPos];
            readPos = static_cast<std::uint16_t>((readPos + 1) % N);
            --fill;
        }
        return n;
    }

    void clear()
    {
        readPos = 0;
        writePos = 0;
        fill = 0;
    }

private:
    char data[N];
    std::uint16_t readPos = 0;
    std::uint16_t writePos = 0;
    std::uint16_t fill = 0;
};

} // namespace orbilunex
