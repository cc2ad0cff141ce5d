// The one window every solver screen is built from, after its description.
#pragma once

#include "screenwindow.h"

#include "solver/calc.h"
#include "solver/screen.h"

#include <QPointer>
#include <QStringList>

class QBoxLayout;
class QComboBox;
class QLabel;
class QPushButton;

namespace ui {

class Choices;
class FigureView;
class LiveLabel;
class ValueLabel;
class SolutionWindow;
struct WorksheetContent;
enum class Worksheet;

class SolverWindow : public ScreenWindow, public solver::Host {
    Q_OBJECT
public:
    // `choices` are the unit, decimals and specific weight every screen shares.
    SolverWindow(const solver::SolverScreen &screen, Navigator &navigator, Choices &choices);

    // Runs a solving button ("Calcola", or one of several "Vai").
    void solve(const solver::SolveButton &button);

    // solver::Host
    bool ticked(const std::string &control) const override;
    std::string prompt(const std::string &text, const std::string &unit) override;
    void message(const std::string &text) override;
    void setText(const std::string &control, const std::string &text) override;
    void failure(const solver::CalcError &error) override;
    solver::NumberFormat numberFormat() const override;
    solver::Preferences preferences() const override;
    void solved(const solver::Solution &solution) override;
    void figured(const solver::Figure &figure) override;

    // The 3D figure of the last press, and whether it stands in the
    // picture's place ("Figura 3D").
    FigureView *figureView() const { return m_figure; }
    bool figureShown() const;
    void showFigure(bool shown);

    // Makes a choice of the row as a person does: `control` is "Unita",
    // "Decimali" or "PesoSpecifico"; `option` one the list offers ("cm", "2",
    // "tutti"), or for the specific weight a material ("ferro") or a number
    // typed under the locale. False when the control offers no such option.
    // A specific weight chosen while no unit is chosen changes nothing, as
    // the box is disabled then.
    bool choose(const QString &control, const QString &option);

    // The worked solution of the last press, as lines ("Svolgimento").
    QStringList solution() const { return m_solution; }
    // The line under the solving buttons: what to do next after the last
    // press (solver::hint); empty before any press, while a press runs, and
    // when there is nothing to say.
    QString hint() const;
    // Opens (or raises) the window that shows it and follows each press.
    SolutionWindow *showSolution();
    // Prints the one-page worksheet of the last press: its answer key, or
    // the exercise to hand out.
    void printWorksheet();
    void printWorksheet(Worksheet version);
    // What the worksheet and "Copia" hold after the last press.
    WorksheetContent worksheet() const;

protected:
    void closeRequested() override;
    // The worked solution goes with its screen ("Ritorna", "Esci").
    void hideEvent(QHideEvent *event) override;

private:
    void validate() const;

    // The window is built top to bottom, in these steps.
    void build();
    void addTitle(QBoxLayout *outer);
    void addSolidsRow(QBoxLayout *outer);
    void addDescription(QBoxLayout *outer);
    void addPictures(QBoxLayout *middle);
    void addFigure(QBoxLayout *pictures);
    QWidget *makeExtra(const solver::Extra &extra);
    void addKnown(QBoxLayout *middle);
    void addResults(QBoxLayout *middle);
    void addHint(QBoxLayout *outer);
    void addFormulas(QBoxLayout *outer);
    void addChoices(QBoxLayout *outer);
    void addCommonButtons(QBoxLayout *outer);
    void setKeyboardOrder();

    // The row and the capacity and weight as the choices now are: called as
    // they change, never during a press.
    void showChoices();
    // Takes what the specific weight's box holds, or says why it cannot.
    bool takeWeight();
    // Shows the specific weight chosen in its box.
    void showWeight();

    QPushButton *solveButton(const solver::SolveButton &button);
    // The spoken name of the screen's pictures: "Figura: " and the solid.
    QString figureName() const;
    // What the worked solution's title and worksheet name: the caption, or
    // the title text when the caption is empty or only an internal name.
    QString solutionSubject() const;
    // Puts the worked solution's window beside this one, on the screen.
    void placeSolution();

    const solver::SolverScreen &m_screen;
    QStringList m_solution;
    LiveLabel *m_hint = nullptr;
    QString m_solvedPicture; // the figure of the solid the last press solved
    const solver::SolveButton *m_solvedButton = nullptr;
    solver::Solution m_lastSolution;
    QPointer<SolutionWindow> m_solutionWindow;
    // Placed beside the screen once; afterwards it keeps its own geometry.
    bool m_solutionPlaced = false;
    // Controls in keyboard order, collected while building.
    QList<QWidget *> m_solveButtons, m_values, m_extraButtons, m_choiceControls, m_commonButtons;

    Choices &m_choices;
    QComboBox *m_unit = nullptr;
    QComboBox *m_decimals = nullptr;
    QComboBox *m_weight = nullptr;
    QLabel *m_weightCaption = nullptr;
    // The capacity and weight rows of a screen with a volume.
    QLabel *m_capacityCaption = nullptr, *m_weightResultCaption = nullptr;
    ValueLabel *m_capacity = nullptr, *m_weightResult = nullptr;
    // Each result and its quantity, to keep room for its unit.
    QList<QPair<ValueLabel *, std::string>> m_results;
    QString m_longest; // the longest number shown
    // The 3D figure, its toggle and the button that turns it back; the
    // picture it stands in place of (absent on some screens).
    FigureView *m_figure = nullptr;
    QPushButton *m_figureToggle = nullptr, *m_figureReset = nullptr;
    QWidget *m_picture = nullptr;
};

} // namespace ui
