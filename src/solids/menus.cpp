#include "menus.h"

namespace solids {

namespace {

using solver::Menu;
using solver::MenuEntry;

// Lays entries out in rows of `perRow`, in the order given.
std::vector<MenuEntry> grid(std::vector<MenuEntry> entries, int perRow, int firstRow = 0)
{
    for (std::size_t i = 0; i < entries.size(); ++i) {
        entries[i].row = firstRow + static_cast<int>(i) / perRow;
        entries[i].column = static_cast<int>(i) % perRow;
    }
    return entries;
}

Menu mainMenu()
{
    auto entries = grid(
        {
            { "Picture1", "prisma-retto.svg", "Label4(1)", "Prisma retto", "Command8", "Form14" },
            { "Picture2", "solidi-particolari.svg", "Label10(1)", "Volumi di Solidi particolari",
              "Command12", "Form29" },
            { "Picture3", "tronco-cono.svg", "Label10(0)", "Tronco di cono", "Command11",
              "Form26" },
            { "Picture4", "poliedri.svg", "Label7", "Poliedri regolari", "Command7", "Form27" },
            { "Picture5", "tronco-piramide.svg", "Label2(1)", "Tronco di piramide", "Command9",
              "Form24" },
        },
        5);
    // The exercise sheets fill the cell the top row leaves empty.
    entries.push_back(
        { "Picture12", "schede.svg", "Label11", "Schede di esercizi", "Command13", "Schede" });
    entries.back().row = 0;
    entries.back().column = 5;
    const auto bottom = grid(
        {
            { "Picture6", "cilindro.svg", "Label4(0)", "Cilindro", "Command2", "Form2", true },
            { "Picture7", "cubo.svg", "Label1", "Cubo", "Command3", "Form3", true },
            { "Picture8", "parallelepipedo.svg", "Label2(0)", "parallelepipedo", "Command4",
              "form4", true },
            { "Picture9", "piramide.svg", "Label3", "Piramide", "Command5", "form5" },
            { "Picture10", "cono.svg", "Label5(0)", "Cono", "Command6", "Form12" },
            { "Picture11", "sfera.svg", "Label9", "Sfera e parti sferiche", "Command10", "Form13" },
        },
        6, 1);
    entries.insert(entries.end(), bottom.begin(), bottom.end());
    return {
        .name = "Form1",
        .caption = "CORPIMETRO",
        .parent = "",
        .heading = { "Label6", "CORPIMETRO" },
        .entries = entries,
        // Both captions of the label array Label4 open the cylinder.
        .clicks = { { "Label4(0)", "Form2" }, { "Label4(1)", "Form2" } },
        .note = { "Label8", "Calcolatore di geometria solida: spunta i dati che conosci, premi "
                            "\"Calcola\" e leggi tutti gli altri." },
        .esciButton = { "Command1", "Esci" },
    };
}

Menu pyramidMenu()
{
    return {
        .name = "form5",
        .caption = "PIRAMIDE ",
        .parent = "Form1",
        .heading = { "Label1", "PIRAMIDE RETTA" },
        .subheading = { "Label3", "La base della Piramide è un:" },
        .options = { { "Option1", "Triangolo equilatero", "Form9" },
                     { "Option2", "Quadrato", "form6" },
                     { "Option3", "Rettangolo", "Form7" },
                     { "Option4", "Trapezio isoscele", "Form8" },
                     { "Option5", "Pentagono", "Form10" },
                     { "Option6", "Esagono", "Form11" } },
        .optionButton = { "Command3", "Vai" },
        .ritornaButton = { "Command2", "Ritorna" },
        .esciButton = { "Command1", "Esci" },
    };
}

Menu sphereMenu()
{
    return {
        .name = "Form13",
        .caption = "SFERA",
        .parent = "Form1",
        .entries = grid(
            {
                { "Picture1", "sfera.svg", "Label7(1)", " Sfera", "Command3", "Form38" },
                { "Picture2", "calotta.svg", "Label7(0)", "Calotta sferica", "Command4", "Form39" },
                { "Picture3", "fuso.svg", "Label7(2)", " Fuso sferico", "Command6", "Form41" },
                { "Picture4", "zona.svg", "Label1", "Zona sferica", "Command7", "Form40" },
            },
            4),
        // This menu's "Stampa" does nothing.
        .stampaButton = { "Command5", "Stampa" },
        .stampaPrints = false,
        .ritornaButton = { "Command2", "Ritorna" },
        .esciButton = { "Command1", "Esci" },
    };
}

Menu prismMenu()
{
    Menu m{
        .name = "Form14",
        .caption = "PRISMA",
        .parent = "Form1",
        .heading = { "Label1", "PRISMI RETTI CON BASE POLIGONI REGOLARI " },
        .entries = grid(
            {
                { "Picture1", "prisma-3.svg", "Label2(0)", "Prisma triangolare", "Command3",
                  "Form15" },
                { "Picture9", "prisma-4.svg", "Label2(1)", "Prisma Quadrangolare", "Command4",
                  "Form16" },
                { "Picture2", "prisma-5.svg", "Label2(2)", "Prisma Pentagonale", "Command5",
                  "Form17" },
                { "Picture3", "prisma-6.svg", "Label2(3)", "Prisma esagonale", "Command6",
                  "Form18" },
                { "Picture4", "prisma-7.svg", "Label2(4)", "Prisma ettagonale", "Command7",
                  "Form19" },
                { "Picture5", "prisma-8.svg", "Label2(5)", "Prisma ottagonale", "Command8",
                  "Form20" },
                { "Picture6", "prisma-9.svg", "Label2(6)", "Prisma ennagonale", "Command9",
                  "Form21" },
                { "Picture7", "prisma-10.svg", "Label2(7)", "Prisma decagonale", "Command10",
                  "Form22" },
                { "Picture8", "prisma-11.svg", "Label2(8)", "Prisma endecagonale", "Command11",
                  "Form23" },
                { "Picture10", "prisma-12.svg", "Label2(9)", "Prisma dodedagonale", "Command12",
                  "Form25" },
            },
            5),
        .ritornaButton = { "Command2", "Ritorna" },
        .esciButton = { "Command1", "Esci" },
    };
    // Every caption of the label array opens the triangular prism.
    for (const auto &e : m.entries)
        m.clicks.push_back({ e.label, "Form15" });
    m.clicks.push_back({ "Picture1", "Form15" });
    m.clicks.push_back({ "Picture9", "Form16" });
    return m;
}

Menu practicalMenu()
{
    return {
        .name = "Form29",
        .caption = "SOLIDI PARTICOLARI",
        .parent = "Form1",
        .heading = { "Label1", "VOLUMI DI SOLIDI PARTICOLARI" },
        .entries = grid(
            {
                { "Picture1", "trincea.svg", "Label10(0)", "Trincea", "Command4", "Form28" },
                { "Picture2", "biga.svg", "Label10(1)", "Biga", "Command5", "Form31" },
                { "Picture3", "pagliaio.svg", "Label10(2)", "Pagliaio", "Command6", "Form30" },
                { "Picture4", "meda.svg", "Label10(3)", "Mucchio Piramidale o Meda", "Command7",
                  "Form32" },
                { "Picture5", "botte.svg", "Label10(4)", "Botte", "Command8", "Form33" },
                { "Picture6", "botte-ellittica.svg", "Label10(5)", "Botte Ellittica", "Command9",
                  "Form34" },
                { "Picture7", "prismoide.svg", "Label10(6)", "Prismoide", "Command10", "Form36" },
                { "Picture8", "cavalla.svg", "Label10(7)", "Mucchio Prismatico o Cavalla",
                  "Command11", "Form35" },
            },
            4),
        .stampaButton = { "Command3", "Stampa" },
        .ritornaButton = { "Command2", "Ritorna" },
        .esciButton = { "Command1", "Esci" },
    };
}

} // namespace

const std::vector<solver::Menu> &menus()
{
    static const std::vector<solver::Menu> all = { mainMenu(), pyramidMenu(), sphereMenu(),
                                                   prismMenu(), practicalMenu() };
    return all;
}

const solver::Menu *findMenu(const std::string &name)
{
    for (const auto &m : menus())
        if (m.name == name)
            return &m;
    return nullptr;
}

} // namespace solids
