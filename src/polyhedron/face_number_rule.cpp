#include "polyhedron/face_number_rule.h"

#include "text/number_text.h"

namespace polyhedron {

std::optional<FaceCentreTexts> faceCentreTexts(const PolyhedronModel& model, const std::string& text16,
                                               char decimalSeparator)
{
    const auto value = text::parseDouble(text16, decimalSeparator);
    if (!value)
        return std::nullopt;
    const double f = text::roundHalfEven(*value);
    if (f < 0.0 || f > static_cast<double>(model.FaceCount()))
        return std::nullopt;
    const Face& face = model.faces[static_cast<std::size_t>(f)];
    return FaceCentreTexts{text::formatGeneral(face.Phi, decimalSeparator),
                           text::formatGeneral(face.Lambda, decimalSeparator)};
}

FaceNumberUpdate applyFaceNumberRule(const PolyhedronModel& model, const std::string& text16, char decimalSeparator)
{
    FaceNumberUpdate update;
    const auto value = text::parseDouble(text16, decimalSeparator);
    if (!value)
        return update;
    // Writing the clamped text runs the rule again; the second run changes nothing more.
    if (*value >= static_cast<double>(kMaxFaces + 1))
        update.Text16 = std::to_string(kMaxFaces);
    else if (!(*value > 0.0))
        update.Text16 = std::string("1");
    if (!model.FaceFileName.empty())
        update.centre = faceCentreTexts(model, update.Text16.value_or(text16), decimalSeparator);
    return update;
}

std::optional<std::string> stepFaceNumber(const std::string& text16, int step, char decimalSeparator)
{
    const auto value = text::parseDouble(text16, decimalSeparator);
    if (!value)
        return std::nullopt;
    return text::formatGeneral(*value + step, decimalSeparator);
}

} // namespace polyhedron
