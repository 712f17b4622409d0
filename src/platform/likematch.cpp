#include "likematch.h"

#include <QChar>

#include <algorithm>
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

size_t charLength(std::string_view s, size_t pos)
{
    return std::min(utf8Length(static_cast<unsigned char>(s[pos])), s.size() - pos);
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

std::string encode(char32_t c)
{
    std::string out;
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
    return out;
}

// The letter as typed and in every case the text may hold it.
std::vector<std::string> formsOf(std::string_view typed, char32_t c)
{
    const char32_t folded = QChar::toCaseFolded(c);
    std::vector<std::string> forms{std::string(typed)};
    for (char32_t v : {folded, QChar::toLower(c), QChar::toUpper(c), QChar::toUpper(folded)}) {
        std::string e = encode(v);
        if (std::find(forms.begin(), forms.end(), e) == forms.end())
            forms.push_back(std::move(e));
    }
    return forms;
}

bool startsWith(std::string_view text, size_t pos, const std::string &form)
{
    return text.size() - pos >= form.size() &&
           std::memcmp(text.data() + pos, form.data(), form.size()) == 0;
}

} // namespace

Pattern::Pattern(std::string_view pattern, std::string_view escape)
{
    const char32_t escapeChar =
        escape.empty() ? char32_t(-1) : decode(escape, 0, charLength(escape, 0));
    std::vector<Segment> segments(1);
    size_t i = 0;
    while (i < pattern.size()) {
        size_t len = charLength(pattern, i);
        char32_t c = decode(pattern, i, len);
        if (c == escapeChar && i + len < pattern.size()) {
            i += len;
            len = charLength(pattern, i);
            c = decode(pattern, i, len);
        } else if (c == U'%') {
            segments.emplace_back();
            i += len;
            continue;
        } else if (c == U'_') {
            segments.back().push_back(Unit{true, {}});
            i += len;
            continue;
        }
        segments.back().push_back(Unit{false, formsOf(pattern.substr(i, len), c)});
        i += len;
    }

    m_hasPercent = segments.size() > 1;
    if (!m_hasPercent) {
        m_last = std::move(segments.front());
        return;
    }
    m_first = std::move(segments.front());
    m_last = std::move(segments.back());
    for (size_t k = 1; k + 1 < segments.size(); ++k)
        if (!segments[k].empty())
            m_middle.push_back(std::move(segments[k]));
    m_everything = m_first.empty() && m_last.empty() && m_middle.empty();
}

bool Pattern::matchAt(const Segment &s, std::string_view text, size_t pos, size_t *end)
{
    size_t t = pos;
    for (const Unit &u : s) {
        if (t >= text.size())
            return false;
        if (u.any) {
            t += charLength(text, t);
            continue;
        }
        const auto hit = std::find_if(u.forms.begin(), u.forms.end(),
                                      [&](const std::string &f) { return startsWith(text, t, f); });
        if (hit == u.forms.end())
            return false;
        t += hit->size();
    }
    *end = t;
    return true;
}

bool Pattern::find(const Segment &s, std::string_view text, size_t from, size_t *start,
                   size_t *end)
{
    if (s.front().any) { // rare: try every character start
        for (size_t p = from; p < text.size(); p += charLength(text, p))
            if (matchAt(s, text, p, end)) {
                *start = p;
                return true;
            }
        return false;
    }
    // Candidates are found by the last byte of each form of the first letter, which
    // for Cyrillic is the byte that tells the letters apart.
    size_t best = std::string_view::npos;
    size_t bestEnd = 0;
    for (const std::string &form : s.front().forms) {
        const char last = form.back();
        size_t p = from + form.size() - 1;
        while (p < text.size() && p - (form.size() - 1) < best) {
            const void *hit = std::memchr(text.data() + p, last, text.size() - p);
            if (!hit)
                break;
            p = size_t(static_cast<const char *>(hit) - text.data());
            const size_t candidate = p - (form.size() - 1);
            if (candidate >= best)
                break;
            size_t e = 0;
            if (startsWith(text, candidate, form) && matchAt(s, text, candidate, &e)) {
                best = candidate;
                bestEnd = e;
                break;
            }
            ++p;
        }
    }
    if (best == std::string_view::npos)
        return false;
    *start = best;
    *end = bestEnd;
    return true;
}

bool Pattern::matchAtEnd(const Segment &s, std::string_view text, size_t from)
{
    // Only starts within the segment's possible byte lengths of the end can fit.
    size_t longest = 0;
    for (const Unit &u : s) {
        size_t l = 4;
        if (!u.any) {
            l = 0;
            for (const std::string &f : u.forms)
                l = std::max(l, f.size());
        }
        longest += l;
    }
    size_t p = text.size() > longest ? text.size() - longest : 0;
    p = std::max(p, from);
    for (; p <= text.size(); ++p) {
        if (p < text.size() && (static_cast<unsigned char>(text[p]) & 0xC0) == 0x80)
            continue; // not the start of a character
        size_t e = 0;
        if (matchAt(s, text, p, &e) && e == text.size())
            return true;
    }
    return false;
}

bool Pattern::matches(std::string_view text) const
{
    if (m_everything)
        return true;
    size_t end = 0;
    if (!m_hasPercent)
        return m_last.empty() ? text.empty() : matchAt(m_last, text, 0, &end) && end == text.size();

    size_t pos = 0;
    if (!m_first.empty()) {
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
    return m_last.empty() || matchAtEnd(m_last, text, pos);
}

bool matches(std::string_view pattern, std::string_view text, std::string_view escape)
{
    return Pattern(pattern, escape).matches(text);
}

} // namespace Like
