// The article code sections at scale: company 1 has two coded sub-codes of 1,000 values each and 4
// languages besides ITA (8,000 language rows, a quarter of them described).
#include "console_bench.h"

#include "suite/framework/combo_model.h"
#include "suite/framework/grid_model.h"

namespace {

const char* const population = R"(
INSERT OR IGNORE INTO MG52_LINGUE (MG52_CODLINGUA, MG52_DESCRLINGUA, MG52_SIGLALINGUA) VALUES
    ('ITA', 'Italiano', 'IT'), ('ENG', 'Inglese', 'EN'), ('FRA', 'Francese', 'FR'), ('DEU', 'Tedesco', 'DE'),
    ('SPA', 'Spagnolo', 'ES');
INSERT INTO MG47_PARMAGLINGUE (MG47_DITTA_CG18, MG47_CODLINGUA_MG52) VALUES
    (1, 'ITA'), (1, 'ENG'), (1, 'FRA'), (1, 'DEU'), (1, 'SPA');
INSERT INTO MG50_PARMAGAZ (MG50_DITTA_CG18, MG50_INDCODART) VALUES (1, 1);
INSERT INTO MG6F_DIMEART (MG6F_DITTA_CG18, MG6F_PROGR, MG6F_DESCR, MG6F_SIZE, MG6F_INDCODIFICA) VALUES
    (1, 1, 'Famiglia', 4, 1), (1, 2, 'Linea', 4, 1), (1, 3, 'Numero', 6, 2);
WITH RECURSIVE N(I) AS (SELECT 1 UNION ALL SELECT I + 1 FROM N WHERE I < 1000)
INSERT INTO MG6E_SUBCODART (MG6E_DITTA_CG18, MG6E_PROGR_MG6F, MG6E_SUBCODICE, MG6E_DESCR)
    SELECT 1, MG6F_PROGR, printf('%04d', I), printf('Valore %04d', I) FROM MG6F_DIMEART, N
    WHERE MG6F_INDCODIFICA = 1;
INSERT INTO MG6I_SUBCODARTLING (MG6I_DITTA_CG18, MG6I_PROGR_MG6F, MG6I_SUBCODICE_MG6E, MG6I_LINGUA_MG52, MG6I_DESCR)
    SELECT 1, MG6E_PROGR_MG6F, MG6E_SUBCODICE, MG52_CODLINGUA, MG52_SIGLALINGUA || ' ' || MG6E_DESCR
    FROM MG6E_SUBCODART, MG52_LINGUE
    WHERE MG52_CODLINGUA <> 'ITA' AND CAST(MG6E_SUBCODICE AS INTEGER) % 4 = 0;
)";

// The console of company 1, shown on a section of the article group.
struct Console : console_bench::Console {
    explicit Console(const char* item)
        : console_bench::Console(console_bench::runDatabase(QStringLiteral("articles.db"), false, population), 1) {
        click(item);
    }
    void click(const char* item) const { console_bench::Console::click("GRPCONART", item); }
};

// Showing the language section: the working table emptied and refilled with 8,000 rows, then read.
void OpenLanguageSection(benchmark::State& state) {
    Console console("ITMDESLINART");
    for (auto _ : state)
        console.click("ITMDESLINART");
    state.counters["rows"] = console.control<suite::GridModel>("GRD_LINGUASUBART")->rowCount();
}
BENCHMARK(OpenLanguageSection)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// One description typed: the whole working table written back (one statement per empty row, two per
// described one).
void EditOneDescription(benchmark::State& state) {
    Console console("ITMDESLINART");
    const auto grid = console.control<suite::GridModel>("GRD_LINGUASUBART");
    int round = 0;
    for (auto _ : state)
        grid->editCell(1, QStringLiteral("TBL_DESCRIZIONE"), QStringLiteral("testo %1").arg(++round));
}
BENCHMARK(EditOneDescription)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Choosing a sub-code type of 1,000 values: its frame rebuilt.
void ChooseSubCodeType(benchmark::State& state) {
    Console console("ITMSUBCOD");
    const auto types = console.control<suite::ComboModel>("CBO_PROGRSUBCODART");
    int index = 0;
    for (auto _ : state)
        types->pick(++index % 2);
}
BENCHMARK(ChooseSubCodeType)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
