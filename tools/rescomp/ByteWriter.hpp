#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// Appends little-endian numbers and length-prefixed texts to a byte vector: the binary
// forms of dialog templates and bitmaps.
class ByteWriter {
public:
    explicit ByteWriter(std::vector<unsigned char> & bytes) : m_bytes(bytes) {}

    void U8(unsigned value) { m_bytes.push_back(static_cast<unsigned char>(value & 0xFF)); }
    void U16(unsigned value) {
        U8(value);
        U8(value >> 8);
    }
    void U32(std::uint32_t value) {
        U16(value & 0xFFFF);
        U16(value >> 16);
    }
    void I16(int value) { U16(static_cast<unsigned>(value) & 0xFFFF); }
    // A text: its length in bytes (16 bits), then its bytes, without a terminator.
    void Text(std::string_view text) {
        U16(static_cast<unsigned>(text.size()));
        Bytes(text);
    }
    void Tag(char const (&tag)[5]) { Bytes(std::string_view(tag, 4)); }

private:
    // Byte by byte: a range insert here trips a false overflow warning of GCC 12 at -O2.
    void Bytes(std::string_view bytes) {
        for (char byte : bytes)
            U8(static_cast<unsigned char>(byte));
    }

    std::vector<unsigned char> & m_bytes;
};
