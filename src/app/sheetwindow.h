// The screen that makes exercise sheets: the solids to draw from, how many
// exercises and what data, the unit, the decimals of the key and the sheet's
// number; "Anteprima" shows the sheet and its key, "Stampa" prints them.
#pragma once

#include "sheets/sheet.h"
#include "ui/screenwindow.h"

#include <QList>

#include <cstdint>
#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace app {

class SheetWindow : public ui::ScreenWindow {
    Q_OBJECT
public:
    // `seed` is the sheet's number shown at first.
    SheetWindow(ui::Navigator &nav, std::uint32_t seed);

    // The settings on screen: the solids ticked, in the order shown.
    sheets::Settings settings() const;

    // A choice as shown: "Quanti" ("6"), "Unita" ("cm"), "Decimali" ("2"),
    // "Numero" ("1"); empty for any other name.
    QString choice(const QString &name) const;
    // Sets a choice to an option it offers, written as choice() shows it;
    // false, changing nothing, for an option not offered or another name.
    bool choose(const QString &name, const QString &option);
    // The names of the choices, in the order shown.
    static QStringList choiceNames();

    // The sheet made last, if any.
    const std::optional<sheets::Sheet> &lastSheet() const { return m_sheet; }

    // Makes the sheet of the settings on screen, then shows it in a preview
    // (`preview`) or prints it; with no solid ticked, says so instead.
    void makeSheet(bool preview);

protected:
    void closeRequested() override;

private:
    // Ticks or unticks a family's solids with its "tutti" box, and keeps
    // "tutti" ticked exactly when all its solids are.
    void allToggled(int family, bool on);
    void solidToggled(int family);
    // The seed typed, or the last valid one when the field holds none.
    std::uint32_t seed() const;

    struct FamilyBoxes {
        QCheckBox *all = nullptr;
        QList<QCheckBox *> solids;
    };
    QList<FamilyBoxes> m_families;
    QSpinBox *m_count = nullptr;
    QRadioButton *m_whole = nullptr;
    QRadioButton *m_oneDecimal = nullptr;
    QComboBox *m_unit = nullptr;
    QComboBox *m_decimals = nullptr;
    QLineEdit *m_seed = nullptr;
    std::uint32_t m_lastSeed = 1;
    bool m_syncing = false;
    std::optional<sheets::Sheet> m_sheet;
};

} // namespace app
