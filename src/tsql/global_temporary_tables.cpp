#include "tsql/global_temporary_tables.h"

#include "automation/error.h"
#include "tsql/sql_target.h"

#include <signal.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <fstream>
#include <sstream>

namespace tsql {

namespace {

const std::string markerPrefix = "/*tsql-owner ";

// The start time of a process (field 22 of /proc/PID/stat), which tells a process from a later one that
// reuses its id; empty where /proc does not say.
std::string startTime(long pid) {
    std::ifstream file("/proc/" + std::to_string(pid) + "/stat");
    std::string stat;
    if (!std::getline(file, stat))
        return std::string();
    const std::size_t close = stat.rfind(')');
    if (close == std::string::npos)
        return std::string();
    std::istringstream fields(stat.substr(close + 2));
    std::string field;
    for (int i = 3; i <= 22 && fields >> field; ++i) {
        if (i == 22)
            return field;
    }
    return std::string();
}

bool ownerAlive(const std::string& sql) {
    const std::size_t at = sql.find(markerPrefix);
    if (at == std::string::npos)
        return true;  // not a table of this dialect: leave it
    std::istringstream owner(sql.substr(at + markerPrefix.size()));
    long pid = 0;
    std::string start;
    if (!(owner >> pid >> start) || pid <= 0)
        return true;
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno != EPERM)
        return false;
    const std::string now = startTime(pid);
    return now.empty() || start == "-" || now == start;
}

std::string upper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

}  // namespace

const std::string& GlobalTemporaryTables::ownerMarker() {
    static const std::string marker = [] {
        const long pid = static_cast<long>(::getpid());
        const std::string start = startTime(pid);
        return markerPrefix + std::to_string(pid) + " " + (start.empty() ? "-" : start) + " */";
    }();
    return marker;
}

GlobalTemporaryTables::GlobalTemporaryTables(SqlTarget& target) : target_(target) {
    ResultSet tables;
    try {
        target_.prepare("SELECT name, sql FROM main.sqlite_schema WHERE type = 'table' AND name LIKE '##%'", false)
            ->run(&tables);
    } catch (const automation::Error&) {
        return;  // best effort: a database that cannot be read now is swept by a later connection
    }
    for (const Row& table : tables.rows) {
        if (!ownerAlive(table[1].toString().toStdString()))
            drop(table[0].toString().toStdString());
    }
}

GlobalTemporaryTables::~GlobalTemporaryTables() {
    for (const std::string& name : owned_)
        drop(name);
}

// Names compare without case, as SQL Server's and SQLite's do.
void GlobalTemporaryTables::created(const std::string& name) {
    const std::string key = upper(name);
    if (std::find(owned_.begin(), owned_.end(), key) == owned_.end())
        owned_.push_back(key);
}

void GlobalTemporaryTables::dropped(const std::string& name) {
    owned_.erase(std::remove(owned_.begin(), owned_.end(), upper(name)), owned_.end());
}

void GlobalTemporaryTables::drop(const std::string& name) {
    std::string sql = "DROP TABLE IF EXISTS main.\"";
    for (char c : name) {
        sql.push_back(c);
        if (c == '"')
            sql.push_back('"');
    }
    sql += '"';
    target_.runQuietly(sql);  // best effort, as at connection close
}

}  // namespace tsql
