#pragma once

#include <string>

namespace text {

/// A text the program shows in either of its two interface languages: the same message written
/// once in English and once in Japanese, each a whole sentence of its own language. File names,
/// numbers and quoted values stand in both alike.
struct Text
{
    std::string en; ///< English
    std::string ja; ///< Japanese
};

/// Joins two texts language by language.
inline Text operator+(const Text& a, const Text& b) { return {a.en + b.en, a.ja + b.ja}; }

/// `piece` as it stands in both languages: a file name, a number, a quoted value.
inline Text verbatim(const std::string& piece) { return {piece, piece}; }

} // namespace text
