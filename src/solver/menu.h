// The description of a menu screen: what it shows and which screen each of
// its controls opens. The desktop builds its menu windows from it and the web
// edition renders the same data.
#pragma once

#include "screen.h"

#include <string>
#include <vector>

namespace solver {

// A picture, its caption and a "Vai" button that opens a screen.
struct MenuEntry {
    std::string picture;     // control name of the picture
    std::string asset;       // its SVG
    std::string label;       // control name of the caption label
    std::string text;        // caption, shown as is
    std::string button;      // control name of "Vai"
    std::string opens;       // screen shown by "Vai"
    bool keepMenu = false;   // the menu stays visible beside it
    int row = 0, column = 0; // cell of the entries grid
};

// A label or picture that opens a screen when clicked.
struct MenuClick {
    std::string control;
    std::string opens;
};

// An option button; the menu's option button "Vai" opens the selected one.
struct MenuOption {
    std::string name;
    std::string text;
    std::string opens;
};

struct Menu {
    std::string name;    // "Form1"
    std::string caption; // window caption
    std::string parent;  // screen shown by "Ritorna"; empty: closing ends the program

    Control heading = {};    // large centred title
    Control subheading = {}; // a plain line under it
    std::vector<MenuOption> options = {};
    Control optionButton = {}; // "Vai" for the selected option
    std::vector<MenuEntry> entries = {};
    std::vector<MenuClick> clicks = {};

    Control note = {}; // a label in the row of the common buttons
    Control stampaButton = {};
    bool stampaPrints = true; // false: "Stampa" is shown and does nothing
    Control ritornaButton = {};
    Control esciButton = {};
};

} // namespace solver
