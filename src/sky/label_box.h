#pragma once

#include "scene/scene.h"
#include "scene/point.h"
#include "sky/polygon_clip.h"
#include "sky/sky_layer_options.h"

#include <array>
#include <string_view>

namespace sky {

/// Font family of labels in Latin lettering.
inline constexpr const char* kLatinFamily = "DejaVu Sans";
/// Font family of Japanese labels.
inline constexpr const char* kJapaneseFamily = "IPAPGothic";
/// Font family of Chinese and Korean labels (fonts-wqy-microhei).
inline constexpr const char* kChineseKoreanFamily = "WenQuanYi Micro Hei";
/// Font family of Hindi labels (fonts-lohit-deva).
inline constexpr const char* kDevanagariFamily = "Lohit Devanagari";

/// The font family of names in `language`: DejaVu Sans holds the Latin, Greek, Cyrillic, Arabic
/// and Hebrew letters, the others need a font of their script.
const char* nameFamily(Language language);
/// Centimetres in one typographic point.
inline constexpr double kCmPerPoint = 2.54 / 72.0;
/// Height of a label's box above its baseline and below it, in ems: room for accented
/// capitals and for the full-width Japanese glyphs.
inline constexpr double kAscentEm = 0.9;
inline constexpr double kDescentEm = 0.25;

/// Advance of `text` (UTF-8) at `sizePt` points in cm, estimated per character and on the
/// generous side: never less than the label fonts give.
double estimatedTextWidth(std::string_view text, double sizePt);

/// Corners, in order round it, of the box `t` covers on paper (its estimated width, from
/// kDescentEm below the baseline to kAscentEm above), grown by `marginCm` on every side.
std::array<scene::Point, 4> labelBox(const scene::Text& t, double marginCm = 0.0);

/// Whether two boxes (convex, corners in order round them, as labelBox gives) share a point.
bool boxesOverlap(const std::array<scene::Point, 4>& a, const std::array<scene::Point, 4>& b);

/// Whether the box lies wholly inside `outline`: its corners inside and no side crossing it.
bool boxInside(const ClipOutline& outline, const std::array<scene::Point, 4>& box);

} // namespace sky
