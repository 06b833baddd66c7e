#pragma once

#include <optional>
#include <string>

namespace canvas {

/// An RGB colour, 0…255 a channel.
struct Rgb
{
    int r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kRed{255, 0, 0};

/// Fixed raster resolution of every canvas, whatever the screen: files are reproducible.
inline constexpr double kDotsPerInch = 96.0;
/// The same resolution in pixels per metre, as written into bitmap headers (96 / 0.0254).
inline constexpr int kDotsPerMetre = 3780;

/// Largest side, in centimetres, of any drawing the program makes: 3 m.
inline constexpr double kMaxCanvasSide = 300.0;

/// Pixels that `cm` centimetres make at kDotsPerInch.
double centimetresToPixels(double cm);
/// Whole pixels a canvas side of `cm` centimetres takes (rounded, never below 0).
int sidePixels(float cm);
/// The size in centimetres a canvas side of `cm` actually takes, snapped to whole pixels.
float snapSide(float cm);

/// A drawing surface in centimetres, origin top-left, x to the right, y downward.
/// Coordinates and radii arrive in single precision, as the drawing code narrows them.
class DrawingCanvas
{
public:
    virtual ~DrawingCanvas() = default;

    /// Sets the width in centimetres; the canvas may snap it to whole pixels.
    virtual void setWidth(float cm) = 0;
    /// Sets the height in centimetres; the canvas may snap it to whole pixels.
    virtual void setHeight(float cm) = 0;
    /// The width actually taken, centimetres.
    virtual float width() const = 0;
    /// The height actually taken, centimetres.
    virtual float height() const = 0;

    /// Paints the whole canvas in the background colour.
    virtual void Cls() = 0;
    /// Colour of outlines and of lines drawn without a colour of their own.
    virtual void setForeColor(Rgb color) = 0;
    /// Colour of circle interiors (always solid).
    virtual void setFillColor(Rgb color) = 0;

    /// A one-pixel line between two points, in `color` or else the fore colour.
    virtual void Line(float x1, float y1, float x2, float y2, std::optional<Rgb> color = std::nullopt) = 0;
    /// A filled circle outlined in the fore colour; under one pixel it still marks the centre pixel.
    virtual void Circle(float x, float y, float radius) = 0;

    /// Writes the whole image as a Windows bitmap, replacing a file of that name.
    /// Throws text::InputError naming the path and the reason when it cannot be written.
    virtual void SavePicture(const std::string& path) const = 0;
};

} // namespace canvas
