#pragma once

namespace text {

/// The languages the core's messages are written in. The command line speaks English; the
/// window its interface language.
enum class Language { English, Japanese, Spanish };

} // namespace text
