#pragma once

namespace exporter {

/// Clears the upper halves of the AVX vector registers, on a processor that has them. Qt's
/// start-up and raster code leave them in use, and until they are cleared the maths library's
/// SSE code waits on them at every instruction: tan, atan and pow ran about 25 times slower after
/// a QGuiApplication was made. Cheap; call it on each thread before drawing after Qt has run there.
void settleVectorUnit();

} // namespace exporter
