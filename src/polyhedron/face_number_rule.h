#pragma once

#include "polyhedron/polyhedron_model.h"

#include <optional>
#include <string>

namespace polyhedron {

/// Texts of the tangent-point boxes for one face centre.
struct FaceCentreTexts
{
    std::string Text9;  ///< latitude of the face centre, general number form
    std::string Text10; ///< longitude of the face centre, general number form
};

/// What the main window writes after a change of the face number box; unset fields stay as they are.
struct FaceNumberUpdate
{
    std::optional<std::string> Text16; ///< "32" or "1" when the number was clamped
    std::optional<FaceCentreTexts> centre;
};

/// Centre of the face the number in `text16` selects (rounded, ties to even; 0 selects the
/// all-zero face 0); no value when the text is not a number or names no loaded face.
std::optional<FaceCentreTexts> faceCentreTexts(const PolyhedronModel& model, const std::string& text16,
                                               char decimalSeparator = '.');

/// The face-number rule, run on every change of Text16: 33 or more becomes "32", 0 or less
/// becomes "1", and with a face file loaded the chosen face's centre goes to Text9/Text10.
/// Text that is not a number changes nothing; a number naming no loaded face (above
/// FaceCount, or 32.6 rounding to 33) leaves Text9/Text10 unchanged.
FaceNumberUpdate applyFaceNumberRule(const PolyhedronModel& model, const std::string& text16,
                                     char decimalSeparator = '.');

/// New text of the face number box after "+1" (step 1) or "-1" (step −1); no value when the
/// box does not hold a number. The rule above then clamps the result.
std::optional<std::string> stepFaceNumber(const std::string& text16, int step, char decimalSeparator = '.');

} // namespace polyhedron
