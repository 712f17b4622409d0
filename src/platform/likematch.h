#pragma once

#include <string>
#include <string_view>
#include <vector>

// LIKE as the Code database needs it: % for any run of characters, _ for one character,
// letter case ignored for Cyrillic as well as Latin letters. Works on UTF-8 bytes, so a
// search over the whole text of the Code stays well inside one keystroke.
namespace Like {

// Appends `text` with its letters folded to lower case to `out`. Latin and Cyrillic
// letters keep their byte length, so the common case is a byte-for-byte rewrite.
void foldUtf8(std::string_view text, std::string &out);

class Pattern {
public:
    // `escape` is one UTF-8 character or empty; it makes the next %, _ or itself literal.
    explicit Pattern(std::string_view pattern, std::string_view escape = {});
    // `foldedText` must have been folded with foldUtf8.
    bool matches(std::string_view foldedText) const;
    // True when the pattern is made of % alone: every non-NULL text matches.
    bool matchesEverything() const { return m_everything; }

private:
    struct Segment {
        std::string bytes; // literal bytes, with '\0' standing for one `_`
        bool hasAny = false;
    };
    static bool matchAt(const Segment &s, std::string_view text, size_t pos, size_t *end);
    bool find(const Segment &s, std::string_view text, size_t from, size_t *start,
              size_t *end) const;

    bool m_hasPercent = false;
    Segment m_first;                // must stand at the start of the text
    std::vector<Segment> m_middle;  // must follow in order, anywhere
    Segment m_last;                 // must stand at the end (the whole text without %)
    bool m_everything = false;
};

// Convenience for tests and callers that do not keep the pattern.
bool matches(std::string_view pattern, std::string_view text, std::string_view escape = {});

} // namespace Like
