#include "choices.h"

#include "solver/texts.h"

#include <QSettings>

namespace ui {

namespace {

const QString kUnitKey = QStringLiteral("scelte/unita");
const QString kDecimalsKey = QStringLiteral("scelte/decimali");
const QString kWeightKey = QStringLiteral("scelte/pesoSpecifico");
const QString kMaterialKey = QStringLiteral("scelte/materiale");

QString q(const std::string &s)
{
    return QString::fromStdString(s);
}

// A number written with a point, under the separator of `format`, and back.
std::string withSeparator(std::string text, const std::string &from, const std::string &to)
{
    const auto at = text.find(from);
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

} // namespace

Choices::Choices() = default;

Choices::Choices(std::unique_ptr<QSettings> settings, const solver::NumberFormat &format)
    : m_settings(std::move(settings)), m_format(format)
{
    load(format);
}

Choices::~Choices() = default;

std::unique_ptr<QSettings> Choices::userSettings()
{
    return std::make_unique<QSettings>(QStringLiteral("CORPIMETRO"), QStringLiteral("CORPIMETRO"));
}

// What cannot be read (a file edited by hand, a locale changed) is left at
// its default.
void Choices::load(const solver::NumberFormat &format)
{
    if (!m_settings)
        return;
    if (auto unit = solver::unitFromName(m_settings->value(kUnitKey).toString().toStdString()))
        m_preferences.unit = *unit;
    bool ok = false;
    const int decimals = m_settings->value(kDecimalsKey).toInt(&ok);
    if (ok && decimals >= solver::Preferences::kAllDecimals
        && decimals <= solver::Preferences::kMaxDecimals)
        m_preferences.decimals = decimals;
    const std::string weight =
        withSeparator(m_settings->value(kWeightKey).toString().toStdString(), ".", format.decimal);
    if (auto entry = readWeight(q(weight), format)) {
        m_preferences.specificWeight = entry->weight;
        const QString material = m_settings->value(kMaterialKey).toString();
        for (const auto &m : solver::materials())
            if (q(m.name) == material && withSeparator(m.value, ".", format.decimal) == weight)
                m_material = material;
    }
}

void Choices::save() const
{
    if (!m_settings)
        return;
    m_settings->setValue(kUnitKey, q(solver::unitName(m_preferences.unit)));
    m_settings->setValue(kDecimalsKey, m_preferences.decimals);
    m_settings->setValue(kWeightKey,
                         q(withSeparator(m_preferences.specificWeight, m_format.decimal, ".")));
    m_settings->setValue(kMaterialKey, m_material);
    m_settings->sync();
}

void Choices::setPreferences(const solver::Preferences &preferences, const QString &material)
{
    if (preferences == m_preferences && material == m_material)
        return;
    m_preferences = preferences;
    m_material = material;
    save();
    emit changed();
}

void Choices::setUnit(solver::Unit unit)
{
    auto p = m_preferences;
    p.unit = unit;
    setPreferences(p, m_material);
}

void Choices::setDecimals(int decimals)
{
    auto p = m_preferences;
    p.decimals = decimals;
    setPreferences(p, m_material);
}

void Choices::setSpecificWeight(const std::string &weight, const QString &material)
{
    auto p = m_preferences;
    p.specificWeight = weight;
    setPreferences(p, material);
}

QString materialEntry(const solver::Material &material, const solver::NumberFormat &format)
{
    return q(material.name) + QStringLiteral(" (")
           + q(withSeparator(material.value, ".", format.decimal)) + QLatin1Char(')');
}

std::optional<WeightEntry> readWeight(const QString &text, const solver::NumberFormat &format)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t == QString::fromUtf8(solver::texts::weightPlaceholder))
        return WeightEntry{};
    for (const auto &m : solver::materials())
        if (t.compare(q(m.name), Qt::CaseInsensitive) == 0 || t == materialEntry(m, format))
            return WeightEntry{ withSeparator(m.value, ".", format.decimal), q(m.name) };
    const solver::Reading r = solver::readNumber(t.toStdString(), format);
    if (!r.isNumber() || !(r.value > 0))
        return std::nullopt;
    return WeightEntry{ t.toStdString(), {} };
}

QString weightShown(const std::string &weight, const QString &material,
                    const solver::NumberFormat &format)
{
    for (const auto &m : solver::materials())
        if (q(m.name) == material && withSeparator(m.value, ".", format.decimal) == weight)
            return materialEntry(m, format);
    return q(weight);
}

} // namespace ui
