// The words both editions show around the screens' own texts: the prefixes
// of the accessible names, the worked solution's button, tooltip and
// placeholder, and the name a screen reader gives each control. The desktop
// and the web page take them from here, so that they say the same.
#pragma once

#include "menu.h"
#include "screen.h"

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace solver {

namespace texts {
// The menus' button beside each entry.
inline constexpr char go[] = "Vai";
// The button of every solver screen that shows the worked solution; also its
// control name.
inline constexpr char solution[] = "Svolgimento";
inline constexpr char solutionTip[] = "Mostra i passaggi dell'ultimo calcolo, con i tuoi numeri";
// Before the screen's caption in the title of the worked solution.
inline constexpr char solutionTitlePrefix[] = "Svolgimento \u2013 ";
// What the worked solution shows before any press.
inline constexpr char solutionEmpty[] =
    "Spunta i dati che conosci e premi il pulsante di calcolo: qui "
    "compariranno i passaggi, con i tuoi numeri.";
// A window's own close control (the web page draws it).
inline constexpr char close[] = "Chiudi";
// Before the solid's name in the name of a picture without words of its own.
inline constexpr char figure[] = "Figura: ";

// The row of choices beside "Stampa", the same on every solver screen: the
// captions (with the Alt letter after "&"), the control names a script
// chooses by, and what a screen reader says of each.
inline constexpr char unitCaption[] = "&Unità:";
inline constexpr char unitControl[] = "Unita";
inline constexpr char unitTip[] = "L'unità di misura dei dati: i risultati la mostrano";
inline constexpr char decimalsCaption[] = "&Decimali:";
inline constexpr char decimalsControl[] = "Decimali";
inline constexpr char decimalsTip[] =
    "Quanti decimali mostrano i risultati (i calcoli li usano tutti)";
inline constexpr char weightCaption[] = "&Peso specifico:";
inline constexpr char weightControl[] = "PesoSpecifico";
inline constexpr char weightTip[] =
    "Il peso specifico del materiale, in g/cm³ (è anche kg/dm³ e t/m³): dà il peso del solido";
inline constexpr char weightNeedsUnit[] = "Scegli prima l'unità di misura dei dati";
inline constexpr char weightPlaceholder[] = "nessuno";
// Said when what was typed is no specific weight; the choice stays as it was.
inline constexpr char weightInvalid[] =
    "Non è un peso specifico: scrivi un numero maggiore di zero o scegli un materiale";

// The 3D figure in the picture's place: the toggle (with its Alt letter) and
// its control name, the button that turns the solid back, and what the view
// says of itself.
inline constexpr char figureToggleCaption[] = "&Figura 3D";
inline constexpr char figureToggleControl[] = "Figura3D";
inline constexpr char figureToggleTip[] =
    "Mostra il solido calcolato in 3D, in scala, al posto del disegno";
inline constexpr char figureResetCaption[] = "Vista iniziale";
inline constexpr char figureResetControl[] = "VistaIniziale";
inline constexpr char figureViewName[] = "Figura 3D";
inline constexpr char figureViewTip[] =
    "Trascina o usa le frecce per ruotare il solido; Home lo riporta alla vista iniziale";

// The results every screen with a volume adds: capacity and weight, their
// captions and control names.
inline constexpr char capacityCaption[] = "Capacità =";
inline constexpr char capacityControl[] = "Capacita";
inline constexpr char capacityCaptionControl[] = "CapacitaDidascalia";
inline constexpr char weightResultCaption[] = "Peso (P) =";
inline constexpr char weightResultControl[] = "Peso";
inline constexpr char weightResultCaptionControl[] = "PesoDidascalia";
} // namespace texts

// (key, text) pairs, in a fixed order.
using TextPairs = std::vector<std::pair<std::string, std::string>>;

// The fixed texts above, keyed by their names here.
TextPairs fixedTexts();

// A caption as a screen reader should say it: blanks collapsed and trimmed,
// and the trailing "=" of a result caption dropped ("Spigolo (s)     =" ->
// "Spigolo (s)").
std::string spokenName(std::string_view caption);

// The text in lower case (ASCII and the accented Latin-1 capitals).
std::string lowerCase(std::string_view text);

// A button named after what it acts on: "Calcola: cubo", "Vai: cilindro
// equilatero"; just its text when `what` says nothing.
std::string actingOn(std::string_view buttonText, std::string_view what);

// A menu entry's "Vai": "Vai: Cubo".
std::string goName(std::string_view entryText);

// A picture of `solid`: "Figura: Cubo".
std::string figureName(std::string_view solid);

// The solid a screen is about: its title, else its caption, as spoken.
std::string solidName(const SolverScreen &screen);

// The worked solution's window or dialog: "Svolgimento – Cubo".
std::string solutionTitle(std::string_view caption);

// The solid the worked solution names in its title and worksheet: the
// screen's caption, or its title text (as written) when the caption is empty
// or only an internal name (the screen's own name, or "Form" and digits).
std::string solutionSubject(std::string_view caption, std::string_view screenName,
                            std::string_view title);

// A result (row counted from 1) while its caption is empty: its quantity,
// else "Risultato 2".
std::string resultFallback(int row, std::string_view quantity);

// Formula label `index` (from 1) of `count`: "Formule applicate", or
// "Formule applicate 2" where there are several.
std::string formulaFallback(std::size_t index, std::size_t count);

// The close control of a window: "Chiudi Cubo".
std::string closeName(std::string_view caption, std::string_view screenName);

// The spoken name of every control of the screen whose name is fixed when it
// is built (buttons, tick boxes, text boxes, pictures, and the fallbacks of
// the results and formulas), by control name. `captionOf` gives the caption
// of a screen a button opens.
TextPairs spokenNames(const SolverScreen &screen,
                      const std::function<std::string(const std::string &)> &captionOf);

// The same for a menu: its buttons, options and pictures.
TextPairs spokenNames(const Menu &menu);

} // namespace solver
