#ifndef FUZZINPUT_H
#define FUZZINPUT_H

#include <cstddef>
#include <cstdint>
#include <string>

// Splits one fuzz input into the parts a target needs: single bytes for
// choices and small numbers, length-prefixed texts, and the rest. Reading past
// the end gives zeros and empty texts, so every input is usable. The seed
// recorder writes inputs in the same form with the append functions.
class FuzzInput
{
public:
    FuzzInput(const std::uint8_t *data, std::size_t size)
        : m_data(data)
        , m_size(size)
    {
    }

    std::uint8_t byte() { return m_offset < m_size ? m_data[m_offset++] : 0; }

    // A text of at most 65535 bytes behind a two-byte length.
    std::string text()
    {
        // Two statements: the operands of one expression may be read in
        // either order, and the high byte comes first.
        const std::size_t high = byte();
        const std::size_t low = byte();
        return take(high << 8 | low);
    }

    std::string rest() { return take(m_size - m_offset); }

    static void appendByte(std::string &input, std::uint8_t value) { input.push_back(char(value)); }

    static void appendText(std::string &input, const std::string &text)
    {
        const std::size_t length = text.size() < 0xFFFF ? text.size() : 0xFFFF;
        appendByte(input, std::uint8_t(length >> 8));
        appendByte(input, std::uint8_t(length));
        input.append(text, 0, length);
    }

private:
    std::string take(std::size_t length)
    {
        const std::size_t available = m_size - m_offset;
        const std::size_t taken = length < available ? length : available;
        std::string part(reinterpret_cast<const char *>(m_data + m_offset), taken);
        m_offset += taken;
        return part;
    }

    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_offset = 0;
};

#endif // FUZZINPUT_H
