#pragma once

#include "canvas/drawing_canvas.h"

#include <optional>
#include <string>
#include <vector>

namespace canvas {

/// One call made on a RecordingCanvas, with its single-precision arguments.
struct CanvasCall
{
    enum class Kind { SetWidth, SetHeight, Cls, ForeColor, FillColor, Line, Circle, Save };
    Kind kind = Kind::Cls;
    float a = 0, b = 0, c = 0, d = 0; ///< SetWidth/SetHeight: a; Circle: a, b, c = x, y, r; Line: a…d
    std::optional<Rgb> color;        ///< ForeColor/FillColor, or the Line's own colour
    std::string path;                ///< Save
};

/// A canvas that draws nothing and keeps every call in order, for tests.
/// It snaps its size to whole pixels as the raster canvas does.
class RecordingCanvas : public DrawingCanvas
{
public:
    void setWidth(float cm) override;
    void setHeight(float cm) override;
    float width() const override { return m_width; }
    float height() const override { return m_height; }
    void Cls() override;
    void setForeColor(Rgb color) override;
    void setFillColor(Rgb color) override;
    void Line(float x1, float y1, float x2, float y2, std::optional<Rgb> color = std::nullopt) override;
    void Circle(float x, float y, float radius) override;
    void SavePicture(const std::string& path) const override;

    /// Every call so far, in order.
    const std::vector<CanvasCall>& calls() const { return m_calls; }
    /// Only the calls of one kind, in order.
    std::vector<CanvasCall> callsOf(CanvasCall::Kind kind) const;
    /// Forgets the calls made so far (the size stays).
    void clearCalls() { m_calls.clear(); }

private:
    float m_width = 0, m_height = 0;
    mutable std::vector<CanvasCall> m_calls;
};

} // namespace canvas
