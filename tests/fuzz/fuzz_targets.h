#pragma once

#include <string_view>

/// The entry points the fuzzers and the corpus replay share: each reads `bytes` as one kind of
/// data file, accepts a refusal (text::InputError) and aborts on anything else that is wrong —
/// another exception, a table that breaks its limits, a message that is unsafe to print.
namespace fuzz {

/// The bytes as a star file.
void starFile(std::string_view bytes);
/// The bytes as a vertex file of a polyhedron model.
void vertexFile(std::string_view bytes);
/// The bytes as a face file of a polyhedron model.
void faceFile(std::string_view bytes);
/// The bytes as a vertex file, a line "---", then a face file: every face's outline drawn,
/// centred on the face's own centre, with corner marks and edges.
void faceOutline(std::string_view bytes);
/// The bytes as the arguments of orbweave-export, split at NUL bytes: the options parsed, and
/// the values read before any drawing (the kit's tabs and bleed, the bitmap resolution).
void commandLine(std::string_view bytes);

/// Aborts unless `message` can go to a terminal as it stands: valid UTF-8, no control bytes.
void requireSafeText(std::string_view message);

} // namespace fuzz
