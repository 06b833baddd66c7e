#pragma once

#include <string>

namespace text {

/// A text still written inline in English and in Japanese, each a whole sentence of its own
/// language. The core's messages come from the catalogue (text/message.h); a Text converts to a
/// Message whose Spanish is its English.
struct Text
{
    std::string en; ///< English
    std::string ja; ///< Japanese
};

/// Joins two texts language by language.
inline Text operator+(const Text& a, const Text& b) { return {a.en + b.en, a.ja + b.ja}; }

} // namespace text
