#include "bench/SayingsFiles.h"

#include <cstdio>
#include <string_view>

namespace jestrel::bench
{

namespace
{

constexpr std::size_t kTextBytes = kLineBytes - 2;
constexpr std::string_view kPlain = "A bullseye is just a target that has been practising. ";

// What each line starts with after its number, at most kTextBytes - 6 bytes; the rest is plain text.
std::string_view opening(TextKind kind)
{
    switch (kind) {
    case TextKind::Ascii:
        return "";
    case TextKind::Utf8:
        return "\u201cCaf\u00e9\u201d \u2014 ";
    case TextKind::Windows1252:
        return "\x93"
               "Caf\xe9\x94 \x97 ";
    case TextKind::Utf8Dense:
        return "Caf\u00e9 na\u00efve \u2014 \u201cquoted\u201d for \u20ac5, d\u00e9j\u00e0 vu. "
               "Caf\u00e9 na\u00efve \u2014 \u201cq";
    }
    return {};
}

std::string line(TextKind kind, std::size_t number)
{
    char label[16];
    std::snprintf(label, sizeof label, "%05zu ", number);
    std::string text = std::string(label) + std::string(opening(kind));
    for (std::size_t i = 0; text.size() < kTextBytes; i = (i + 1) % kPlain.size())
        text += kPlain[i];
    return text + "\r\n";
}

} // namespace

std::string sayingsFile(TextKind kind, int count, std::size_t extraLines)
{
    std::string bytes = std::to_string(count) + "\r\n";
    const auto sayings = static_cast<std::size_t>(count - 1);
    bytes.reserve(bytes.size() + (sayings + extraLines) * kLineBytes);
    for (std::size_t number = 1; number <= sayings; ++number)
        bytes += line(kind, number);
    const std::string unread = line(kind, 0);
    for (std::size_t i = 0; i < extraLines; ++i)
        bytes += unread;
    return bytes;
}

} // namespace jestrel::bench
