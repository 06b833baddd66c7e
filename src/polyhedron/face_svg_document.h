#pragma once

#include "polyhedron/face_spec.h"
#include "text/message.h"

#include <filesystem>
#include <optional>
#include <string>

namespace polyhedron {

/// Name pieces "SurN" face "_Vb" faintest "_Sr" ratio "_Ss" magnification "_" radius "cm", texts as typed.
std::string faceFileStem(const FaceTexts& texts);

/// Bitmap file name of a face: the stem and ".bmp" (SurN1_Vb7.0_Sr2.5_Ss10_10cm.bmp by default).
std::string faceBitmapName(const FaceTexts& texts);

/// SVG file name of a face, UTF-8: the stem, "内" when `insideView` is 1, "外" when 0, nothing
/// when 2, and ".svg" (SurN1_Vb7.0_Sr2.5_Ss10_10cm内.svg by default).
std::string faceSvgName(const FaceTexts& texts, int insideView);

/// Why `name` cannot be used as a file name inside one folder (a path separator or a NUL
/// character in it), in both languages; no value when it can.
std::optional<text::Message> fileNameProblem(const std::string& name);

/// The SVG opening tag for a canvas of `width` × `height` cm, without line end:
/// <svg xml:space="default" width="Wcm" height="Hcm" xmlns="http://www.w3.org/2000/svg">,
/// W and H with at most 7 significant digits and a full stop.
std::string svgHeaderLine(float width, float height);

/// An ellipse element of a star dot at (cx, cy) with radii rx, ry in cm, without line end.
std::string svgEllipseLine(double cx, double cy, double rx, double ry);

/// The fixed sample ellipse the SVG tag preview shows (cx 5, cy 6, rx 7, ry 8).
std::string svgSampleEllipseLine();

/// A blue, 0.01 cm wide line element from (x1, y1) to (x2, y2) in cm, without line end.
std::string svgEdgeLine(double x1, double y1, double x2, double y2);

/// The SVG file of one face drawing, built in memory: the header, one ellipse per drawn
/// star, one line per drawn edge and "</svg>", each line ended by CR LF.
class FaceSvgDocument
{
public:
    /// Begins the document for a canvas of `width` × `height` cm (the header line).
    FaceSvgDocument(float width, float height);

    /// Adds the dot of a star centred at (cx, cy) with radius r, cm.
    void Ellipse(double cx, double cy, double r);
    /// Adds an edge from (x1, y1) to (x2, y2), cm.
    void Line(double x1, double y1, double x2, double y2);
    /// The whole file: everything added so far and the closing line.
    std::string End() const;

private:
    void addLine(const std::string& line);
    std::string m_text;
};

/// Writes `content` to `path` byte for byte, replacing a file of that name.
/// Throws text::InputError naming the file and the reason when it cannot be written.
void writeTextFile(const std::filesystem::path& path, const std::string& content);

} // namespace polyhedron
