#include "platform/cp1251.h"

#include <array>

namespace {

// The characters of the bytes 0x80 to 0xFF.
constexpr std::array<char16_t, 128> kHigh = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // B8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, // C0
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, // C8
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, // D0
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F, // D8
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, // E0
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, // E8
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447, // F0
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F, // F8
};

// The byte of a character, 0 when it has none (U+0000 itself is handled before).
// All of the high characters lie below U+2200, so a table of that size finds each in
// one step.
class Reverse {
public:
    Reverse()
    {
        m_bytes.fill(0);
        for (int i = 0; i < 128; ++i)
            m_bytes[kHigh[i]] = static_cast<unsigned char>(0x80 + i);
    }
    unsigned char byteOf(char16_t c) const
    {
        if (c < 0x80)
            return static_cast<unsigned char>(c);
        return c < m_bytes.size() ? m_bytes[c] : 0;
    }

private:
    std::array<unsigned char, 0x2200> m_bytes;
};

const Reverse &reverse()
{
    static const Reverse table;
    return table;
}

bool fits(char16_t c)
{
    return c < 0x80 || reverse().byteOf(c) != 0;
}

} // namespace

namespace Cp1251 {

QString decode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        *out++ = QChar(u < 0x80 ? char16_t(u) : kHigh[u - 0x80]);
    }
    return text;
}

bool canEncode(QStringView text)
{
    for (const QChar c : text) {
        if (!fits(c.unicode()))
            return false;
    }
    return true;
}

QByteArray encode(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        *out++ = fits(u) ? static_cast<char>(reverse().byteOf(u)) : '?';
    }
    return bytes;
}

} // namespace Cp1251
