#include "tsql/batch_interpreter.h"
#include "tsql/dialect.h"

namespace tsql {

namespace {

class TsqlDialect final : public Dialect {
public:
    explicit TsqlDialect(sqlite3* db) : interpreter_(db) {}

    BatchResult execute(const QString& text, const std::vector<QVariant>& parameters) override {
        const QByteArray utf8 = text.toUtf8();
        return interpreter_.execute(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())),
                                    parameters);
    }

private:
    BatchInterpreter interpreter_;
};

}  // namespace

std::unique_ptr<Dialect> makeTsqlDialect(sqlite3* db) { return std::make_unique<TsqlDialect>(db); }

}  // namespace tsql
