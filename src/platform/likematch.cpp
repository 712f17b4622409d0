#include "likematch.h"

#include <QChar>

#include <cstring>

namespace Like {
namespace {

size_t utf8Length(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 1; // a stray continuation byte counts as a character of its own
}

char32_t decode(std::string_view s, size_t pos, size_t len)
{
    const auto b = [&](size_t i) { return char32_t(static_cast<unsigned char>(s[pos + i])); };
    switch (len) {
    case 2: return ((b(0) & 0x1F) << 6) | (b(1) & 0x3F);
    case 3: return ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
    case 4:
        return ((b(0) & 0x07) << 18) | ((b(1) & 0x3F) << 12) | ((b(2) & 0x3F) << 6) |
               (b(3) & 0x3F);
    default: return b(0);
    }
}

void encode(char32_t c, std::string &out)
{
    if (c < 0x80) {
        out.push_back(char(c));
    } else if (c < 0x800) {
        out.push_back(char(0xC0 | (c >> 6)));
        out.push_back(char(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(char(0xE0 | (c >> 12)));
        out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(char(0x80 | (c & 0x3F)));
    } else {
        out.push_back(char(0xF0 | (c >> 18)));
        out.push_back(char(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(char(0x80 | (c & 0x3F)));
    }
}

} // namespace

void foldUtf8(std::string_view text, std::string &out)
{
    out.reserve(out.size() + text.size());
    const size_t n = text.size();
    size_t i = 0;
    while (i < n) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            out.push_back((c >= 'A' && c <= 'Z') ? char(c + 32) : char(c));
            ++i;
            continue;
        }
        const size_t len = utf8Length(c);
        if (i + len > n) { // truncated sequence: keep the bytes as they are
            out.append(text.substr(i));
            break;
        }
        if (len == 2 && c == 0xD0) {
            // Cyrillic capitals U+0400..U+042F: the byte length is kept.
            const auto c2 = static_cast<unsigned char>(text[i + 1]);
            if (c2 >= 0x90 && c2 <= 0x9F) {        // А..П -> а..п
                out.push_back(char(0xD0));
                out.push_back(char(c2 + 0x20));
            } else if (c2 >= 0xA0 && c2 <= 0xAF) { // Р..Я -> р..я
                out.push_back(char(0xD1));
                out.push_back(char(c2 - 0x20));
            } else if (c2 >= 0x80 && c2 <= 0x8F) { // Ѐ..Џ (Ё among them) -> ѐ..џ
                out.push_back(char(0xD1));
                out.push_back(char(c2 + 0x10));
            } else {
                out.append(text.substr(i, 2));
            }
        } else if (len == 2 && c == 0xD1) {
            out.append(text.substr(i, 2)); // already lower case
        } else {
            const char32_t cp = decode(text, i, len);
            encode(QChar::toCaseFolded(cp), out);
        }
        i += len;
    }
}

Pattern::Pattern(std::string_view pattern, std::string_view escape)
{
    std::string folded;
    foldUtf8(pattern, folded);
    std::string foldedEscape;
    foldUtf8(escape, foldedEscape);

    std::vector<Segment> segments(1);
    size_t i = 0;
    while (i < folded.size()) {
        const size_t len = std::min(utf8Length(static_cast<unsigned char>(folded[i])),
                                    folded.size() - i);
        const std::string_view ch(folded.data() + i, len);
        i += len;
        if (!foldedEscape.empty() && ch == foldedEscape && i < folded.size()) {
            const size_t next = std::min(utf8Length(static_cast<unsigned char>(folded[i])),
                                         folded.size() - i);
            segments.back().bytes.append(folded, i, next);
            i += next;
        } else if (ch == "%") {
            segments.emplace_back();
        } else if (ch == "_") {
            segments.back().bytes.push_back('\0');
            segments.back().hasAny = true;
        } else {
            segments.back().bytes.append(ch);
        }
    }

    m_hasPercent = segments.size() > 1;
    if (!m_hasPercent) {
        m_last = std::move(segments.front());
        return;
    }
    m_first = std::move(segments.front());
    m_last = std::move(segments.back());
    for (size_t k = 1; k + 1 < segments.size(); ++k)
        if (!segments[k].bytes.empty())
            m_middle.push_back(std::move(segments[k]));
    m_everything = m_first.bytes.empty() && m_last.bytes.empty() && m_middle.empty();
}

bool Pattern::matchAt(const Segment &s, std::string_view text, size_t pos, size_t *end)
{
    if (!s.hasAny) {
        if (text.size() - pos < s.bytes.size() ||
            std::memcmp(text.data() + pos, s.bytes.data(), s.bytes.size()) != 0)
            return false;
        *end = pos + s.bytes.size();
        return true;
    }
    size_t t = pos;
    for (char b : s.bytes) {
        if (t >= text.size())
            return false;
        if (b == '\0') {
            t += utf8Length(static_cast<unsigned char>(text[t]));
            if (t > text.size())
                return false;
        } else if (text[t] == b) {
            ++t;
        } else {
            return false;
        }
    }
    *end = t;
    return true;
}

bool Pattern::find(const Segment &s, std::string_view text, size_t from, size_t *start,
                   size_t *end) const
{
    if (!s.hasAny) {
        if (from > text.size())
            return false;
        const void *hit = memmem(text.data() + from, text.size() - from, s.bytes.data(),
                                 s.bytes.size());
        if (!hit)
            return false;
        *start = size_t(static_cast<const char *>(hit) - text.data());
        *end = *start + s.bytes.size();
        return true;
    }
    for (size_t p = from; p < text.size(); p += utf8Length(static_cast<unsigned char>(text[p]))) {
        if (matchAt(s, text, p, end)) {
            *start = p;
            return true;
        }
    }
    return false;
}

bool Pattern::matches(std::string_view text) const
{
    if (m_everything)
        return true;
    size_t end = 0;
    if (!m_hasPercent)
        return matchAt(m_last, text, 0, &end) && end == text.size();

    size_t pos = 0;
    if (!m_first.bytes.empty()) {
        if (!matchAt(m_first, text, 0, &end))
            return false;
        pos = end;
    }
    // Taking the leftmost place of each middle piece leaves the most room for the rest.
    for (const Segment &s : m_middle) {
        size_t start = 0;
        if (!find(s, text, pos, &start, &end))
            return false;
        pos = end;
    }
    if (m_last.bytes.empty())
        return true;
    if (!m_last.hasAny)
        return text.size() >= pos + m_last.bytes.size() &&
               matchAt(m_last, text, text.size() - m_last.bytes.size(), &end);
    for (size_t p = pos; p < text.size(); p += utf8Length(static_cast<unsigned char>(text[p])))
        if (matchAt(m_last, text, p, &end) && end == text.size())
            return true;
    return false;
}

bool matches(std::string_view pattern, std::string_view text, std::string_view escape)
{
    std::string folded;
    foldUtf8(text, folded);
    return Pattern(pattern, escape).matches(folded);
}

} // namespace Like
