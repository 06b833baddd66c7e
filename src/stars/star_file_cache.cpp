#include "stars/star_file_cache.h"

#include "text/file_stamp.h"

#include <mutex>
#include <optional>

namespace stars {

std::shared_ptr<const StarCatalogue> ReadStarFileCached(const std::string& StarFileName)
{
    struct Kept
    {
        std::string name;
        text::FileStamp stamp;
        std::shared_ptr<const StarCatalogue> catalogue;
    };
    static std::mutex mutex;
    static std::optional<Kept> kept;

    const std::optional<text::FileStamp> stamp = text::fileStamp(StarFileName);
    {
        const std::lock_guard lock(mutex);
        if (stamp && kept && kept->name == StarFileName && kept->stamp == *stamp)
            return kept->catalogue;
    }
    auto catalogue = std::make_shared<const StarCatalogue>(ReadStarFile(StarFileName));
    // The stamp taken before reading: a file changed while it was read is read again next time.
    const std::lock_guard lock(mutex);
    if (stamp)
        kept = Kept{StarFileName, *stamp, catalogue};
    else
        kept.reset();
    return catalogue;
}

} // namespace stars
