// The choices of the row above "Stampa" (unit, decimals, specific weight),
// one for the whole program: every solver screen shows the same and a change
// made on one shows on all the others.
#pragma once

#include "solver/numberformat.h"
#include "solver/units.h"

#include <QObject>
#include <QSettings>
#include <QString>

#include <memory>
#include <optional>

namespace ui {

class Choices : public QObject {
    Q_OBJECT
public:
    // Kept in memory only, starting from the defaults: the script runner and
    // the tests never read or write the choices a person saved.
    Choices();
    // Read from `settings` now, written back there at every change. The
    // specific weight is kept with a point and shown with the separator of
    // `format`.
    Choices(std::unique_ptr<QSettings> settings, const solver::NumberFormat &format);
    ~Choices() override;

    // Where the program keeps a person's choices between runs.
    static std::unique_ptr<QSettings> userSettings();

    const solver::Preferences &preferences() const { return m_preferences; }
    // The material the specific weight was picked as ("ferro"); empty when
    // it was typed as a number.
    const QString &material() const { return m_material; }

    void setPreferences(const solver::Preferences &preferences, const QString &material = {});
    void setUnit(solver::Unit unit);
    void setDecimals(int decimals);
    void setSpecificWeight(const std::string &weight, const QString &material = {});

signals:
    // Sent once for each change, after it is made.
    void changed();

private:
    void load(const solver::NumberFormat &format);
    void save() const;

    solver::Preferences m_preferences;
    QString m_material;
    std::unique_ptr<QSettings> m_settings;
    solver::NumberFormat m_format;
};

// A specific weight as "Peso specifico" takes it: a material of the list
// ("ferro", or its entry "ferro (7,8)"), a positive number typed under
// `format`, or nothing (empty, or "nessuno"). Gives the number as the choice
// keeps it ("7,8") and the material, if any; nullopt for anything else.
struct WeightEntry {
    std::string weight;
    QString material;
};
std::optional<WeightEntry> readWeight(const QString &text, const solver::NumberFormat &format);

// A material as the list shows it: "ferro (7,8)".
QString materialEntry(const solver::Material &material, const solver::NumberFormat &format);

// What the box shows for a choice: the entry of its material, else the
// number as typed; empty for none.
QString weightShown(const std::string &weight, const QString &material,
                    const solver::NumberFormat &format);

} // namespace ui
