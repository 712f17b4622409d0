#pragma once

#include <string>
#include <string_view>
#include <vector>

// LIKE as the Code database needs it: % for any run of characters, _ for one character,
// letter case ignored for Cyrillic as well as Latin letters. The pattern is compiled
// once into the forms each of its letters may take in the text, and texts are matched
// as UTF-8 bytes without being copied or folded: a search over the whole text of the
// Code runs at the speed of memchr.
namespace Like {

class Pattern {
public:
    // `escape` is one UTF-8 character or empty; it makes the next %, _ or itself literal.
    explicit Pattern(std::string_view pattern, std::string_view escape = {});
    bool matches(std::string_view text) const;
    // True when the pattern is made of % alone: every non-NULL text matches.
    bool matchesEverything() const { return m_everything; }

private:
    struct Unit {
        bool any = false;               // `_`: any one character
        std::vector<std::string> forms; // the letter in each letter case, as UTF-8
    };
    using Segment = std::vector<Unit>;

    static bool matchAt(const Segment &s, std::string_view text, size_t pos, size_t *end);
    static bool find(const Segment &s, std::string_view text, size_t from, size_t *start,
                     size_t *end);
    static bool matchAtEnd(const Segment &s, std::string_view text, size_t from);

    bool m_hasPercent = false;
    Segment m_first;               // must stand at the start of the text
    std::vector<Segment> m_middle; // must follow in order, anywhere
    Segment m_last;                // must stand at the end (the whole text without %)
    bool m_everything = false;
};

bool matches(std::string_view pattern, std::string_view text, std::string_view escape = {});

} // namespace Like
