#include "sky/label_box.h"

#include <algorithm>
#include <cmath>

namespace sky {

namespace {

/// Width in ems of one character: the widest of its kind in DejaVu Sans, or a full width.
double characterWidthEm(char32_t c)
{
    if (c >= 0x2E80)
        return 1.0; // kana, kanji and other full-width glyphs
    if (c == ' ')
        return 0.35;
    if (c == 'm' || c == 'w' || c == 'M' || c == 'W')
        return 1.0;
    if (c >= 'A' && c <= 'Z')
        return 0.8;
    if (c == 'i' || c == 'j' || c == 'l' || c == 'f' || c == 't' || c == 'r' || c == 'I' || c == '.'
        || c == ',' || c == '\'' || c == ':' || c == ';' || c == '!' || c == '|' || c == '(' || c == ')')
        return 0.45;
    if (c < 0x80)
        return 0.66;
    return 0.85; // accented letters, °, −
}

} // namespace

const char* nameFamily(Language language)
{
    switch (language) {
    case Language::Japanese: return kJapaneseFamily;
    case Language::Chinese:
    case Language::Korean: return kChineseKoreanFamily;
    case Language::Hindi: return kDevanagariFamily;
    default: return kLatinFamily;
    }
}

double estimatedTextWidth(std::string_view text, double sizePt)
{
    double em = 0.0;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const std::size_t length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? byte : byte & (0x7F >> length);
        for (std::size_t k = 1; k < length && i + k < text.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        em += characterWidthEm(c);
        i += length;
    }
    return em * sizePt * kCmPerPoint;
}

std::array<scene::Point, 4> labelBox(const scene::Text& t, double marginCm)
{
    const double angle = t.rotationDeg * kRadiansPerDegree;
    // Reading direction and the glyphs' up on paper (y downward, rotation clockwise).
    const scene::Point u{std::cos(angle), std::sin(angle)}, v{std::sin(angle), -std::cos(angle)};
    const double em = t.sizePt * kCmPerPoint;
    const double width = estimatedTextWidth(t.text, t.sizePt);
    const double start = t.anchor == scene::Anchor::Start ? 0.0 : t.anchor == scene::Anchor::Middle ? -width / 2 : -width;
    const double s0 = start - marginCm, s1 = start + width + marginCm;
    const double h0 = -kDescentEm * em - marginCm, h1 = kAscentEm * em + marginCm;
    const auto corner = [&](double s, double h) {
        return scene::Point{t.at.x + u.x * s + v.x * h, t.at.y + u.y * s + v.y * h};
    };
    return {corner(s0, h0), corner(s1, h0), corner(s1, h1), corner(s0, h1)};
}

bool boxesOverlap(const std::array<scene::Point, 4>& a, const std::array<scene::Point, 4>& b)
{
    // Separating axes: two convex shapes that do not meet have an edge of one whose line parts them.
    const auto parted = [](const std::array<scene::Point, 4>& p, const std::array<scene::Point, 4>& q) {
        for (std::size_t i = 0; i < p.size(); ++i) {
            const scene::Point e{p[(i + 1) % p.size()].x - p[i].x, p[(i + 1) % p.size()].y - p[i].y};
            const scene::Point normal{-e.y, e.x};
            double pMin = INFINITY, pMax = -INFINITY, qMin = INFINITY, qMax = -INFINITY;
            for (std::size_t k = 0; k < p.size(); ++k) {
                const double sp = normal.x * p[k].x + normal.y * p[k].y, sq = normal.x * q[k].x + normal.y * q[k].y;
                pMin = std::min(pMin, sp), pMax = std::max(pMax, sp);
                qMin = std::min(qMin, sq), qMax = std::max(qMax, sq);
            }
            if (pMax < qMin || qMax < pMin)
                return true;
        }
        return false;
    };
    return !parted(a, b) && !parted(b, a);
}

bool boxInside(const ClipOutline& outline, const std::array<scene::Point, 4>& box)
{
    for (const scene::Point& p : box)
        if (!contains(outline, p))
            return false;
    for (std::size_t i = 0; i < box.size(); ++i) {
        const auto pieces = clipPolyline(outline, {box[i], box[(i + 1) % box.size()]});
        if (pieces.size() != 1 || pieces.front().size() != 2)
            return false;
    }
    return true;
}

} // namespace sky
