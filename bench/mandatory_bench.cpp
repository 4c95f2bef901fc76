// The mandatory-variants sections of a large company, driven through the headless host as a person would:
// 200 documents and 20 variants, a menu of 500 programs. Opening each section, one tick, and a select-all
// over every document (each iteration clicks the same box, so the pass alternates between its two ways), and
// the summary of programs shown by description.
#include "console_bench.h"

#include "suite/framework/grid_model.h"
#include "suite/framework/menu_tree_model.h"

#include <QString>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

namespace {

// Company 1 of the demo grown to 20 variants (A0 to B9), 200 documents and 500 menu programs (besides the
// demo's folders), a few of them with exceptions.
const char* const Growth = R"(
INSERT INTO MG5F_DIMECONF (MG5F_DITTA_CG18, MG5F_CODICEVAR, MG5F_DESCR_VAR, MG5F_SIZE)
    SELECT 1, CASE WHEN i < 10 THEN 'A' || i ELSE 'B' || (i - 10) END, 'VARIANTE ' || i, 0
    FROM (WITH RECURSIVE n(i) AS (SELECT 6 UNION ALL SELECT i + 1 FROM n WHERE i < 19) SELECT i FROM n);
INSERT INTO MG36_DOCUMENTI (MG36_CODDOCUM, MG36_DESCR)
    SELECT printf('DOC%03d', i), 'Documento ' || i
    FROM (WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 193) SELECT i FROM n);
INSERT INTO MG3G_DOCDITTA (MG3G_DITTA_CG18, MG3G_CODDOCUM_MG36)
    SELECT 1, MG36_CODDOCUM FROM MG36_DOCUMENTI WHERE MG36_CODDOCUM LIKE 'DOC%';
INSERT INTO FW50_MODMENU (FW50_IDVOCETS, FW50_IDPADRE, FW50_MODULO, FW50_NOME, FW50_DESCR, FW50_ORDINE)
    SELECT 1000 + i, 2, 'MG', printf('PRG_%03d', i), 'Programma ' || i, i
    FROM (WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 487) SELECT i FROM n);
INSERT INTO MG5J_DOCPRGVAR (MG5J_DITTA_CG18, MG5J_CODICEVAR_MG5F, MG5J_UOBJECT, MG5J_FLGOBBLIG)
    SELECT 1, 'B0', MG36_CODDOCUM, 0 FROM MG36_DOCUMENTI WHERE MG36_CODDOCUM LIKE 'DOC%0';
INSERT INTO MG5J_DOCPRGVAR (MG5J_DITTA_CG18, MG5J_CODICEVAR_MG5F, MG5J_UOBJECT, MG5J_FLGOBBLIG)
    SELECT 1, 'B1', FW50_NOME, 0 FROM FW50_MODMENU WHERE FW50_NOME LIKE 'PRG_%5';
)";

// A folder of each console's own, made before the console and removed after it.
struct OwnFolder {
    QTemporaryDir dir;
};

// The console shown on the grown company (a database of its own), with nothing asked of a person.
class Console : private OwnFolder, public console_bench::Console {
public:
    Console()
        : console_bench::Console(console_bench::createDatabase(dir.filePath(QStringLiteral("bench.db")), true, Growth),
                                 1) {}

    bool show(const char* item) const { return click("GRPOBBVAR", item); }
    template <class T>
    std::shared_ptr<T> model(const char* name) const {
        return control<T>(name);
    }
    void check(benchmark::State& state) const { checkNoMessage(state); }
};

void BM_OpenDocuments(benchmark::State& state) {
    Console console;
    for (auto _ : state) {
        if (!console.show("ITMOBBDOC"))
            state.SkipWithError("the section did not open");
    }
    state.counters["rows"] = console.model<suite::GridModel>("GRD_OBBDOC")->rowCount();
    console.check(state);
}

void BM_TickDocument(benchmark::State& state) {
    Console console;
    console.show("ITMOBBDOC");
    const auto grid = console.model<suite::GridModel>("GRD_OBBDOC");
    for (auto _ : state) {
        if (!grid->tickCell(100, QStringLiteral("A7")))
            state.SkipWithError("the cell did not take the click");
    }
    console.check(state);
}

void BM_SelectAllDocuments(benchmark::State& state) {
    Console console;
    console.show("ITMOBBDOC");
    const auto grid = console.model<suite::GridModel>("GRD_OBBDOC");
    for (auto _ : state) {
        if (!grid->clickSelectAll(QStringLiteral("A8")))
            state.SkipWithError("the box did not take the click");
    }
    console.check(state);
}

void BM_OpenPrograms(benchmark::State& state) {
    Console console;
    for (auto _ : state) {
        if (!console.show("ITMOBBPRO"))
            state.SkipWithError("the section did not open");
    }
    state.counters["entries"] = double(console.model<suite::MenuTreeModel>("TRV_MENU")->entries().size());
    console.check(state);
}

void BM_TickProgram(benchmark::State& state) {
    Console console;
    console.show("ITMOBBPRO");
    if (!console.model<suite::MenuTreeModel>("TRV_MENU")->chooseNode(1250))
        state.SkipWithError("no program to choose");
    const auto grid = console.model<suite::GridModel>("GRD_OBBPRO");
    for (auto _ : state) {
        if (!grid->tickCell(3, QStringLiteral("FLGOBBLIG")))
            state.SkipWithError("the cell did not take the click");
    }
    console.check(state);
}

// What a repaint of the summary costs: every program shown by its description.
void BM_ShowSummary(benchmark::State& state) {
    Console console;
    console.show("ITMOBBPRO");
    const auto summary = console.model<suite::GridModel>("GRD_OBBPRORIEP");
    for (auto _ : state) {
        for (const host::GridRow& row : summary->rows())
            benchmark::DoNotOptimize(summary->displayValue(row, QStringLiteral("FW50_NOME")));
    }
    state.counters["programs"] = summary->rowCount();
    console.check(state);
}

BENCHMARK(BM_OpenDocuments)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TickDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectAllDocuments)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenPrograms)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TickProgram)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowSummary)->Unit(benchmark::kMillisecond);

}  // namespace
