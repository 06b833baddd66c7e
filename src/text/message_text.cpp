#include "text/message_text.h"

#include <cerrno>
#include <cstring>

namespace text {

namespace {

/// Length of the well-formed UTF-8 sequence starting `s` (no overlong forms, no surrogates,
/// nothing above U+10FFFF) and its code point; length 0 when the bytes are not one.
struct Decoded
{
    std::size_t length = 0;
    char32_t codePoint = 0;
};

Decoded decodeOne(std::string_view s)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return {1, lead};
    std::size_t length = 0;
    char32_t cp = 0, least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, cp = lead & 0x1Fu, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, cp = lead & 0x0Fu, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, cp = lead & 0x07u, least = 0x10000;
    } else {
        return {};
    }
    if (s.size() < length)
        return {};
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return {};
        cp = (cp << 6) | (byte(i) & 0x3Fu);
    }
    if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return {};
    return {length, cp};
}

/// Characters that could move the cursor, recolour the terminal or reorder the message.
bool unsafeToShow(char32_t cp)
{
    return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F) || cp == 0x200E || cp == 0x200F || (cp >= 0x2028 && cp <= 0x202E)
           || (cp >= 0x2066 && cp <= 0x2069);
}

void appendByteEscape(std::string& out, unsigned char b)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    out += "\\x";
    out += kHex[b >> 4];
    out += kHex[b & 0x0F];
}

/// Appends the escaped form of `s` to `out`; stops after `maxCharacters` characters and
/// returns how many bytes of `s` were taken.
std::size_t appendEscaped(std::string& out, std::string_view s, std::size_t maxCharacters)
{
    std::size_t pos = 0;
    for (std::size_t characters = 0; pos < s.size() && characters < maxCharacters; ++characters) {
        const Decoded d = decodeOne(s.substr(pos));
        if (d.length == 0) {
            appendByteEscape(out, static_cast<unsigned char>(s[pos]));
            ++pos;
            continue;
        }
        if (d.codePoint == U'\\')
            out += "\\\\";
        else if (unsafeToShow(d.codePoint))
            for (std::size_t i = 0; i < d.length; ++i)
                appendByteEscape(out, static_cast<unsigned char>(s[pos + i]));
        else
            out.append(s.substr(pos, d.length));
        pos += d.length;
    }
    return pos;
}

} // namespace

std::string escapedForMessage(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    appendEscaped(out, text, text.size());
    return out;
}

std::string quotedForMessage(std::string_view text)
{
    constexpr std::size_t kShownCharacters = 40;
    std::string out = "\"";
    const std::size_t taken = appendEscaped(out, text, kShownCharacters);
    if (taken == text.size())
        return out + "\"";
    return out + "...\" (" + std::to_string(text.size()) + " bytes in all)";
}

Message systemErrorText(int errorNumber)
{
    switch (errorNumber) {
    case ENOENT: return MessageId::SystemNoEntry;
    case EACCES: return MessageId::SystemAccess;
    case EPERM: return MessageId::SystemPermission;
    case EISDIR: return MessageId::SystemIsFolder;
    case ENOTDIR: return MessageId::SystemNotFolder;
    case ENAMETOOLONG: return MessageId::SystemNameTooLong;
    case ELOOP: return MessageId::SystemLinkLoop;
    case ENOSPC: return MessageId::SystemNoSpace;
    case EDQUOT: return MessageId::SystemQuota;
    case EROFS: return MessageId::SystemReadOnly;
    case EIO: return MessageId::SystemInputOutput;
    case EMFILE: return MessageId::SystemTooManyOpen;
    case ENFILE: return MessageId::SystemTooManyOpenInSystem;
    case ENOMEM: return MessageId::SystemNoMemory;
    case EBUSY: return MessageId::SystemBusy;
    case ETXTBSY: return MessageId::SystemTextBusy;
    case EFBIG: return MessageId::SystemFileTooLarge;
    default: break;
    }
    return Message(MessageId::SystemOther, {errorNumber, std::string_view(std::strerror(errorNumber))});
}

} // namespace text
