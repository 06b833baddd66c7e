#include "canvas/recording_canvas.h"

namespace canvas {

using Kind = CanvasCall::Kind;

namespace {

CanvasCall makeCall(Kind kind, float a = 0, float b = 0, float c = 0, float d = 0,
                    std::optional<Rgb> color = std::nullopt)
{
    CanvasCall call;
    call.kind = kind;
    call.a = a;
    call.b = b;
    call.c = c;
    call.d = d;
    call.color = color;
    return call;
}

} // namespace

void RecordingCanvas::setWidth(float cm)
{
    m_width = snapSide(cm);
    m_calls.push_back(makeCall(Kind::SetWidth, cm));
}

void RecordingCanvas::setHeight(float cm)
{
    m_height = snapSide(cm);
    m_calls.push_back(makeCall(Kind::SetHeight, cm));
}

void RecordingCanvas::Cls() { m_calls.push_back(makeCall(Kind::Cls)); }

void RecordingCanvas::setForeColor(Rgb color) { m_calls.push_back(makeCall(Kind::ForeColor, 0, 0, 0, 0, color)); }

void RecordingCanvas::setFillColor(Rgb color) { m_calls.push_back(makeCall(Kind::FillColor, 0, 0, 0, 0, color)); }

void RecordingCanvas::Line(float x1, float y1, float x2, float y2, std::optional<Rgb> color)
{
    m_calls.push_back(makeCall(Kind::Line, x1, y1, x2, y2, color));
}

void RecordingCanvas::Circle(float x, float y, float radius)
{
    m_calls.push_back(makeCall(Kind::Circle, x, y, radius));
}

void RecordingCanvas::SavePicture(const std::string& path) const
{
    CanvasCall call = makeCall(Kind::Save);
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
