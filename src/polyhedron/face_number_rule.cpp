#include "polyhedron/face_number_rule.h"

#include "text/number_text.h"

namespace polyhedron {

std::optional<FaceCentre> faceCentre(const PolyhedronModel& model, int f)
{
    if (f < 0 || f > model.FaceCount())
        return std::nullopt;
    const Face& face = model.faces[static_cast<std::size_t>(f)];
    return FaceCentre{face.Phi, face.Lambda};
}

std::optional<FaceCentre> faceCentre(const PolyhedronModel& model, const std::string& number, char decimalSeparator)
{
    const auto value = text::parseDouble(number, decimalSeparator);
    if (!value)
        return std::nullopt;
    const double f = text::roundHalfEven(*value);
    if (f < 0.0 || f > static_cast<double>(model.FaceCount()))
        return std::nullopt;
    return faceCentre(model, static_cast<int>(f));
}

std::optional<FaceCentreTexts> faceCentreTexts(const PolyhedronModel& model, const std::string& text16,
                                               char decimalSeparator)
{
    const auto centre = faceCentre(model, text16, decimalSeparator);
    if (!centre)
        return std::nullopt;
    return FaceCentreTexts{text::formatGeneral(centre->latitude, decimalSeparator),
                           text::formatGeneral(centre->longitude, decimalSeparator)};
}

FaceNumberUpdate applyFaceNumberRule(const PolyhedronModel& model, const std::string& text16, char decimalSeparator)
{
    FaceNumberUpdate update;
    const auto value = text::parseDouble(text16, decimalSeparator);
    if (!value)
        return update;
    // Writing the clamped text runs the rule again; the second run changes nothing more.
    if (*value >= static_cast<double>(kMaxFaces + 1))
        update.number = std::to_string(kMaxFaces);
    else if (!(*value > 0.0))
        update.number = std::string("1");
    if (!model.FaceFileName.empty())
        update.centre = faceCentreTexts(model, update.number.value_or(text16), decimalSeparator);
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
