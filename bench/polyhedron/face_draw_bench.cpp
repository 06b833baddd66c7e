// One face of the truncated icosahedron with the bundled catalogue, corner marks, edges and
// the SVG file on, drawn on a raster canvas. Target: under 10 ms a Draw.

#include "canvas/raster_canvas.h"
#include "polyhedron/face_command.h"
#include "polyhedron/face_number_rule.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

class BenchWindow : public polyhedron::FaceWindow
{
public:
    canvas::DrawingCanvas& faceCanvas() override { return m_canvas; }
    void showFaceWindow() override {}
    void setMagnitudeOneRadius(const std::string& caption) override { m_label = caption; }

private:
    canvas::RasterCanvas m_canvas{9.763125f, 9.763125f};
    std::string m_label;
};

void FaceDrawTruncatedIcosahedron(benchmark::State& state)
{
    const std::string data = ORBWEAVE_DATA_DIR;
    polyhedron::PolyhedronModel model;
    model.loadVertexFile(data + "/models/truncated-icosahedron-vertices.csv");
    model.loadFaceFile(data + "/models/truncated-icosahedron-faces.csv");
    polyhedron::FaceSpec in;
    in.face = "2"; // a hexagon
    in.centre = polyhedron::faceCentre(model, 2);
    in.outline = in.corners = in.edges = in.svg = true;
    const auto dir = std::filesystem::temp_directory_path() / "orbweave-face-draw-bench";
    std::filesystem::create_directories(dir);
    BenchWindow window;
    for (auto _ : state) {
        const auto message = polyhedron::runFaceDraw(in, data + "/bright-stars.csv", model, window, dir);
        if (message)
            state.SkipWithError(message->text.c_str());
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(FaceDrawTruncatedIcosahedron)->Unit(benchmark::kMillisecond);

} // namespace
