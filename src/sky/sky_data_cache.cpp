#include "sky/sky_data_cache.h"

#include "text/file_stamp.h"

#include <array>
#include <filesystem>
#include <mutex>
#include <optional>

namespace sky {

namespace {

constexpr std::array<const char*, 4> kFiles = {kConstellationLinesFile, kConstellationNamesFile,
                                               kConstellationBoundsFile, kStarNamesFile};

/// Which files a load reads, and the state each of them was in.
struct SkyFilesState
{
    std::string folder;
    std::array<bool, kFiles.size()> read{};
    std::array<std::optional<text::FileStamp>, kFiles.size()> stamps{};
    friend bool operator==(const SkyFilesState&, const SkyFilesState&) = default;
};

SkyFilesState stateOf(const std::string& folder, const SkyLayerOptions& o)
{
    SkyFilesState s{folder, {o.figures || o.names, o.names, o.boundaries, o.starNameLimit.has_value()}, {}};
    for (std::size_t i = 0; i < kFiles.size(); ++i)
        if (s.read[i])
            s.stamps[i] = text::fileStamp(std::filesystem::path(folder) / kFiles[i]);
    return s;
}

} // namespace

std::shared_ptr<const SkyData> loadSkyDataCached(const std::string& folder, const SkyLayerOptions& options)
{
    static std::mutex mutex;
    static std::optional<std::pair<SkyFilesState, std::shared_ptr<const SkyData>>> kept;
    const SkyFilesState state = stateOf(folder, options);
    {
        const std::lock_guard lock(mutex);
        if (kept && kept->first == state)
            return kept->second;
    }
    auto data = std::make_shared<const SkyData>(loadSkyData(folder, options));
    const std::lock_guard lock(mutex);
    kept.emplace(state, data);
    return data;
}

} // namespace sky
