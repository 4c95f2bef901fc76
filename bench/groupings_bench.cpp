// The grouping composition at scale: a dimension of 5,000 options and a grouping of 2,000 of them, driven
// through the console's gestures on a headless host.
#include <functional>
#include "console_bench.h"

#include "suite/framework/button_model.h"
#include "suite/framework/combo_model.h"
#include "suite/framework/edit_model.h"
#include "suite/framework/grid_model.h"
#include "suite/framework/menu_button_model.h"

#include "ado/connection.h"
#include "suite/framework/model_factory.h"
#include "suite/framework/scripted_lookups.h"

#include <benchmark/benchmark.h>

#include <QStringList>
#include <QTemporaryDir>
#include <functional>

namespace {

constexpr int Options = 5000;
constexpr int Grouping = 2000;

// A demo database whose first dimension has 5,000 options (O0001...) and the grouping GRANDE the first
// 2,000 of them; the console shown on the grouping composition.
class Composition {
public:
    Composition()
        : console_(console_bench::createDatabase(dir_.filePath(QStringLiteral("suite.db")), true), 1,
                   [this](suite::HeadlessHost& host) { fill(host); }) {
        console_.click("GRPCONVAR", "ITMRAGVAR");
    }

    template <class T>
    std::shared_ptr<T> control(const char* name) const {
        return console_.control<T>(name);
    }

    // The dimension's options and the grouping, before the console opens.
    void fill(suite::HeadlessHost& host) {
        connection_ = host.factory()->openConnection(host.connectionString());
        QStringList options;
        for (int i = 1; i <= Options; ++i)
            options
                << QStringLiteral("(1, 'A0', 'O%1', 'Opzione %2')").arg(i, 4, 10, QLatin1Char('0')).arg(Options - i);
        connection_->execute(QStringLiteral("INSERT INTO MG5E_OPZIONI (MG5E_DITTA_CG18, MG5E_CODICEVAR_MG5F, "
                                            "MG5E_OPZIONE, MG5E_DESCR) VALUES ") +
                             options.join(QLatin1Char(',')));
        connection_->execute(
            QStringLiteral("INSERT INTO MG5G_RAGGVAR (MG5G_DITTA_CG18, MG5G_CODICEVAR_MG5F, "
                           "MG5G_CODRAGGVAR) VALUES (1, 'A0', 'GRANDE')"));
        fillGrouping();
    }

    // The grouping holds the first 2,000 options again, numbered 1..2,000.
    void fillGrouping() const {
        connection_->execute(QStringLiteral("DELETE FROM MG5H_COMPRAGVAR WHERE MG5H_RAGGR_MG5G = 'GRANDE'"));
        QStringList members;
        for (int i = 1; i <= Grouping; ++i)
            members << QStringLiteral("(1, 'A0', 'GRANDE', %1, 'O%2')").arg(i).arg(i, 4, 10, QLatin1Char('0'));
        connection_->execute(QStringLiteral("INSERT INTO MG5H_COMPRAGVAR (MG5H_DITTA_CG18, MG5H_CODICEVAR_MG5F, "
                                            "MG5H_RAGGR_MG5G, MG5H_SEQOPZIONE, MG5H_OPZIONE_MG5E) VALUES ") +
                             members.join(QLatin1Char(',')));
    }

    // Chooses another variant, then the first with the grouping GRANDE: both grids loaded.
    void open() const {
        control<suite::ComboModel>("CBO_PROGR_RAGGR")->pick(1);
        control<suite::ComboModel>("CBO_PROGR_RAGGR")->pick(0);
        const auto grouping = control<suite::EditModel>("TXT_RAGGRUPP");
        grouping->typeText(QStringLiteral("GRANDE"));
        grouping->leave();
    }

    void click(const char* button) const { control<suite::ButtonModel>(button)->click(); }
    void pick(const QList<int>& rows) const { console_.host().lookups().pickSelection(rows); }

private:
    QTemporaryDir dir_;
    std::shared_ptr<ado::Connection> connection_;
    console_bench::Console console_;
};

Composition& composition() {
    static Composition instance;
    return instance;
}

void BM_OpenComposition(benchmark::State& state) {
    Composition& c = composition();
    for (auto _ : state)
        c.open();
    state.counters["rows"] = c.control<suite::GridModel>("GRD_RAGGR_MG5H")->rowCount();
}

// One command timed on the grouping filled afresh and the composition opened again before each run;
// prepare does what the command needs beforehand (a pick queued, say).
template <typename Command>
void timeOnFreshGrouping(benchmark::State& state, Command command,
                         const std::function<void(Composition&)>& prepare = {}) {
    Composition& c = composition();
    for (auto _ : state) {
        state.PauseTiming();
        c.fillGrouping();
        c.open();
        if (prepare)
            prepare(c);
        state.ResumeTiming();
        command(c);
    }
    state.counters["rows"] = c.control<suite::GridModel>("GRD_RAGGR_MG5H")->rowCount();
}

void BM_AddAll(benchmark::State& state) {
    timeOnFreshGrouping(state, [](Composition& c) { c.click("BTN_ADDALL"); });
}

// 400 options missing from the grouping picked together in the options' search list: each one is added
// as a single pick adds it, the composition read again after each.
void BM_PickMissing(benchmark::State& state) {
    QList<int> missing;
    for (int i = Grouping; i < Grouping + 400; ++i)
        missing << i;
    timeOnFreshGrouping(
        state, [](Composition& c) { c.click("BTN_CERCASX"); }, [&](Composition& c) { c.pick(missing); });
}

void BM_RemoveAll(benchmark::State& state) {
    timeOnFreshGrouping(state, [](Composition& c) { c.click("BTN_DELALL"); });
}

void BM_RenumberByDescription(benchmark::State& state) {
    timeOnFreshGrouping(state, [](Composition& c) {
        c.control<suite::MenuButtonModel>("CMD_RINUMERA")->chooseItem(QStringLiteral("key_descrizione"));
    });
}

void BM_MoveDown(benchmark::State& state) {
    Composition& c = composition();
    c.fillGrouping();
    c.open();
    c.control<suite::GridModel>("GRD_RAGGR_MG5H")->selectRow(Grouping / 2);
    for (auto _ : state)
        c.click("BTN_GIU");
}

}  // namespace

BENCHMARK(BM_OpenComposition)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_AddAll)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3)->ReportAggregatesOnly();
BENCHMARK(BM_PickMissing)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly();
BENCHMARK(BM_RemoveAll)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3)->ReportAggregatesOnly();
BENCHMARK(BM_RenumberByDescription)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Repetitions(3)
    ->ReportAggregatesOnly();
BENCHMARK(BM_MoveDown)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
