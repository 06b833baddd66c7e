#include "ui/sky_layer_checks.h"

#include "appdata/data_folder.h"
#include "sky/sky_data_cache.h"
#include "ui/language.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>

namespace ui {

sky::Language namesLanguageOf(Language shown)
{
    switch (shown) {
    case Language::Japanese: return sky::Language::Japanese;
    case Language::Spanish: return sky::Language::Spanish;
    case Language::English: break;
    }
    return sky::Language::English;
}

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

    m_language = new QComboBox(this);
    m_language->setObjectName(QStringLiteral("SkyNamesLanguage"));
    m_language->setToolTip(tr("星座名の言語（最初はこの画面の言語）"));
    m_language->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (const sky::NameLanguage& l : sky::kNameLanguages)
        m_language->addItem(QString::fromUtf8(l.ownName), QString::fromLatin1(l.code));
    const char* initial = sky::languageCode(namesLanguageOf(interfaceLanguage()));
    m_language->setCurrentIndex(m_language->findData(QString::fromLatin1(initial)));
    row->addWidget(m_language);
    connect(m_language, &QComboBox::currentIndexChanged, this, &SkyLayerChecks::changed);
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
    o.language = sky::languageNamed(m_language->currentData().toString().toStdString()).value_or(sky::Language::English);
    return o;
}

QCheckBox* SkyLayerChecks::box(const QString& objectName) const
{
    return findChild<QCheckBox*>(objectName, Qt::FindDirectChildrenOnly);
}

sky::SkyLayerOptions skyLayersOf(const SkyLayerChecks* checks)
{
    if (checks)
        return checks->options();
    sky::SkyLayerOptions none;
    none.language = namesLanguageOf(interfaceLanguage());
    return none;
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
