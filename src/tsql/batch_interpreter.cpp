#include "tsql/batch_interpreter.h"

#include "automation/error.h"
#include "automation/variant.h"
#include "tsql/sqlite_target.h"

#include "tsql/translation_error.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace tsql {

namespace {

// SQL Server's limit of nested EXECUTE.
constexpr int maxNesting = 32;

// The rounds a batch's WHILE loops may make: past them the batch is refused rather than left to hang.
constexpr long long maxLoopRounds = 10000;

// Texts remembered whole; past this they are forgotten at once and the shapes' cache serves again.
constexpr std::size_t maxKnownTexts = 1024;

// A number literal that is no bigint, as the double it is bound as. SQL Server keeps a decimal literal
// exact: one with more significant digits than a double holds is refused rather than rounded; a float
// beyond a double's range is SQL Server's error.
double realLiteral(std::string_view digits) {
    const std::string text(digits);
    const bool floating = Lexer::numberKind(digits) == NumberKind::Float;
    if (!floating) {
        int significant = 0;
        bool leading = true;
        for (char c : text) {
            if (c < '0' || c > '9')
                continue;
            if (leading && c == '0')
                continue;
            leading = false;
            ++significant;
        }
        // Trailing zeros after the point are significant to the count but not to the value: keep it simple.
        if (significant > 15) {
            raiseUnsupported(
                QStringLiteral("number %1 (more than 15 significant digits)").arg(QString::fromStdString(text)));
        }
    }
    errno = 0;
    const double value = std::strtod(text.c_str(), nullptr);
    if (!std::isfinite(value) || (errno == ERANGE && value != 0)) {
        throw automation::Error(automation::errors::ProviderError, QStringLiteral("T-SQL"),
                                QStringLiteral("The floating point value '%1' is out of the range of computer "
                                               "representation (8 bytes).")
                                    .arg(QString::fromStdString(text)));
    }
    return value;
}

}  // namespace

BatchInterpreter::BatchInterpreter(std::unique_ptr<SqlTarget> target)
    : target_(std::move(target)), translator_(*target_), globalTemporaryTables_(*target_) {}

BatchInterpreter::BatchInterpreter(sqlite3* db) : BatchInterpreter(std::make_unique<SqliteTarget>(db)) {}

BatchResult BatchInterpreter::execute(std::string_view text, const std::vector<QVariant>& parameters) {
    return runWatched(text, parameters, false);
}

BatchResult BatchInterpreter::executeStatement(std::string_view text) { return runWatched(text, {}, true); }

// A schema changed by another connection (or natively on this one) may have retyped the columns the kept
// translations rest on. The target notices it when a kept statement would be prepared again as it runs; a
// target that cannot is asked for the schema's version before every batch.
BatchResult BatchInterpreter::runWatched(std::string_view text, const std::vector<QVariant>& parameters, bool single) {
    watching_ = target_->canWatchSchema();
    if (!watching_)
        checkSchema();
    effects_ = false;
    BatchResult result;
    try {
        run(text, parameters, result, 0, single);
    } catch (const SchemaChanged&) {
        checkSchema();
        if (effects_) {
            throw automation::Error(automation::errors::ProviderError, QStringLiteral("T-SQL"),
                                    QStringLiteral("The database schema changed while the batch ran."));
        }
        watching_ = false;
        result = BatchResult{};
        run(text, parameters, result, 0, single);  // nothing was done yet: again, on fresh translations
    }
    return result;
}

void BatchInterpreter::checkSchema() {
    if (const std::optional<long long> version = target_->schemaVersion(); version != schemaVersion_) {
        if (schemaVersion_)
            forgetTranslations();
        schemaVersion_ = version;
    }
}

// A statement of a kept translation prepared for the first time: SQLite reads the schema as it is now.
void BatchInterpreter::prepare(Program::Step& step, bool persistent) {
    if (watching_ && target_->schemaVersion() != schemaVersion_)
        throw SchemaChanged{};
    step.prepared = target_->prepare(step.sql, persistent);
    ++preparations_;
}

// SQLite also prepares a statement again for new values bound to it (a plan may rest on them), which the
// watching target takes for a schema change: when the schema did not move, the statement (of which nothing
// was done) runs again, left to prepare itself.
long long BatchInterpreter::runPrepared(SqlTarget::Statement& statement, ResultSet* rows) {
    if (!watching_)
        return statement.run(rows);
    struct Watch {
        SqlTarget& target;
        explicit Watch(SqlTarget& t) : target(t) { target.watchSchema(true); }
        ~Watch() { target.watchSchema(false); }
    };
    try {
        const Watch watch(*target_);
        return statement.run(rows);
    } catch (const SchemaChanged&) {
        if (target_->schemaVersion() != schemaVersion_)
            throw;
    }
    if (rows)
        *rows = ResultSet{};
    return statement.run(rows);
}

void BatchInterpreter::run(std::string_view text, const std::vector<QVariant>& parameters, BatchResult& result,
                           int depth, bool single) {
    if (depth >= maxNesting) {
        throw automation::Error(automation::errors::ProviderError, QStringLiteral("T-SQL"),
                                QStringLiteral("Maximum stored procedure, function, trigger, or view nesting level "
                                               "exceeded (limit 32)."));
    }
    // Held here: an EXECUTE run from this text may forget every known text while this one still runs.
    std::shared_ptr<const KnownText> known;
    const Lexer* found = nullptr;
    ProgramPtr program;
    if (const auto it = knownTexts_.find(text); it != knownTexts_.end()) {
        known = it->second;
        found = &known->lexer;
        program = known->program;
    } else {
        if (lexers_.size() <= static_cast<std::size_t>(depth))
            lexers_.push_back(std::make_unique<Lexer>());
        Lexer& fresh = *lexers_[static_cast<std::size_t>(depth)];
        fresh.tokenize(text);
        found = &fresh;
        program = cache_.find(fresh);
        if (!program) {
            ++translations_;
            checkSchema();
            program = translator_.translate(fresh);
            if (program->cacheable)
                cache_.insert(fresh, program);
        }
        if (program->cacheable) {
            known = remember(fresh, program);
            found = &known->lexer;
        }
    }
    const Lexer& lexer = *found;
    if (single && program->statements > 1)
        raiseMoreThanOneStatement();
    std::vector<QVariant> values(static_cast<std::size_t>(program->slotCount), automation::null());
    long long jumps = 0;
    for (std::size_t next = 0; next < program->steps.size();) {
        Program::Step& step = program->steps[next++];
        if (step.kind == Program::Step::Kind::Jump) {
            if (++jumps > maxLoopRounds) {
                raiseUnsupported(QStringLiteral("WHILE loop of more than %1 rounds").arg(maxLoopRounds));
            }
            next = static_cast<std::size_t>(step.target);
            continue;
        }
        if (step.kind == Program::Step::Kind::Branch) {
            if (!condition(step, program->cacheable, lexer, parameters, values))
                next = static_cast<std::size_t>(step.target);
            continue;
        }
        runStep(step, program->cacheable, lexer, parameters, values, result);
        if (step.kind != Program::Step::Kind::Execute)
            continue;
        const QVariant& code = values[static_cast<std::size_t>(step.slot)];
        if (automation::isNull(code))
            continue;  // EXECUTE of NULL does nothing
        QString batch = code.toString();
        std::vector<QVariant> arguments;
        if (step.definitionSlot >= 0 || !step.parameterSlots.empty())
            batch = executeSqlBatch(step, values, batch, arguments);
        const QByteArray utf8 = batch.toUtf8();
        run(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())), arguments, result, depth + 1);
    }
}

// sp_executesql: its statement, run as a batch of its own that first declares the parameters and sets each to
// the value given for it (by position, or by name), as the caller's parameters: each is converted to its
// declared type as SET converts.
QString BatchInterpreter::executeSqlBatch(const Program::Step& step, const std::vector<QVariant>& values,
                                          const QString& statement, std::vector<QVariant>& arguments) {
    const QString definition =
        step.definitionSlot < 0 || automation::isNull(values[static_cast<std::size_t>(step.definitionSlot)])
            ? QString()
            : values[static_cast<std::size_t>(step.definitionSlot)].toString();
    const QByteArray definitionText = definition.toUtf8();
    Lexer lexer;
    lexer.tokenize(std::string_view(definitionText.constData(), static_cast<std::size_t>(definitionText.size())));
    std::vector<std::string> names;    // upper case, in their order
    std::vector<std::string> spelled;  // as written
    int depth = 0;
    bool expectName = true;
    for (const Token& t : lexer.tokens()) {
        const std::string_view text = lexer.text(t);
        if (t.kind == TokenKind::Symbol && text == "(")
            ++depth;
        if (t.kind == TokenKind::Symbol && text == ")")
            --depth;
        if (depth == 0 && t.kind == TokenKind::Symbol && text == ",") {
            expectName = true;
        } else if (expectName && t.kind == TokenKind::Variable) {
            names.push_back(upperAscii(text));
            spelled.emplace_back(text);
            expectName = false;
        } else if (t.kind == TokenKind::Word && (upperAscii(text) == "OUTPUT" || upperAscii(text) == "OUT")) {
            raiseUnsupported(QStringLiteral("sp_executesql with an OUTPUT parameter"));
        }
    }
    const auto failure = [](const QString& message) {
        return automation::Error(automation::errors::ProviderError, QStringLiteral("T-SQL"), message);
    };
    QString batch;
    if (!definition.trimmed().isEmpty())
        batch = QStringLiteral("DECLARE ") + definition + QStringLiteral("\r\n");
    std::vector<std::string> given;
    std::size_t position = 0;
    for (const auto& [name, slot] : step.parameterSlots) {
        std::string target = name;
        if (target.empty()) {
            if (position >= names.size())
                throw failure(QStringLiteral("Too many arguments were supplied for procedure sp_executesql."));
            target = names[position++];
        } else if (std::find(names.begin(), names.end(), target) == names.end()) {
            throw failure(QStringLiteral("%1 is not a parameter for procedure sp_executesql.")
                              .arg(QString::fromStdString(target)));
        }
        given.push_back(target);
        batch += QStringLiteral("SET ") + QString::fromStdString(target) + QStringLiteral(" = ?\r\n");
        arguments.push_back(values[static_cast<std::size_t>(slot)]);
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (std::find(given.begin(), given.end(), names[i]) == given.end()) {
            throw failure(
                QStringLiteral("The parameterized query '(%1)%2' expects the parameter '%3', which was not supplied.")
                    .arg(definition, statement, QString::fromStdString(spelled[i])));
        }
    }
    return batch + statement;
}

std::shared_ptr<const BatchInterpreter::KnownText> BatchInterpreter::remember(const Lexer& lexer,
                                                                              const ProgramPtr& program) {
    if (knownTexts_.size() >= maxKnownTexts)
        knownTexts_.clear();  // a new working set builds up again
    auto known = std::make_shared<KnownText>();
    known->text = std::string(lexer.source());
    known->lexer = lexer;
    known->lexer.rebase(known->text);
    known->program = program;
    knownTexts_.emplace(std::string_view(known->text), known);
    return known;
}

bool BatchInterpreter::condition(Program::Step& step, bool persistent, const Lexer& lexer,
                                 const std::vector<QVariant>& parameters, const std::vector<QVariant>& values) {
    if (!step.prepared)
        prepare(step, persistent);
    bind(step, lexer, parameters, values);
    ResultSet rows;
    runPrepared(*step.prepared, &rows);
    return !rows.rows.empty() && !rows.rows.front().empty() && rows.rows.front().front().toLongLong() == 1;
}

void BatchInterpreter::runStep(Program::Step& step, bool persistent, const Lexer& lexer,
                               const std::vector<QVariant>& parameters, std::vector<QVariant>& values,
                               BatchResult& result) {
    if (!step.prepared)
        prepare(step, persistent);
    SqlTarget::Statement& statement = *step.prepared;
    bind(step, lexer, parameters, values);
    if (!step.assignTo.empty()) {
        ResultSet rows;
        runPrepared(statement, &rows);
        if (!rows.rows.empty()) {
            Row last = rows.rows.back();
            for (std::size_t i = 0; i < step.assignTo.size(); ++i) {
                values[static_cast<std::size_t>(step.assignTo[i])] = std::move(last[i]);
            }
        }
    } else if (step.resultSet) {
        ResultSet rows;
        runPrepared(statement, &rows);
        result.resultSets.push_back(std::move(rows));
    } else {
        const long long changed = runPrepared(statement, nullptr);
        effects_ = true;
        if (changed >= 0)
            result.rowsAffected = changed;
    }
    if (step.changesSchema) {
        forgetTranslations();
        schemaVersion_ = target_->schemaVersion();
        watching_ = false;  // this batch's own statements are prepared again for its own change
    }
    if (!step.createsGlobalTemporary.empty())
        globalTemporaryTables_.created(step.createsGlobalTemporary);
    if (!step.dropsGlobalTemporary.empty())
        globalTemporaryTables_.dropped(step.dropsGlobalTemporary);
}

// Every translation rests on the columns it read: none made before may serve again.
void BatchInterpreter::forgetTranslations() {
    cache_.clear();
    knownTexts_.clear();
    translator_.schemaChanged();
}

void BatchInterpreter::bind(const Program::Step& step, const Lexer& lexer, const std::vector<QVariant>& parameters,
                            const std::vector<QVariant>& values) {
    SqlTarget::Statement& statement = *step.prepared;
    int index = 0;
    for (const Program::Binding& binding : step.bindings) {
        ++index;
        switch (binding.source) {
        case Program::Binding::Source::Caller:
            if (binding.index >= static_cast<int>(parameters.size())) {
                throw automation::Error(automation::errors::ProviderError, QStringLiteral("T-SQL"),
                                        QStringLiteral("No value given for one or more required parameters."));
            }
            statement.bind(index, parameters[static_cast<std::size_t>(binding.index)]);
            break;
        case Program::Binding::Source::Variable:
            statement.bind(index, values[static_cast<std::size_t>(binding.index)]);
            break;
        case Program::Binding::Source::Literal: {
            const Token& token = lexer.literal(binding.index);
            if (token.kind == TokenKind::String) {
                if (token.escaped) {
                    statement.bindText(index, lexer.stringValue(token), false);
                } else {
                    statement.bindText(index, lexer.rawStringValue(token), true);  // the text outlives the run
                }
                break;
            }
            const std::string_view digits = lexer.text(token);
            long long integer = 0;
            const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), integer);
            if (error == std::errc() && end == digits.data() + digits.size()) {
                statement.bindInteger(index, integer);
            } else {
                statement.bindReal(index, realLiteral(digits));
            }
            break;
        }
        }
    }
}

}  // namespace tsql
