// The layout all practical-volume screens share.
#include "practical.h"

namespace solids {

using namespace solver;

SolverScreen practicalScreen(PracticalScreen p)
{
    SolverScreen s{
        .name = std::move(p.name),
        .caption = std::move(p.caption),
        .parent = "Form29",
        .title = std::move(p.title),
        .knownHeading = { "Label2(0)", "Devi conoscere :" },
        .knownList = std::move(p.knownList),
        .description = { "Label3", std::move(p.description) },
        .resultsHeading = { "Label2(1)", "Risultati :" },
        .rows = std::move(p.rows),
        .quantities = std::move(p.quantities),
        .hectolitres = p.hectolitres,
        .formulaHeading = { std::move(p.formulaHeading), "Formula applicata:" },
        .formulaLabels = { "Label2(3)" },
        .solvers = { { .name = "Command1", .steps = std::move(p.calcola) } },
        .stampaButton = { "Command2", "Stampa" },
        .ritornaButton = { std::move(p.ritorna), "Ritorna" },
        .esciButton = { std::move(p.esci), "Esci" },
        .figure = std::move(p.figure),
    };
    if (!p.picture.empty())
        s.picture = { "Picture1", std::move(p.picture) };
    return s;
}

} // namespace solids
