#include "ui/tab_inputs.h"

namespace ui {

gore::GoreSpec goreSpecOf(const GoreInputs& tab)
{
    gore::GoreSpec entered;
    entered.n = tab.Text1;
    entered.k = tab.Text2;
    entered.faintest = tab.Text3;
    entered.hemisphere = tab.Check1;
    entered.epsilon = tab.Check2 == 1;
    entered.line = tab.Check3 == 1;
    entered.ratio = tab.Text4;
    entered.magnification = tab.Text5;
    entered.radius = tab.Text6;
    entered.lineLatitude = tab.Text7;
    entered.northPlate = tab.Check4 == 1;
    entered.southPlate = tab.Check5;
    entered.boundary = tab.Text8;
    entered.decimalSeparator = tab.decimalSeparator;
    return entered;
}

polyhedron::FaceSpec faceSpecOf(const FaceInputs& tab)
{
    polyhedron::FaceSpec entered;
    entered.latitude = tab.Text9;
    entered.longitude = tab.Text10;
    entered.radius = tab.Text11;
    entered.range = tab.Text12;
    entered.ratio = tab.Text13;
    entered.magnification = tab.Text14;
    entered.faintest = tab.Text15;
    entered.face = tab.Text16;
    entered.insideView = tab.Check6;
    entered.outline = tab.Check7 != 0 || tab.Check8 != 0;
    entered.corners = tab.Check7 != 0;
    entered.edges = tab.Check8 == 1;
    entered.svg = tab.Check9 == 1;
    entered.decimalSeparator = tab.decimalSeparator;
    return entered;
}

} // namespace ui
