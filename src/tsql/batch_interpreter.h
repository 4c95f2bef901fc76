#pragma once

#include "tsql/global_temporary_tables.h"
#include "tsql/lexer.h"
#include "tsql/program.h"
#include "tsql/result.h"
#include "tsql/sql_target.h"
#include "tsql/translation_cache.h"
#include "tsql/translator.h"

#include <QVariant>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct sqlite3;

namespace tsql {

// Runs T-SQL batches on one SQL target (a SQLite connection, directly or through ODBC): finds the text's program in the cache (or translates it),
// binds the text's literals, the caller's parameters and the batch's variables, and runs the steps in order.
// SELECT @v = keeps the last row's values and leaves @v alone when there is none; EXECUTE(@v) runs the
// text of @v as a batch of its own, without the caller's variables. Every result set is kept in order: the
// caller reads the last one.
class BatchInterpreter {
public:
    explicit BatchInterpreter(std::unique_ptr<SqlTarget> target);
    // On a SQLite connection that the caller keeps open while the interpreter lives.
    explicit BatchInterpreter(sqlite3* db);

    BatchResult execute(std::string_view text, const std::vector<QVariant>& parameters);
    // The same for a text that must hold one statement: one with more is refused before anything runs.
    BatchResult executeStatement(std::string_view text);

    // How many texts were not found in the cache and went to the translator: what the cache saves.
    long long translations() const { return translations_; }
    // How many statements were prepared on the target.
    long long preparations() const { return preparations_; }

private:
    void run(std::string_view text, const std::vector<QVariant>& parameters, BatchResult& result, int depth,
             bool single = false);
    bool condition(Program::Step& step, bool persistent, const Lexer& lexer, const std::vector<QVariant>& parameters,
                   const std::vector<QVariant>& values);
    void runStep(Program::Step& step, bool persistent, const Lexer& lexer, const std::vector<QVariant>& parameters,
                 std::vector<QVariant>& values, BatchResult& result);
    void bind(const Program::Step& step, const Lexer& lexer, const std::vector<QVariant>& parameters,
              const std::vector<QVariant>& values);

    // A text seen before, kept with its tokens (over its own copy of the text) and its program: found by the
    // whole text, so running it again neither lexes nor looks up its shape.
    struct KnownText {
        std::string text;
        Lexer lexer;
        ProgramPtr program;
    };
    QString executeSqlBatch(const Program::Step& step, const std::vector<QVariant>& values, const QString& statement,
                            std::vector<QVariant>& arguments);
    std::shared_ptr<const KnownText> remember(const Lexer& lexer, const ProgramPtr& program);
    void forgetTranslations();
    BatchResult runWatched(std::string_view text, const std::vector<QVariant>& parameters, bool single);
    // Forgets the translations when the schema's version moved since they were made.
    void checkSchema();
    void prepare(Program::Step& step, bool persistent);
    long long runPrepared(SqlTarget::Statement& statement, ResultSet* rows);

    std::unique_ptr<SqlTarget> target_;
    Translator translator_;
    // Before the cache: the ##tables are dropped once the cached statements are gone.
    GlobalTemporaryTables globalTemporaryTables_;
    TranslationCache cache_;
    std::vector<std::unique_ptr<Lexer>> lexers_;  // one per EXECUTE nesting level, reused
    std::unordered_map<std::string_view, std::shared_ptr<const KnownText>> knownTexts_;  // keys view KnownText::text
    std::optional<long long> schemaVersion_;  // what the kept translations rest on
    bool watching_ = false;                   // the target watches the schema for this batch's statements
    bool effects_ = false;                    // this batch has written something
    long long translations_ = 0;
    long long preparations_ = 0;
};

}  // namespace tsql
