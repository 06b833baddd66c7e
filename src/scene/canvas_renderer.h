#pragma once

#include "canvas/drawing_canvas.h"
#include "scene/scene.h"

namespace scene {

/// Draws the items of `layer` onto `canvas` in order, in the window's calls: a dot is one
/// Circle in black, or framed by colour changes back to black when it has colours of its own;
/// a dotted path is a Circle a point, its runs in step; any other path is one Line a segment
/// (without a colour argument when black). Text is not drawn: the window canvases show none.
/// Coordinates are narrowed to single precision here, as the canvas takes them.
void drawLayer(const Layer& layer, canvas::DrawingCanvas& canvas);

/// Every layer of `scene`, in order. Neither sizes nor clears the canvas.
void drawScene(const Scene& scene, canvas::DrawingCanvas& canvas);

} // namespace scene
