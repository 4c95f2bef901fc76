#include "tsql/dialect.h"
#include "tsql/sqlite_statement.h"

#include <sqlite3.h>

namespace tsql {

namespace {

class NativeDialect final : public Dialect {
public:
    explicit NativeDialect(sqlite3* db) : cache_(db) {}

    BatchResult execute(const QString& text, const std::vector<QVariant>& parameters) override {
        return cache_.runText(text, parameters);
    }

    BatchResult executeStatement(const QString& text) override { return cache_.runText(text, {}, true); }

private:
    StatementCache cache_;
};

}  // namespace

std::unique_ptr<Dialect> makeNativeDialect(sqlite3* db) { return std::make_unique<NativeDialect>(db); }

}  // namespace tsql
