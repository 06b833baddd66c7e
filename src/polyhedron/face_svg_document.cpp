#include "polyhedron/face_svg_document.h"

#include "text/atomic_file.h"
#include "text/input_error.h"
#include "text/message_text.h"
#include "text/number_text.h"

#include <cerrno>
#include <fstream>

namespace polyhedron {

namespace {

constexpr char kQuote = '"';
constexpr const char* kLineEnd = "\r\n";

/// `name="valuecm"` with a leading blank-free name piece as the file writes it.
std::string cmAttribute(const char* piece, const std::string& value)
{
    return piece + std::string(1, kQuote) + value + "cm" + kQuote;
}

std::string number(double value) { return text::formatGeneral(value, '.'); }

} // namespace

std::string faceFileStem(const FaceTexts& in)
{
    return "SurN" + in.face + "_Vb" + in.faintest + "_Sr" + in.ratio + "_Ss" + in.magnification + "_" + in.radius + "cm";
}

std::string faceBitmapName(const FaceTexts& in) { return faceFileStem(in) + ".bmp"; }

std::string faceSvgName(const FaceTexts& in, int insideView)
{
    std::string mark;
    if (insideView == 1)
        mark = "内";
    else if (insideView == 0)
        mark = "外";
    return faceFileStem(in) + mark + ".svg";
}

std::optional<text::Message> fileNameProblem(const std::string& name)
{
    const std::string shown = text::escapedForMessage(name);
    for (const char c : name) {
        if (c == '/' || c == '\\')
            return text::Message(text::MessageId::FileNameHasSeparator, {shown, "\"" + std::string(1, c) + "\""});
        if (c == '\0')
            return text::Message(text::MessageId::FileNameHasNul, {shown});
    }
    return std::nullopt;
}

std::string svgHeaderLine(float width, float height)
{
    return std::string("<svg xml:space=") + kQuote + "default" + kQuote
           + cmAttribute(" width=", text::formatSingle(width, '.'))
           + cmAttribute(" height=", text::formatSingle(height, '.'))
           // Without the namespace most viewers do not take the file for SVG at all.
           + " xmlns=" + kQuote + "http://www.w3.org/2000/svg" + kQuote + ">";
}

std::string svgEllipseLine(double cx, double cy, double rx, double ry)
{
    return "<ellipse" + cmAttribute(" cx=", number(cx)) + cmAttribute(" cy=", number(cy))
           + cmAttribute(" rx=", number(rx)) + cmAttribute(" ry=", number(ry)) + " style =" + kQuote + "fill:black;"
           + kQuote + "/>";
}

std::string svgSampleEllipseLine() { return svgEllipseLine(5, 6, 7, 8); }

std::string svgEdgeLine(double x1, double y1, double x2, double y2)
{
    return "<line" + cmAttribute(" x1=", number(x1)) + cmAttribute(" y1=", number(y1))
           + cmAttribute(" x2=", number(x2)) + cmAttribute(" y2=", number(y2)) + " stroke =" + kQuote + "blue"
           + kQuote + " stroke-width=" + kQuote + "0.01cm" + kQuote + "/>";
}

FaceSvgDocument::FaceSvgDocument(float width, float height) { addLine(svgHeaderLine(width, height)); }

void FaceSvgDocument::Ellipse(double cx, double cy, double r) { addLine(svgEllipseLine(cx, cy, r, r)); }

void FaceSvgDocument::Line(double x1, double y1, double x2, double y2) { addLine(svgEdgeLine(x1, y1, x2, y2)); }

std::string FaceSvgDocument::End() const { return m_text + "</svg>" + kLineEnd; }

void FaceSvgDocument::addLine(const std::string& line)
{
    m_text += line;
    m_text += kLineEnd;
}

void writeTextFile(const std::filesystem::path& path, const std::string& content)
{
    // Written beside its place and renamed over it: no cut-off file is left behind that another
    // program might take for the whole face.
    text::writeFileAtomically(path.string(), content);
}

} // namespace polyhedron
