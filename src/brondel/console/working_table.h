#pragma once

#include <QString>
#include <functional>

namespace ado {
class Connection;
}

namespace host {
class FunctionLibrary;
}

namespace brondel {

// A working table of the console on the server: a global temporary table ("##" tables) named by its prefix
// and the host function library's unique suffix, which is what keeps consoles sharing one database (in
// one process or in several) out of each other's tables. The table is created on first use, once per
// console instance, and lives as long as the console's connection.
class WorkingTable {
public:
    // creation: the CREATE TABLE statement for a name.
    WorkingTable(QString prefix, std::function<QString(const QString& name)> creation);

    // The table's name; the first call names the table and creates it. A creation that fails leaves the
    // table unnamed, so the next call tries again.
    QString name(host::FunctionLibrary& library, ado::Connection& connection);
    // Empty until the table exists.
    QString createdName() const { return name_; }

private:
    QString prefix_;
    std::function<QString(const QString&)> creation_;
    QString name_;
};

}  // namespace brondel
