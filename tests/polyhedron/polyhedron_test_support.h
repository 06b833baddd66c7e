#pragma once

#include "canvas/recording_canvas.h"
#include "polyhedron/face_command.h"
#include "polyhedron/face_svg_document.h"
#include "test_files.h"
#include "ui/tab_inputs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

/// The face Draw's tests speak of the window's tab: its boxes as typed, read as the window reads them.
using ui::FaceInputs;

inline std::optional<polyhedron::FaceMessage> runFaceDraw(const FaceInputs& in, const std::string& starFileName,
                                                          const polyhedron::PolyhedronModel& model,
                                                          polyhedron::FaceWindow& window,
                                                          const std::filesystem::path& svgDirectory)
{
    return polyhedron::runFaceDraw(ui::faceSpecOf(in), starFileName, model, window, svgDirectory);
}

inline std::string faceSvgName(const FaceInputs& in) { return polyhedron::faceSvgName(ui::faceSpecOf(in), in.Check6); }

inline std::string faceBitmapName(const FaceInputs& in) { return polyhedron::faceBitmapName(ui::faceSpecOf(in)); }

namespace polyhedron::testing {

/// A folder of its own under the system temp folder, removed with the object.
class TempDir : public testing_support::TempDir
{
public:
    /// The names of the files in the folder.
    std::vector<std::string> files() const
    {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(path()))
            names.push_back(e.path().filename().string());
        return names;
    }
};

inline std::string readBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

/// Stands in for the main window and Form4: keeps the canvas calls and what the Draw did.
class FakeFaceWindow : public FaceWindow
{
public:
    canvas::DrawingCanvas& faceCanvas() override
    {
        ++canvasRequests;
        return canvas;
    }
    void showFaceWindow() override
    {
        ++shows;
        callsBeforeShow = canvas.calls().size();
    }
    void setMagnitudeOneRadius(const std::string& caption) override { label38.push_back(caption); }

    canvas::RecordingCanvas canvas;
    int canvasRequests = 0;
    int shows = 0;
    std::size_t callsBeforeShow = 0;
    std::vector<std::string> label38;
};

} // namespace polyhedron::testing
