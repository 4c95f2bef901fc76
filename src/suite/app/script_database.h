#pragma once

#include <QJSValue>
#include <QObject>
#include <QString>
#include <memory>

namespace ado {
class Connection;
}

namespace suite {

class ScriptHost;

// suite.db: the suite database on a connection of its own (SQL Server text, as the console writes it).
class ScriptDatabase : public QObject {
    Q_OBJECT

public:
    ScriptDatabase(ScriptHost& host, QString connectionString, QObject* parent);
    ~ScriptDatabase() override;

    // The rows of the last result set, each an object of its fields by name.
    Q_INVOKABLE QJSValue query(const QString& sql);
    // Runs a statement; the rows it changed (-1 when none counted).
    Q_INVOKABLE double exec(const QString& sql);
    // The connection query() and exec() run on, as a script connection object (see ScriptConnection).
    Q_INVOKABLE QJSValue connection();

private:
    ado::Connection& open();

    ScriptHost& host_;
    QString connectionString_;
    std::shared_ptr<ado::Connection> connection_;
};

}  // namespace suite
