#pragma once

#include "export/export_options.h"
#include "export/gore_templates.h"
#include "export/template_drawing.h"
#include "polyhedron/face_inputs.h"
#include "polyhedron/polyhedron_model.h"

#include <string>

namespace exporter {

/// The bundled models (data/models), by name, sorted.
std::vector<std::string> bundledModels();

/// The polyhedron of --vertices/--faces, or else of the bundled --model. Throws
/// text::InputError naming the option and its value when a file cannot be read.
polyhedron::PolyhedronModel loadModel(const FaceOptions& o);

/// The face command's inputs for face `face` (the text as typed); the tangent point is the
/// face's centre, written into Text9/Text10 as the window's face-number rule does.
polyhedron::FaceInputs faceInputsFor(const FaceOptions& o, const polyhedron::PolyhedronModel& model,
                                     const std::string& face);

/// The option a message of the face command is about ("--range" for 投影範囲…), or
/// "--stars" when it names no box.
std::string faceOptionOf(const std::string& message);

/// Draws the face (or, with --face all, every face of the model) through
/// polyhedron::runFaceDraw, each on its own recording canvas. Throws text::InputError,
/// its message naming the option and its value, when the face command refuses.
TemplateList drawFaceTemplates(const FaceOptions& o, const std::string& starFile, const DrawnFn& drawn = {});

} // namespace exporter
