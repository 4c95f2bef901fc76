// The default reading priorities rebuilt by CLSMG_PRIORLETT on the embedded engine: one pass is the delete,
// the variants query and 4 x 2n inserts, all or nothing, for n configured variants.
#include "brondel/priorities/clsmg_priorlett.h"

#include "suite/db/suite_database.h"

#include "ado/connection.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

namespace {

void PrioritaPredefinite(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("suite.db"));
    suite::db::createSuiteDatabase(path, false);
    auto connection = std::make_shared<ado::Connection>();
    connection->open(QStringLiteral("Provider=SQLite;Data Source=") + path);
    for (int i = 0; i < state.range(0); ++i)
        connection->execute(
            QStringLiteral("INSERT INTO MG5F_DIMECONF (MG5F_DITTA_CG18, MG5F_CODICEVAR, MG5F_DESCR_VAR) "
                           "VALUES (1, 'A%1', 'VARIANTE %1')")
                .arg(i));
    for (auto _ : state) {
        auto priorities = brondel::CLSMG_PRIORLETT::create();
        priorities->setDitta(1);
        priorities->setConnessione(connection);
        priorities->PrioritaPredefinite();
    }
}
BENCHMARK(PrioritaPredefinite)->Arg(1)->Arg(6)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
