#include "ui/gore_window_set.h"

#include "ui/form2.h"
#include "ui/form3.h"

#include <QPushButton>

#include <utility>

namespace ui {

GoreWindowSet::GoreWindowSet(std::function<void()> onSaveGore, std::function<void()> onSavePlate,
                             std::function<void()> onSaveSouthPlate)
    : m_onSaveGore(std::move(onSaveGore)), m_onSavePlate(std::move(onSavePlate)),
      m_onSaveSouthPlate(std::move(onSaveSouthPlate))
{
}

GoreWindowSet::~GoreWindowSet()
{
    delete m_form2.data();
    delete m_form3.data();
    delete m_form3South.data();
}

Form2& GoreWindowSet::form2()
{
    if (!m_form2) {
        m_form2 = new Form2;
        m_form2->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(m_form2.data(), &Form2::saveRequested, m_form2.data(), [this] { m_onSaveGore(); });
    }
    return *m_form2;
}

Form3& GoreWindowSet::form3()
{
    if (!m_form3) {
        m_form3 = new Form3;
        m_form3->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(m_form3.data(), &Form3::saveRequested, m_form3.data(), [this] { m_onSavePlate(); });
    }
    return *m_form3;
}

Form3& GoreWindowSet::form3South()
{
    if (!m_form3South) {
        m_form3South = new Form3;
        m_form3South->setObjectName(QStringLiteral("Form3South"));
        m_form3South->setWindowTitle(QStringLiteral("Form3 - 南"));
        m_form3South->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(m_form3South.data(), &Form3::saveRequested, m_form3South.data(), [this] {
            if (m_onSaveSouthPlate)
                m_onSaveSouthPlate();
        });
    }
    return *m_form3South;
}

Form2* GoreWindowSet::goreWindow() const { return m_form2.data(); }

Form3* GoreWindowSet::plateWindow() const { return m_form3.data(); }

Form3* GoreWindowSet::southPlateWindow() const { return m_form3South.data(); }

canvas::DrawingCanvas& GoreWindowSet::goreCanvas() { return form2().canvas(); }

void GoreWindowSet::setGoreLabels(const gore::GoreLabels& labels) { form2().setLabels(labels); }

void GoreWindowSet::showGoreWindow()
{
    Form2& window = form2();
    window.refresh();
    window.show();
    window.raise();
}

canvas::DrawingCanvas& GoreWindowSet::plateCanvas() { return form3().canvas(); }

void GoreWindowSet::showPlateWindow()
{
    Form3& window = form3();
    window.refresh();
    window.show();
    window.raise();
}

canvas::DrawingCanvas& GoreWindowSet::southPlateCanvas() { return form3South().canvas(); }

void GoreWindowSet::showSouthPlateWindow()
{
    Form3& window = form3South();
    window.refresh();
    window.show();
    window.raise();
}

void GoreWindowSet::refresh()
{
    if (m_form2)
        m_form2->refresh();
    if (m_form3)
        m_form3->refresh();
    if (m_form3South)
        m_form3South->refresh();
}

} // namespace ui
