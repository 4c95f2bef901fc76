#include "tsql/batch_interpreter.h"

#include "automation/error.h"
#include "automation/variant.h"
#include "tsql/sqlite_statement.h"

#include <sqlite3.h>

#include <charconv>
#include <cstdlib>

namespace tsql {

namespace {

// SQL Server's limit of nested EXECUTE.
constexpr int maxNesting = 32;

}  // namespace

BatchInterpreter::BatchInterpreter(sqlite3* db) : db_(db), translator_(db), globalTemporaryTables_(db) {}

BatchResult BatchInterpreter::execute(std::string_view text, const std::vector<QVariant>& parameters) {
    BatchResult result;
    run(text, parameters, result, 0);
    return result;
}

void BatchInterpreter::run(std::string_view text, const std::vector<QVariant>& parameters, BatchResult& result,
                           int depth) {
    if (depth >= maxNesting) {
        throw automation::Error(automation::errors::ProviderError, QStringLiteral("T-SQL"),
                                QStringLiteral("Maximum stored procedure, function, trigger, or view nesting level "
                                               "exceeded (limit 32)."));
    }
    if (lexers_.size() <= static_cast<std::size_t>(depth)) lexers_.push_back(std::make_unique<Lexer>());
    Lexer& lexer = *lexers_[static_cast<std::size_t>(depth)];
    lexer.tokenize(text);
    ProgramPtr program = cache_.find(lexer);
    if (!program) {
        ++translations_;
        program = translator_.translate(lexer);
        if (program->cacheable) cache_.insert(lexer, program);
    }
    std::vector<QVariant> values(static_cast<std::size_t>(program->slotCount), automation::null());
    for (Program::Step& step : program->steps) {
        runStep(step, program->cacheable, lexer, parameters, values, result);
        if (step.kind != Program::Step::Kind::Execute) continue;
        const QVariant& code = values[static_cast<std::size_t>(step.slot)];
        if (automation::isNull(code)) continue;  // EXECUTE of NULL does nothing
        const QByteArray utf8 = code.toString().toUtf8();
        run(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())), {}, result, depth + 1);
    }
}

void BatchInterpreter::runStep(Program::Step& step, bool persistent, const Lexer& lexer,
                               const std::vector<QVariant>& parameters, std::vector<QVariant>& values,
                               BatchResult& result) {
    if (!step.prepared) {
        sqlite3_stmt* stmt = nullptr;
        const int rc = sqlite3_prepare_v3(db_, step.sql.c_str(), static_cast<int>(step.sql.size()) + 1,
                                          persistent ? SQLITE_PREPARE_PERSISTENT : 0, &stmt, nullptr);
        StatementHandle handle(stmt);
        if (rc != SQLITE_OK) throwSqliteError(db_, rc);
        step.prepared = std::move(handle);
        ++preparations_;
    }
    sqlite3_stmt* stmt = step.prepared.get();
    bind(step, lexer, parameters, values);
    if (!step.assignTo.empty()) {
        for (;;) {
            const int rc = sqlite3_step(stmt);
            if (rc == SQLITE_DONE) break;
            if (rc != SQLITE_ROW) {
                sqlite3_reset(stmt);
                throwSqliteError(db_, sqlite3_extended_errcode(db_));
            }
            for (std::size_t i = 0; i < step.assignTo.size(); ++i) {
                values[static_cast<std::size_t>(step.assignTo[i])] = columnValue(stmt, static_cast<int>(i));
            }
        }
        sqlite3_reset(stmt);
    } else if (step.resultSet) {
        ResultSet rows;
        stepToEnd(db_, stmt, &rows);
        result.resultSets.push_back(std::move(rows));
    } else {
        const long long changed = stepToEnd(db_, stmt, nullptr);
        if (changed >= 0) result.rowsAffected = changed;
    }
    if (!step.createsGlobalTemporary.empty()) globalTemporaryTables_.created(step.createsGlobalTemporary);
    if (!step.dropsGlobalTemporary.empty()) globalTemporaryTables_.dropped(step.dropsGlobalTemporary);
}

void BatchInterpreter::bind(const Program::Step& step, const Lexer& lexer, const std::vector<QVariant>& parameters,
                            const std::vector<QVariant>& values) {
    sqlite3_stmt* stmt = step.prepared.get();
    int index = 0;
    for (const Program::Binding& binding : step.bindings) {
        ++index;
        int rc = SQLITE_OK;
        switch (binding.source) {
        case Program::Binding::Source::Caller:
            if (binding.index >= static_cast<int>(parameters.size())) {
                throw automation::Error(automation::errors::ProviderError, QStringLiteral("T-SQL"),
                                        QStringLiteral("No value given for one or more required parameters."));
            }
            bindValue(db_, stmt, index, parameters[static_cast<std::size_t>(binding.index)]);
            break;
        case Program::Binding::Source::Variable:
            bindValue(db_, stmt, index, values[static_cast<std::size_t>(binding.index)]);
            break;
        case Program::Binding::Source::Literal: {
            const Token& token = lexer.literal(binding.index);
            if (token.kind == TokenKind::String) {
                if (token.escaped) {
                    const std::string value = lexer.stringValue(token);
                    rc = sqlite3_bind_text64(stmt, index, value.data(), value.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
                } else {
                    const std::string_view value = lexer.rawStringValue(token);
                    rc = sqlite3_bind_text64(stmt, index, value.data(), value.size(), SQLITE_STATIC, SQLITE_UTF8);
                }
                break;
            }
            const std::string_view digits = lexer.text(token);
            long long integer = 0;
            const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), integer);
            if (error == std::errc() && end == digits.data() + digits.size()) {
                rc = sqlite3_bind_int64(stmt, index, integer);
            } else {
                rc = sqlite3_bind_double(stmt, index, std::strtod(std::string(digits).c_str(), nullptr));
            }
            break;
        }
        }
        if (rc != SQLITE_OK) throwSqliteError(db_, rc);
    }
}

}  // namespace tsql
