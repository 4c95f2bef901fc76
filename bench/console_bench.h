// What the console's benchmark programs share: their databases, the console of a company shown on a
// headless host, and main() (the models want a Qt application).
#pragma once

#include "brondel/console/frmmg_brondel.h"
#include "brondel/host/clsmg_brondel.h"

#include "suite/framework/headless_host.h"

#include <benchmark/benchmark.h>

#include <QString>
#include <functional>
#include <memory>

namespace console_bench {

// Creates a suite database at path (the demo data, or an empty installation) and runs population, SQLite
// text, on it; returns path.
QString createDatabase(const QString& path, bool demo, const char* population = nullptr);
// A database made once for the whole run under that file name, in a folder that lasts the run.
const QString& runDatabase(const QString& fileName, bool demo, const char* population);

// The console of a company on the database, shown (first activation done) with nothing asked of a person;
// closed when it goes. prepare runs on the host before the console is attached.
class Console {
public:
    Console(const QString& database, int company, const std::function<void(suite::HeadlessHost&)>& prepare = {});
    ~Console();
    Console(const Console&) = delete;
    Console& operator=(const Console&) = delete;

    // Clicks a sidebar item; false when the sidebar has no such item.
    bool click(const char* group, const char* item) const;
    brondel::FRMMG_BRONDEL& form() const { return *console_->form(); }
    template <class T>
    std::shared_ptr<T> control(const char* name) const {
        return form().controlAs<T>(QString::fromLatin1(name));
    }
    // The host: its scripted answers and picks.
    const suite::HeadlessHost& host() const { return host_; }
    // Fails the benchmark when the console showed any message.
    void checkNoMessage(benchmark::State& state) const;

private:
    suite::HeadlessHost host_;
    std::shared_ptr<brondel::CLSMG_BRONDEL> console_;
};

}  // namespace console_bench
