#include "ui/tab_inputs.h"

namespace ui {

gore::GoreSpec goreSpecOf(const GoreInputs& tab)
{
    gore::GoreSpec spec;
    spec.n = tab.Text1;
    spec.k = tab.Text2;
    spec.faintest = tab.Text3;
    spec.hemisphere = tab.Check1;
    spec.epsilon = tab.Check2 == 1;
    spec.line = tab.Check3 == 1;
    spec.ratio = tab.Text4;
    spec.magnification = tab.Text5;
    spec.radius = tab.Text6;
    spec.lineLatitude = tab.Text7;
    spec.northPlate = tab.Check4 == 1;
    spec.southPlate = tab.Check5;
    spec.boundary = tab.Text8;
    spec.decimalSeparator = tab.decimalSeparator;
    return spec;
}

polyhedron::FaceSpec faceSpecOf(const FaceInputs& tab)
{
    polyhedron::FaceSpec spec;
    spec.latitude = tab.Text9;
    spec.longitude = tab.Text10;
    spec.radius = tab.Text11;
    spec.range = tab.Text12;
    spec.ratio = tab.Text13;
    spec.magnification = tab.Text14;
    spec.faintest = tab.Text15;
    spec.face = tab.Text16;
    spec.insideView = tab.Check6;
    spec.outline = tab.Check7 != 0 || tab.Check8 != 0;
    spec.corners = tab.Check7 != 0;
    spec.edges = tab.Check8 == 1;
    spec.svg = tab.Check9 == 1;
    spec.decimalSeparator = tab.decimalSeparator;
    return spec;
}

} // namespace ui
