#include "tsql/batch_interpreter.h"
#include "tsql/dialect.h"
#include "tsql/sqlite_target.h"

namespace tsql {

namespace {

class TsqlDialect final : public Dialect {
public:
    explicit TsqlDialect(std::unique_ptr<SqlTarget> target) : interpreter_(std::move(target)) {}

    BatchResult execute(const QString& text, const std::vector<QVariant>& parameters) override {
        const QByteArray utf8 = text.toUtf8();
        return interpreter_.execute(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())),
                                    parameters);
    }

private:
    BatchInterpreter interpreter_;
};

}  // namespace

std::unique_ptr<Dialect> makeTsqlDialect(sqlite3* db) { return makeTsqlDialect(std::make_unique<SqliteTarget>(db)); }

std::unique_ptr<Dialect> makeTsqlDialect(std::unique_ptr<SqlTarget> target) {
    return std::make_unique<TsqlDialect>(std::move(target));
}

}  // namespace tsql
