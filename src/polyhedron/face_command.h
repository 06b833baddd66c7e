#pragma once

#include "canvas/drawing_canvas.h"
#include "kit/kit_style.h"
#include "polyhedron/face_spec.h"
#include "polyhedron/face_parameters.h"
#include "polyhedron/face_sky.h"
#include "polyhedron/polyhedron_model.h"
#include "scene/scene.h"
#include "stars/star_catalogue.h"
#include "stars/star_index.h"
#include "text/input_error.h"

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace polyhedron {

/// What the face Draw needs of the windows; the main window implements it.
class FaceWindow
{
public:
    virtual ~FaceWindow() = default;
    /// Canvas of the polyhedron window, opening the window hidden when it is not open.
    virtual canvas::DrawingCanvas& faceCanvas() = 0;
    /// Shows the polyhedron window.
    virtual void showFaceWindow() = 0;
    /// Sets the caption of the main window's label of the dot radius of a magnitude-1 star.
    virtual void setMagnitudeOneRadius(const std::string& caption) = 0;
    /// The sky layers to draw under the stars, with their data; none unless the window asks.
    /// Throws text::InputError naming the file when the data cannot be read.
    virtual sky::SkyRequest skyLayers() { return {}; }
};

/// Title of the face Draw's messages.
inline constexpr const char* kFaceMessageTitle = "Orbweave 2008 ver 1.0";

/// A message for the user after a face Draw.
struct FaceMessage
{
    enum class Kind {
        Refused,      ///< nothing was drawn, no window, label, canvas or file touched
        SvgNotWritten ///< the face was drawn, but its SVG file could not be written
    };
    Kind kind = Kind::Refused;
    std::string text; ///< in English, naming the box by its Japanese caption
    std::string title = kFaceMessageTitle;
    /// Why, for a window that words it in its own language: the refusal, or why the SVG file
    /// was not written.
    std::optional<text::InputError> refusal = std::nullopt;
};

/// What a face drawing shows besides its stars.
struct FaceOutline
{
    int faceNumber = 1;   ///< the face whose corners are drawn
    bool corners = false; ///< red corner marks (a one-pixel mark when off but edges are on)
    bool edges = false;   ///< red edges
};

/// The face drawing as a scene on a canvas of `side` cm a side (as the canvas took it): layer
/// stars (the stars within the projection range, in file order), then with `outline` layer
/// outline (each corner mark followed by the edges drawn from it); the layers `sky` asks for
/// go under the stars. Throws text::InputError naming the input at fault.
scene::Scene buildFaceScene(const FaceParameters& p, const std::optional<FaceOutline>& outline,
                            const PolyhedronModel& model, const stars::StarCatalogue& catalogue,
                            const std::string& starFileName, float side, const FaceSky& sky = {});

/// As above, visiting only the stars `index` finds near the tangent point: the same scene, the
/// same refusals. `index` holds `catalogue`'s stars brighter than p.faintestMagnitude.
scene::Scene buildFaceScene(const FaceParameters& p, const std::optional<FaceOutline>& outline,
                            const PolyhedronModel& model, const stars::StarCatalogue& catalogue,
                            const stars::SkyIndex& index, const std::string& starFileName, float side,
                            const FaceSky& sky = {});

/// The cut outline of face `face` of `model` on a drawing of `side` cm a side: its corners in
/// outline order, placed as the drawing places them. Throws text::InputError as buildFaceScene.
std::vector<scene::Point> faceCutOutline(const FaceParameters& p, const PolyhedronModel& model, int face, float side);

/// How an exported face is finished as a piece of a kit.
struct FaceKit
{
    kit::KitStyle style;
    int faceNumber = 1; ///< the face cut out, whatever `FaceOutline` draws
};

/// The face drawing finished as `kit` says: the drawing above, with only the stars on the face,
/// its number in the middle (layer labels), on each edge shared with another face the seam's
/// label ("5·12") inside the edge, the face and its tabs as one closed cut path (layer cut) and
/// the tabs' folds (layer score). A shared edge carries the tab on the face of lower number.
/// Throws text::InputError as above, and for a face of fewer than 3 corners.
scene::Scene buildFaceScene(const FaceParameters& p, const std::optional<FaceOutline>& outline,
                            const PolyhedronModel& model, const stars::StarCatalogue& catalogue,
                            const std::string& starFileName, float side, const FaceKit& kit,
                            const FaceSky& sky = {});

/// As above, visiting only the stars `index` finds near the tangent point.
scene::Scene buildFaceScene(const FaceParameters& p, const std::optional<FaceOutline>& outline,
                            const PolyhedronModel& model, const stars::StarCatalogue& catalogue,
                            const stars::SkyIndex& index, const std::string& starFileName, float side,
                            const FaceKit& kit, const FaceSky& sky = {});

/// The face Draw command (button 描画 of the polyhedron tab). Reads and checks every box,
/// the star file and the chosen face first; then sizes, shows and clears the face window's canvas,
/// draws the stars within the projection range in gnomonic projection, the face's red corner
/// marks and edges, sets the label of a magnitude-1 star's dot, and with `entered.svg` writes the
/// SVG file into `svgDirectory`. Returns no message on full success.
std::optional<FaceMessage> runFaceDraw(const FaceSpec& entered, const std::string& starFileName,
                                       const PolyhedronModel& model, FaceWindow& window,
                                       const std::filesystem::path& svgDirectory);

/// The edges of an n-cornered face in drawing order, as 1-based (later corner, earlier
/// corner) pairs: 2→1, 3→2, …, (n−1)→(n−2), then n→1 and n→(n−1). One corner gives none,
/// two corners give the edge 2→1 twice.
std::vector<std::pair<int, int>> faceEdgeOrder(int cornerCount);

} // namespace polyhedron
