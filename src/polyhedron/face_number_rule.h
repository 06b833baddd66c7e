#pragma once

#include "polyhedron/face_spec.h"
#include "polyhedron/polyhedron_model.h"

#include <optional>
#include <string>

namespace polyhedron {

/// Texts of the tangent-point boxes for one face centre.
struct FaceCentreTexts
{
    std::string latitude;  ///< latitude of the face centre, general number form
    std::string longitude; ///< longitude of the face centre, general number form
};

/// What the main window writes after a change of the face number box; unset fields stay as they are.
struct FaceNumberUpdate
{
    std::optional<std::string> number; ///< "32" or "1" when the number was clamped
    std::optional<FaceCentreTexts> centre;
};

/// Centre of face `f` of `model` (0, the all-zero face, included), as the face file gives it;
/// none when the model has no such face.
std::optional<FaceCentre> faceCentre(const PolyhedronModel& model, int f);

/// Centre of the face the number in `number` selects (rounded, ties to even); no value when the
/// text is not a number or names no loaded face.
std::optional<FaceCentre> faceCentre(const PolyhedronModel& model, const std::string& number,
                                     char decimalSeparator = '.');

/// Centre of the face the number in `text16` selects (rounded, ties to even; 0 selects the
/// all-zero face 0); no value when the text is not a number or names no loaded face.
std::optional<FaceCentreTexts> faceCentreTexts(const PolyhedronModel& model, const std::string& text16,
                                               char decimalSeparator = '.');

/// The face-number rule, run on every change of the face number box: 33 or more becomes "32",
/// 0 or less becomes "1", and with a face file loaded the chosen face's centre goes to the
/// tangent-point boxes. Text that is not a number changes nothing; a number naming no loaded
/// face (above FaceCount, or 32.6 rounding to 33) leaves the tangent point unchanged.
FaceNumberUpdate applyFaceNumberRule(const PolyhedronModel& model, const std::string& text16,
                                     char decimalSeparator = '.');

/// New text of the face number box after "+1" (step 1) or "-1" (step −1); no value when the
/// box does not hold a number. The rule above then clamps the result.
std::optional<std::string> stepFaceNumber(const std::string& text16, int step, char decimalSeparator = '.');

} // namespace polyhedron
