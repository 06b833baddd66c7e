#pragma once

#include "canvas/recording_canvas.h"
#include "polyhedron/face_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace polyhedron::testing {

/// A fresh folder under the system temp folder, removed with the object.
class TempDir
{
public:
    TempDir()
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_path = std::filesystem::temp_directory_path()
                 / ("orbweave-poly-" + std::string(info ? info->name() : "x") + "-"
                    + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TempDir() { std::filesystem::remove_all(m_path); }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }

    /// Writes `content` byte for byte into `name` and returns the full path.
    std::string write(const std::string& name, const std::string& content) const
    {
        const auto p = m_path / name;
        std::ofstream(p, std::ios::binary) << content;
        return p.string();
    }

    /// The names of the files in the folder.
    std::vector<std::string> files() const
    {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(m_path))
            names.push_back(e.path().filename().string());
        return names;
    }

private:
    std::filesystem::path m_path;
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
