#include "ui/gore_window_set.h"

#include "ui/form2.h"
#include "ui/form3.h"

#include <QCoreApplication>

#include <utility>

namespace ui {

namespace {

void makeSouthern(Form3& window)
{
    window.setObjectName(QStringLiteral("Form3South"));
    window.setWindowTitle(QCoreApplication::translate("ui::GoreWindowSet", "Form3 - 南"));
}

} // namespace

GoreWindowSet::GoreWindowSet(std::function<void()> onSaveGore, std::function<void()> onSavePlate,
                             std::function<void()> onSaveSouthPlate)
    : m_form2(std::move(onSaveGore)), m_form3(std::move(onSavePlate)),
      m_form3South(std::move(onSaveSouthPlate), makeSouthern)
{
}

GoreWindowSet::~GoreWindowSet() = default;

Form2* GoreWindowSet::goreWindow() const { return m_form2.existing(); }

Form3* GoreWindowSet::plateWindow() const { return m_form3.existing(); }

Form3* GoreWindowSet::southPlateWindow() const { return m_form3South.existing(); }

canvas::DrawingCanvas& GoreWindowSet::goreCanvas() { return m_form2.get().canvas(); }

void GoreWindowSet::setGoreLabels(const gore::GoreLabels& labels) { m_form2.get().setLabels(labels); }

void GoreWindowSet::showGoreWindow() { m_form2.show(); }

canvas::DrawingCanvas& GoreWindowSet::plateCanvas() { return m_form3.get().canvas(); }

void GoreWindowSet::showPlateWindow() { m_form3.show(); }

canvas::DrawingCanvas& GoreWindowSet::southPlateCanvas() { return m_form3South.get().canvas(); }

void GoreWindowSet::showSouthPlateWindow() { m_form3South.show(); }

sky::SkyRequest GoreWindowSet::skyLayers()
{
    const Form2* gore = m_form2.existing();
    return skyRequest(gore ? gore->skyChecks() : nullptr);
}

void GoreWindowSet::refresh()
{
    m_form2.refresh();
    m_form3.refresh();
    m_form3South.refresh();
}

} // namespace ui
