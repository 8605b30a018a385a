// SPDX-License-Identifier: GPL-3.0-or-later
#include "wording/text_echo.h"

namespace triangle::wording {

namespace {

constexpr std::string_view kEllipsis = "…";

unsigned char byteAt(std::string_view text, std::size_t index)
{
    return static_cast<unsigned char>(text[index]);
}

// The length of the well-formed UTF-8 sequence at the start of `text`, or 0
// for a byte that starts none: overlong forms, surrogates and code points
// past U+10FFFF count as malformed.
std::size_t sequenceLength(std::string_view text)
{
    const unsigned char lead = byteAt(text, 0);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : low;
        high = lead == 0xED ? 0x9F : high;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : low;
        high = lead == 0xF4 ? 0x8F : high;
    } else {
        return 0;
    }
    if (text.size() < length || byteAt(text, 1) < low || byteAt(text, 1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byteAt(text, i) < 0x80 || byteAt(text, i) > 0xBF)
            return 0;
    }
    return length;
}

// The C1 controls U+0080 to U+009F, which some terminals obey like escapes.
bool isC1Control(std::string_view sequence)
{
    return sequence.size() == 2 && byteAt(sequence, 0) == 0xC2 && byteAt(sequence, 1) < 0xA0;
}

// One shown character: a letter as it is, or the escapes of its bytes.
struct Piece {
    std::size_t bytes = 1;
    std::size_t width = 1;
    std::string text;
};

std::string escaped(std::string_view bytes)
{
    constexpr std::string_view kHex = "0123456789ABCDEF";
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const unsigned char byte = byteAt(bytes, i);
        text += "\\x";
        text += kHex[byte >> 4U];
        text += kHex[byte & 0xFU];
    }
    return text;
}

Piece pieceAt(std::string_view rest)
{
    const unsigned char byte = byteAt(rest, 0);
    if (byte < 0x80) {
        const bool plain = byte >= 0x20 && byte != 0x7F && byte != '\\';
        return plain ? Piece {1, 1, std::string(1, rest[0])} : Piece {1, 4, escaped(rest.substr(0, 1))};
    }
    const std::size_t length = sequenceLength(rest);
    if (length == 0)
        return {1, 4, escaped(rest.substr(0, 1))};
    const std::string_view sequence = rest.substr(0, length);
    if (isC1Control(sequence))
        return {length, 4 * length, escaped(sequence)};
    return {length, 1, std::string(sequence)};
}

} // namespace

std::string echo(std::string_view text)
{
    std::string shownText;
    std::size_t shown = 0;
    // Where the echo ends when it has to be cut: room is left for the "…".
    std::size_t cut = std::string::npos;
    while (!text.empty()) {
        const Piece piece = pieceAt(text);
        if (cut == std::string::npos && shown + piece.width > kEchoLimit - 1)
            cut = shownText.size();
        if (shown + piece.width > kEchoLimit)
            return shownText.substr(0, cut).append(kEllipsis);
        shownText += piece.text;
        shown += piece.width;
        text.remove_prefix(piece.bytes);
    }
    return shownText;
}

std::string_view trimmed(std::string_view text)
{
    constexpr std::string_view kBlanks = " \t\n\v\f\r";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

} // namespace triangle::wording
