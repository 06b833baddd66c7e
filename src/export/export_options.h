#pragma once

#include "render/page_layout.h"
#include "gore/gore_spec.h"
#include "polyhedron/face_spec.h"
#include "scene/scene.h"
#include "sky/sky_layer_options.h"

#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace exporter {

/// A command line that cannot be understood (exit status 2); the message names the option.
class UsageError : public std::runtime_error
{
public:
    explicit UsageError(const std::string& message) : std::runtime_error(message) {}
};

enum class Subject { Gores, Faces };
enum class Format { Bmp, Svg, Pdf };
/// How the pieces are printed: black on the white paper (Light), or on a dark blue ground (Dark).
enum class Style { Light, Dark };

/// The gore tab as options; texts go to the gore command as typed (k may also be "all").
/// Defaults are the window's; the boxes' options are gore::kGoreTextFields and kGoreSwitchFields.
struct GoreOptions : gore::GoreTexts, gore::GoreSwitches
{
    bool north = true, south = false;             ///< --hemisphere north|south|both
    bool northPlate = false, southPlate = false;  ///< --plates none|north|south|both
};

/// The polyhedron tab as options; texts go to the face command as typed (face may also be
/// "all"). The boxes' options are polyhedron::kFaceTextFields.
struct FaceOptions : polyhedron::FaceTexts
{
    bool inside = true;
    bool corners = false, edges = false;
    std::string model = "truncated-icosahedron";
    std::string vertices, faces;    ///< model files given instead of a bundled model
};

/// How SVG and PDF exports finish their templates as a kit to cut out and glue; texts as typed.
struct KitOptions
{
    bool tabs = true;              ///< --tabs on|off: glue tabs
    std::string tabWidth = "7";    ///< --tab-width, millimetres
    bool wholeGores = false;       ///< --whole-gores: each gore pole to pole in one piece
    bool pack = true;              ///< --pack on|off: several pieces to a sheet (with --paper)
    std::string bleed = "2";       ///< --bleed, millimetres kept round each piece
    std::set<scene::LayerKind> layers{scene::LayerKind::Print, scene::LayerKind::Cut, scene::LayerKind::Score,
                                      scene::LayerKind::Marks}; ///< --layers: what is written
    std::set<std::string> given;   ///< the kit options the command line named
};

/// Names of the bundled star catalogues for --stars: bright-stars.csv and deep-stars.csv.
inline constexpr const char* kBrightStars = "bright";
inline constexpr const char* kDeepStars = "deep";

/// Everything one run of orbweave-export was asked to do.
struct ExportOptions
{
    Subject subject = Subject::Gores;
    GoreOptions gore;
    FaceOptions face;
    std::string stars;                ///< star file, or a bundled catalogue by name (bright, deep); empty for bright
    Format format = Format::Pdf;
    std::string output;               ///< file (pdf) or folder (bmp, svg); empty for the default
    std::string dpi = "96";           ///< bitmap resolution, dots per inch
    std::optional<PaperSize> paper;   ///< tile on this sheet; none: a page per template
    sky::SkyLayerOptions sky;         ///< --constellations, --names, --grid, --ecliptic, --star-names, --sky
    KitOptions kit;
    bool colourStars = false;         ///< --colour-stars: each star dot tinted by its B−V
    Style style = Style::Light;       ///< --style light|dark
    bool help = false;                ///< --help, -h: print the usage and stop
    bool version = false;             ///< --version, -V: print the version and stop
    bool quiet = false;
};

/// Parses the arguments after the program name: a subject, then options spelt `--name value`,
/// `--name=value`, `-x value` or `-xvalue` (x one of o, q, h, V). --help and --version may also
/// stand alone. Throws UsageError for an unknown subject or option, a missing value, a value
/// outside an option's choices, or an option of the other subject.
ExportOptions parseExportOptions(const std::vector<std::string>& args);

/// The --help text.
std::string exportUsage();

/// The --version text: program, version and licence.
std::string exportVersionText();

} // namespace exporter
