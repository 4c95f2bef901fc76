#pragma once

#include <string>
#include <vector>

namespace tsql {

class SqlTarget;

// SQL Server's global temporary tables (##name) on SQLite: real tables that every connection sees, dropped
// when the connection that created them closes. Each one carries its owner (process id and start time) in
// a comment of its CREATE TABLE text, so that the tables of a process that died are dropped when a
// connection starts.
class GlobalTemporaryTables {
public:
    // Drops the ##tables whose owning process is gone.
    explicit GlobalTemporaryTables(SqlTarget& target);
    // Drops the ##tables this connection created and did not drop.
    ~GlobalTemporaryTables();
    GlobalTemporaryTables(const GlobalTemporaryTables&) = delete;
    GlobalTemporaryTables& operator=(const GlobalTemporaryTables&) = delete;

    void created(const std::string& name);
    void dropped(const std::string& name);

    // The comment that a translated CREATE TABLE of a ##table carries.
    static const std::string& ownerMarker();

private:
    void drop(const std::string& name);

    SqlTarget& target_;
    std::vector<std::string> owned_;
};

}  // namespace tsql
