// The option sections at scale: company 1 has 20 dimensions of 200 options and 4 languages besides ITA
// (16,000 language rows, half of them described); company 2 has one dimension of 5,000 options.
#include "console_bench.h"

#include "suite/framework/edit_model.h"
#include "suite/framework/grid_model.h"
#include "suite/framework/grid_navigator_model.h"

namespace {

const char* const population = R"(
INSERT OR IGNORE INTO MG52_LINGUE (MG52_CODLINGUA, MG52_DESCRLINGUA, MG52_SIGLALINGUA) VALUES
    ('ITA', 'Italiano', 'IT'), ('ENG', 'Inglese', 'EN'), ('FRA', 'Francese', 'FR'), ('DEU', 'Tedesco', 'DE'),
    ('SPA', 'Spagnolo', 'ES');
INSERT INTO MG47_PARMAGLINGUE (MG47_DITTA_CG18, MG47_CODLINGUA_MG52) VALUES
    (1, 'ITA'), (1, 'ENG'), (1, 'FRA'), (1, 'DEU'), (1, 'SPA');
WITH RECURSIVE N(I) AS (SELECT 0 UNION ALL SELECT I + 1 FROM N WHERE I < 19)
INSERT INTO MG5F_DIMECONF (MG5F_DITTA_CG18, MG5F_CODICEVAR, MG5F_DESCR_VAR, MG5F_SIZE)
    SELECT 1, CASE WHEN I < 10 THEN 'A' ELSE 'B' END || (I % 10), 'DIMENSIONE ' || I, 1 FROM N;
WITH RECURSIVE N(I) AS (SELECT 1 UNION ALL SELECT I + 1 FROM N WHERE I < 200)
INSERT INTO MG5E_OPZIONI (MG5E_DITTA_CG18, MG5E_CODICEVAR_MG5F, MG5E_OPZIONE, MG5E_DESCR)
    SELECT 1, MG5F_CODICEVAR, printf('O%03d', I), printf('Opzione %03d', I) FROM MG5F_DIMECONF, N
    WHERE MG5F_DITTA_CG18 = 1;
INSERT INTO MG5I_OPZLINGUA (MG5I_DITTA_CG18, MG5I_CODICEVAR_MG5F, MG5I_OPZIONE_MG5E, MG5I_LINGUA_MG52, MG5I_DESCR)
    SELECT 1, MG5E_CODICEVAR_MG5F, MG5E_OPZIONE, MG52_CODLINGUA, MG52_SIGLALINGUA || ' ' || MG5E_DESCR
    FROM MG5E_OPZIONI, MG52_LINGUE
    WHERE MG5E_DITTA_CG18 = 1 AND MG52_CODLINGUA <> 'ITA' AND CAST(substr(MG5E_OPZIONE, 2) AS INTEGER) % 2 = 0;
INSERT INTO MG5F_DIMECONF (MG5F_DITTA_CG18, MG5F_CODICEVAR, MG5F_DESCR_VAR, MG5F_SIZE) VALUES (2, 'A0', 'CODICE', 4);
WITH RECURSIVE N(I) AS (SELECT 1 UNION ALL SELECT I + 1 FROM N WHERE I < 5000)
INSERT INTO MG5E_OPZIONI (MG5E_DITTA_CG18, MG5E_CODICEVAR_MG5F, MG5E_OPZIONE, MG5E_DESCR)
    SELECT 2, 'A0', printf('%04d', I), printf('Opzione %04d', I) FROM N;
)";

// The console of a company, shown on a section of the variant group.
struct Console : console_bench::Console {
    Console(int company, const char* item)
        : console_bench::Console(console_bench::runDatabase(QStringLiteral("options.db"), false, population), company) {
        click(item);
    }
    void click(const char* item) const { console_bench::Console::click("GRPCONVAR", item); }
};

void OpenLanguageSection(benchmark::State& state) {
    Console console(1, "ITMLINGUAVAR");
    for (auto _ : state)
        console.click("ITMLINGUAVAR");
    state.counters["rows"] = console.control<suite::GridModel>("GRD_LINGUA")->rowCount();
}
BENCHMARK(OpenLanguageSection)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void EditLanguageDescription(benchmark::State& state) {
    Console console(1, "ITMLINGUAVAR");
    const auto grid = console.control<suite::GridModel>("GRD_LINGUA");
    int edits = 0;
    for (auto _ : state)
        grid->editCell(0, QStringLiteral("TBL_DESCRIZIONE"),
                       (edits++ % 2) ? QStringLiteral("Uno") : QStringLiteral("Due"));
}
BENCHMARK(EditLanguageDescription)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// What the grid's view asks when it lays the rows out in their language and variant groups: every row's
// shown values, each variant through its decode.
void GroupLanguageRows(benchmark::State& state) {
    Console console(1, "ITMLINGUAVAR");
    const auto grid = console.control<suite::GridModel>("GRD_LINGUA");
    for (auto _ : state)
        benchmark::DoNotOptimize(grid->groups());
}
BENCHMARK(GroupLanguageRows)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);

void OpenVariantOptions(benchmark::State& state) {
    Console console(2, "ITMOPZVAR");
    const auto variant = console.control<suite::EditModel>("TXT_VAROPZ");
    for (auto _ : state) {
        variant->typeText(QStringLiteral("1"));
        variant->leave();
    }
    state.counters["rows"] = console.control<suite::GridModel>("GRD_OPZIONI")->rowCount();
}
BENCHMARK(OpenVariantOptions)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void SaveOption(benchmark::State& state) {
    Console console(2, "ITMOPZVAR");
    const auto variant = console.control<suite::EditModel>("TXT_VAROPZ");
    variant->typeText(QStringLiteral("1"));
    variant->leave();
    const auto description = console.control<suite::EditModel>("TXT_DESOPZ");
    const auto navigator = console.control<suite::GridNavigatorModel>("GNV_OPZIONI");
    int saves = 0;
    for (auto _ : state) {
        description->typeText((saves++ % 2) ? QStringLiteral("Uno") : QStringLiteral("Due"));
        navigator->pressButton(QStringLiteral("Conferma"));
    }
}
BENCHMARK(SaveOption)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
