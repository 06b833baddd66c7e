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

} // namespace ui
