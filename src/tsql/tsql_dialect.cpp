#include "automation/error.h"
#include "tsql/batch_interpreter.h"
#include "tsql/dialect.h"
#include "tsql/parser.h"
#include "tsql/sqlite_target.h"

#include <exception>
#include <new>

namespace tsql {

namespace {

class TsqlDialect final : public Dialect {
public:
    explicit TsqlDialect(std::unique_ptr<SqlTarget> target) : interpreter_(std::move(target)) {}

    BatchResult execute(const QString& text, const std::vector<QVariant>& parameters) override {
        const QByteArray utf8 = text.toUtf8();
        try {
            return interpreter_.execute(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())),
                                        parameters);
        } catch (const automation::Error&) {
            throw;
        } catch (const std::bad_alloc&) {
            throw automation::Error(automation::errors::ProviderError, QStringLiteral("T-SQL"),
                                    QStringLiteral("There is insufficient system memory to run this query."));
        } catch (const std::exception& e) {
            // No failure of the standard library leaves the dialect as anything but the caller's error.
            throw automation::Error(
                automation::errors::ProviderError, QStringLiteral("T-SQL"),
                QStringLiteral("The statement could not be run: %1").arg(QString::fromUtf8(e.what())));
        }
    }

    BatchResult executeStatement(const QString& text) override {
        const QByteArray utf8 = text.toUtf8();
        return interpreter_.executeStatement(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    }

private:
    BatchInterpreter interpreter_;
};

}  // namespace

std::size_t statementCount(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    Lexer lexer;
    lexer.tokenize(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    return Parser(lexer).parseBatch().size();
}

std::unique_ptr<Dialect> makeTsqlDialect(sqlite3* db) { return makeTsqlDialect(std::make_unique<SqliteTarget>(db)); }

std::unique_ptr<Dialect> makeTsqlDialect(std::unique_ptr<SqlTarget> target) {
    return std::make_unique<TsqlDialect>(std::move(target));
}

}  // namespace tsql
