#include "ui/sky_layer_checks.h"

#include "appdata/data_folder.h"
#include "sky/sky_data_cache.h"

#include <QCheckBox>
#include <QHBoxLayout>

namespace ui {

SkyLayerChecks::SkyLayerChecks(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("SkyLayers"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    const auto add = [this, row](const char* name, const QString& caption, const QString& tip) {
        auto* box = new QCheckBox(caption, this);
        box->setObjectName(QLatin1String(name));
        box->setToolTip(tip);
        row->addWidget(box);
        connect(box, &QCheckBox::toggled, this, &SkyLayerChecks::changed);
        return box;
    };
    m_lines = add("SkyLines", tr("星座線"), tr("星座の線 (J2000)"));
    m_names = add("SkyNames", tr("星座名"), tr("星座の名前"));
    m_bounds = add("SkyBounds", tr("境界"), tr("星座の境界線 (IAU)"));
    m_grid = add("SkyGrid", tr("座標"), tr("赤経 1 時間ごと、赤緯 10° ごとの座標線"));
    m_ecliptic = add("SkyEcliptic", tr("黄道"), tr("黄道と 10° ごとの目盛り"));
    m_starNames = add("SkyStarNames", tr("星名"), tr("1.5 等より明るい星の名前"));
}

sky::SkyLayerOptions SkyLayerChecks::options() const
{
    sky::SkyLayerOptions o;
    o.figures = m_lines->isChecked();
    o.names = m_names->isChecked();
    o.boundaries = m_bounds->isChecked();
    o.gridStep = m_grid->isChecked() ? 10 : 0;
    o.ecliptic = m_ecliptic->isChecked();
    if (m_starNames->isChecked())
        o.starNameLimit = sky::kDefaultStarNameLimit;
    //: The language of the constellation and star names on the drawings: ja, en or la.
    o.language = sky::languageNamed(tr("ja").toStdString()).value_or(sky::Language::English);
    return o;
}

QCheckBox* SkyLayerChecks::box(const QString& objectName) const
{
    return findChild<QCheckBox*>(objectName, Qt::FindDirectChildrenOnly);
}

sky::SkyRequest skyRequest(const SkyLayerChecks* checks)
{
    return checks ? skyRequest(checks->options()) : sky::SkyRequest{};
}

sky::SkyRequest skyRequest(const sky::SkyLayerOptions& layers)
{
    sky::SkyRequest request;
    request.layers = layers;
    if (request.layers.any())
        request.data = sky::loadSkyDataCached((appdata::bundledDataFolder() / "sky").string(), request.layers);
    return request;
}

} // namespace ui
