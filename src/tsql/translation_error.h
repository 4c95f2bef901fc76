#pragma once

#include <QString>

namespace tsql {

// Malformed statement text: automation::errors::SqlSyntaxError with SQL Server's wording where it has one.
[[noreturn]] void raiseSyntaxError(const QString& description);

// Valid T-SQL that the SQLite dialect does not translate: automation::errors::UnsupportedSqlConstruct,
// the description naming the construct.
[[noreturn]] void raiseUnsupported(const QString& construct);

// The error number of a failure SQLite reports while running a translation: a refusal raised at run time
// by one of the dialect's functions (its message begins as raiseUnsupported's) keeps the
// unsupported-construct number; anything else is otherwise.
long runtimeErrorNumber(const QString& message, long otherwise);

// A text built as one statement holds a second one: automation::errors::ProviderError, nothing run.
[[noreturn]] void raiseMoreThanOneStatement();

}  // namespace tsql
