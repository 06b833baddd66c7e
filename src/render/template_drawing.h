#pragma once

#include "scene/scene.h"
#include "text/input_error.h"

#include <functional>
#include <string>
#include <vector>

namespace exporter {

/// One printable template (a gore, a polar plate, a face).
struct TemplateDrawing
{
    std::string name;    ///< file name without extension, after the window's naming rule
    std::string svgName; ///< SVG file name without extension; empty: `name`
    std::string caption; ///< what it is, for page labels and progress: "gore 3 of 8, north"
    scene::Scene scene;  ///< the template in centimetres, sized as the window's canvas takes it
    std::size_t number = 0, count = 0; ///< its place in the export, from 1, and how many the export makes
    std::string captionJa; ///< the caption in Japanese, for sheets printed from the Japanese window: "舟形 3 / 8・北半球"
};

/// The equinox of the stars' and the sky layers' coordinates, which every template's label names.
inline constexpr const char* kEquinox = "J2000";

/// What the template's label says: its caption and the equinox, "gore 3 of 8, north, J2000".
inline std::string templateTitle(const TemplateDrawing& t) { return t.caption + ", " + kEquinox; }

using TemplateList = std::vector<TemplateDrawing>;

/// Takes each template as soon as it is drawn, in output order.
using TemplateSink = std::function<void(TemplateDrawing&&)>;

/// Work an export does on each template on the thread that drew it, before the sink takes it in
/// order: rendering its file ahead, for example. Called for several templates at once,
/// it only reads what it shares. It throws nothing: what it cannot do it leaves to the sink.
using TemplateFinish = std::function<void(TemplateDrawing&)>;

/// How an export's templates are drawn.
struct DrawingWork
{
    unsigned threads = 0;  ///< threads drawing at once; 0: one a core; 1: all on the calling thread
    TemplateFinish finish; ///< none: the sink takes the templates as drawn
    /// Called once a kit's stars are shared out to its pieces, before any is drawn: from then on
    /// the catalogue's star positions are read no more (its colour indices still are), so the
    /// caller may free them.
    std::function<void()> starsShared;
    /// Above 0: the templates are only rasterised, at this dpi, so a dot wholly beyond its
    /// template may be left out of the scene.
    double rasterDpi = 0.0;
};

/// `name` without its last extension ("a.b.bmp" → "a.b").
std::string stripExtension(const std::string& name);

/// Throws text::InputError saying `reason` of the command-line option `option` as the user
/// typed it: option --radius "abc": "abc" is not a number.
[[noreturn]] void refuseOption(const std::string& option, const std::string& typed, const std::string& reason);

/// As above, the reason and the input `refused` is about taken from it, so that a window can
/// still name its own box (text::InputError::input()).
[[noreturn]] void refuseOption(const std::string& option, const std::string& typed, const text::InputError& refused);

} // namespace exporter
