#pragma once

#include "export/export_options.h"
#include "scene/scene.h"
#include "stars/star_catalogue.h"

#include <optional>

namespace exporter {

/// The ground of the dark style: a deep blue.
inline constexpr canvas::Rgb kDarkGround{16, 30, 68};
/// How far a line or label colour moves towards white on the dark ground, 0…1.
inline constexpr double kLightening = 0.7;
/// How far a star's table colour is darkened on white paper, so that white-hot stars still show, 0…1.
inline constexpr double kTintOnWhite = 0.55;

/// How the templates of one export look: star colours and style.
struct TemplateLook
{
    bool colourStars = false;   ///< tint star dots by their B−V
    Style style = Style::Light;
    double bleedCm = 0.0;       ///< how far the dark ground reaches beyond each cut outline, cm
};

/// Whether `look` changes a template at all.
inline bool changes(const TemplateLook& look) { return look.colourStars || look.style == Style::Dark; }

/// The look `o` asks for; refuses (text::InputError naming --style) the dark style for bitmaps,
/// which are the window's drawing and have no cut outline to fill.
TemplateLook templateLook(const ExportOptions& o, double bleedCm);

/// A line or label colour made light for the dark ground: kLightening of the way to white.
canvas::Rgb lightened(canvas::Rgb c);

/// The dot colour of a star of colour index `bv` (none: unknown): black on white and white on the
/// dark ground, unless `look` tints it by stars::starColour (darkened by kTintOnWhite on white).
canvas::Rgb starDotColour(std::optional<double> bv, const TemplateLook& look);

/// Gives `s` its look after it is built: star dots (Role::Star, indexed into `catalogue`)
/// tinted; in the dark style every print layer's lines, dots and texts lightened and a layer
/// scene::layers::kGround put first that fills each cut outline (Role::CutOutline) with
/// kDarkGround out to bleedCm beyond it. Cut, score and mark layers stay as they are.
void applyLook(scene::Scene& s, const stars::StarCatalogue& catalogue, const TemplateLook& look);

} // namespace exporter
