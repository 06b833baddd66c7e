#pragma once

#include "export/export_options.h"
#include "export/gore_templates.h"
#include "export/kit_finish.h"
#include "render/template_drawing.h"
#include "polyhedron/face_spec.h"
#include "polyhedron/face_parameters.h"
#include "sky/sky_data.h"
#include "stars/star_catalogue.h"
#include "polyhedron/polyhedron_model.h"

#include <string>

namespace exporter {

/// The bundled models (data/models), by name, sorted.
std::vector<std::string> bundledModels();

/// The vertex and face files of a model.
struct ModelFiles
{
    std::string vertices, faces;
};

/// The files of --vertices/--faces, or else of the bundled --model. Throws text::InputError
/// naming the option when only one file is given or no bundled model has the name.
ModelFiles modelFiles(const FaceOptions& o);

/// The polyhedron of --vertices/--faces, or else of the bundled --model. Throws
/// text::InputError naming the option and its value when a file cannot be read, or when a
/// face's corner names no vertex of the vertex file or lies 90° or more from the face's centre.
polyhedron::PolyhedronModel loadModel(const FaceOptions& o);

/// What the face Draw reads for face `face` (the text as typed) of `o`; the tangent point is the
/// face's centre, carried as `model` gives it (none when it has no such face).
polyhedron::FaceSpec faceSpecFor(const FaceOptions& o, const polyhedron::PolyhedronModel& model,
                                 const std::string& face);

/// The face parameters of `o` for face `face` of `model`, checked as the window checks them.
/// Throws text::InputError naming the option and the value as typed.
polyhedron::FaceParameters faceParametersFor(const FaceOptions& o, const polyhedron::PolyhedronModel& model,
                                             const std::string& face);

/// Draws the face (or, with --face all, every face of the model) from `catalogue` and hands
/// each to `sink`, finished as `finish` says, drawn on `work.threads` threads a few ahead and
/// handed over in order, the same whatever the threads; the layers `sky` asks for go under the stars. Throws text::InputError, its message
/// naming the option and its value, in the order a single loop would meet it.
void drawFaceTemplates(const FaceOptions& o, const stars::StarCatalogue& catalogue, const std::string& starFile,
                       const TemplateSink& sink, const KitFinish& finish = {}, const KitOptions& kitOptions = {},
                       const sky::SkyRequest& sky = {}, const DrawingWork& work = {});

/// As above, reading `starFile` and keeping every template.
TemplateList drawFaceTemplates(const FaceOptions& o, const std::string& starFile, const KitFinish& finish = {},
                               const KitOptions& kitOptions = {}, const sky::SkyRequest& sky = {},
                               const DrawingWork& work = {});

} // namespace exporter
