#pragma once

#include "tsql/result.h"

#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

struct sqlite3;

namespace tsql {

class SqlTarget;

// Runs statement text on one open SQLite connection. The data layer's SQLite engine holds one Dialect per
// connection: the native one runs SQLite's own SQL; the T-SQL one translates SQL Server text first.
// Failures are automation::Error: constraint failures carry errors::IntegrityViolation, others
// errors::ProviderError, with SQLite's message as description.
class Dialect {
public:
    virtual ~Dialect() = default;

    // Runs every statement of the text in order. Parameters bind to ?NNN / ? placeholders of a single
    // statement text (the data layer's own generated statements).
    virtual BatchResult execute(const QString& text, const std::vector<QVariant>& parameters = {}) = 0;
    // Runs a text built as one statement: a text holding a second one is refused before anything runs
    // (errors::ProviderError), so that a value pasted into a statement can never add one of its own.
    virtual BatchResult executeStatement(const QString& text) = 0;
};

// SQLite SQL, unchanged. Prepared statements are cached per text.
std::unique_ptr<Dialect> makeNativeDialect(sqlite3* db);

// SQL Server text (the console's statements), translated to SQLite (BatchInterpreter): results as SQL Server
// gives them, an automation::Error with errors::UnsupportedSqlConstruct for T-SQL it does not translate and
// errors::SqlSyntaxError for malformed text. The ##tables it creates are dropped when it is destroyed,
// which must happen before the connection closes; creating it drops those left by processes that ended.
std::unique_ptr<Dialect> makeTsqlDialect(sqlite3* db);
// The same on another target (a SQLite database behind an ODBC driver), which the dialect keeps.
std::unique_ptr<Dialect> makeTsqlDialect(std::unique_ptr<SqlTarget> target);

// How many statements a T-SQL text holds (parsed, not translated): for text that passes to SQL Server unchanged.
std::size_t statementCount(const QString& text);

// Collations and functions every suite connection needs (DATABASE_DEFAULT and the SQL Server
// functions SQLite lacks). Called once per connection right after it is opened.
void registerExtensions(sqlite3* db);

}  // namespace tsql
