// ASCII letters in either case, whatever the locale: file-name extensions
// and the keywords of text formats match in any case, as their programs
// wrote them on DOS and Windows.
#pragma once

#include <algorithm>
#include <string_view>

namespace relwiz {

inline char ascii_lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline char ascii_upper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

inline bool equals_ignoring_case(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, {}, ascii_lower, ascii_lower);
}

inline bool ends_with_ignoring_case(std::string_view text, std::string_view end)
{
    return text.size() >= end.size() && equals_ignoring_case(text.substr(text.size() - end.size()), end);
}

}  // namespace relwiz
