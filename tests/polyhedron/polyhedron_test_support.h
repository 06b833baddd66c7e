#pragma once

#include "canvas/recording_canvas.h"
#include "polyhedron/face_command.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

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
    void setLabel38(const std::string& caption) override { label38.push_back(caption); }

    canvas::RecordingCanvas canvas;
    int canvasRequests = 0;
    int shows = 0;
    std::size_t callsBeforeShow = 0;
    std::vector<std::string> label38;
};

} // namespace polyhedron::testing
