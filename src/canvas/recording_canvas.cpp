#include "canvas/recording_canvas.h"

namespace canvas {

using Kind = CanvasCall::Kind;

void RecordingCanvas::setWidth(float cm)
{
    m_width = snapSide(cm);
    m_calls.push_back({Kind::SetWidth, cm});
}

void RecordingCanvas::setHeight(float cm)
{
    m_height = snapSide(cm);
    m_calls.push_back({Kind::SetHeight, cm});
}

void RecordingCanvas::Cls() { m_calls.push_back({Kind::Cls}); }

void RecordingCanvas::setForeColor(Rgb color) { m_calls.push_back({Kind::ForeColor, 0, 0, 0, 0, color}); }

void RecordingCanvas::setFillColor(Rgb color) { m_calls.push_back({Kind::FillColor, 0, 0, 0, 0, color}); }

void RecordingCanvas::Line(float x1, float y1, float x2, float y2, std::optional<Rgb> color)
{
    m_calls.push_back({Kind::Line, x1, y1, x2, y2, color});
}

void RecordingCanvas::Circle(float x, float y, float radius) { m_calls.push_back({Kind::Circle, x, y, radius}); }

void RecordingCanvas::SavePicture(const std::string& path) const
{
    CanvasCall call{Kind::Save};
    call.path = path;
    m_calls.push_back(call);
}

std::vector<CanvasCall> RecordingCanvas::callsOf(CanvasCall::Kind kind) const
{
    std::vector<CanvasCall> out;
    for (const auto& c : m_calls)
        if (c.kind == kind)
            out.push_back(c);
    return out;
}

} // namespace canvas
