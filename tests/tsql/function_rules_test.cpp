#include "tsql/function_rules.h"
#include "tsql/functions.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <memory>
#include <string>

namespace {

// Every T-SQL function the dialect knows translates into a call SQLite can prepare, with each argument
// count the rule accepts, on a connection with the dialect's functions registered.
TEST(FunctionRules, EveryRuleCallsAFunctionTheConnectionHas) {
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open(":memory:", &raw), SQLITE_OK);
    const std::unique_ptr<sqlite3, decltype(&sqlite3_close)> db(raw, &sqlite3_close);
    tsql::registerFunctions(db.get());

    for (const tsql::FunctionRule& rule : tsql::functionRules()) {
        if (rule.sqlite.empty())
            continue;  // written as an expression (CONCAT, DATALENGTH), not a call
        const int last = rule.maxArguments < 0 ? rule.minArguments + 3 : rule.maxArguments;
        for (int count = rule.minArguments; count <= last; ++count) {
            std::string call = "SELECT " + std::string(rule.sqlite) + "(";
            for (int i = 0; i < count; ++i)
                call += i == 0 ? "NULL" : ", NULL";
            call += ")";
            sqlite3_stmt* statement = nullptr;
            EXPECT_EQ(sqlite3_prepare_v2(db.get(), call.c_str(), -1, &statement, nullptr), SQLITE_OK)
                << rule.name << " with " << count << " arguments: " << sqlite3_errmsg(db.get());
            sqlite3_finalize(statement);
        }
    }
}

TEST(FunctionRules, NamesAreUpperCaseAndFoundByName) {
    for (const tsql::FunctionRule& rule : tsql::functionRules()) {
        for (const char c : rule.name)
            EXPECT_FALSE(c >= 'a' && c <= 'z') << rule.name;
        EXPECT_EQ(tsql::findFunctionRule(rule.name), &rule) << rule.name;
    }
}

}  // namespace
