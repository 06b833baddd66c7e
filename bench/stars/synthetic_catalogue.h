#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace bench_support {

/// A star file of `starCount` stars, the same bytes for the same count and seed: positions
/// uniform on the sphere, magnitudes from −1.46 to 12 with the star count growing tenfold every
/// two magnitudes (many faint, few bright), one "λ,φ,Vmag" line a star, CR LF.
std::string syntheticStarFile(std::size_t starCount, std::uint64_t seed = 20240611);

/// A file of its own in the system temp folder holding `content`, removed with the object.
class TempStarFile
{
public:
    explicit TempStarFile(const std::string& content);
    ~TempStarFile();
    TempStarFile(const TempStarFile&) = delete;
    TempStarFile& operator=(const TempStarFile&) = delete;

    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

} // namespace bench_support
