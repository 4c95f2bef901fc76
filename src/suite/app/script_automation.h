#pragma once

#include <QJSValue>
#include <QObject>
#include <QString>
#include <QVariant>
#include <memory>

namespace ado {
class Connection;
class Recordset;
}  // namespace ado

namespace automation {
class Dispatch;
}

namespace suite {

class ScriptHost;

// Values between host scripts and late-bound objects. To a member: a connection, recordset or late-bound
// object of a script goes as the object itself, null as Nothing where the member takes an object and as
// Null elsewhere, undefined as Empty. Back to the script: objects as the script objects below, Nothing and
// Null as null, Empty as undefined.
class ScriptAutomation {
public:
    // A late-bound object as scripts use it: its type library's properties read and written by name
    // (regardless of case), its methods called as functions ("obj.Ditta = 1; obj.PrioritaPredefinite()").
    // Reading a member the class does not publish, a write-only property for one, fails with error 438.
    static QJSValue wrap(ScriptHost& host, std::shared_ptr<automation::Dispatch> object);

    static QVariant toMember(const QJSValue& value, bool objectExpected);
    static QJSValue toScript(ScriptHost& host, const QVariant& value);
};

// The object under a late-bound object's script proxy.
class ScriptDispatch : public QObject {
    Q_OBJECT

public:
    ScriptDispatch(ScriptHost& host, std::shared_ptr<automation::Dispatch> object);

    const std::shared_ptr<automation::Dispatch>& object() const { return object_; }

    // "method", "property" (readable), or "" when the class publishes no such member to read or call.
    Q_INVOKABLE QString kindOf(const QString& name) const;
    Q_INVOKABLE QString className() const;
    Q_INVOKABLE QJSValue get(const QString& name);
    Q_INVOKABLE void put(const QString& name, const QJSValue& value);
    Q_INVOKABLE QJSValue call(const QString& name, const QJSValue& arguments);

private:
    ScriptHost& host_;
    std::shared_ptr<automation::Dispatch> object_;
};

// An ADO connection: suite.db.connection(), or a late-bound object's connection property.
//   state                    1 open, 0 closed
//   beginTrans(), commitTrans(), rollbackTrans(), inTransaction
class ScriptConnection : public QObject {
    Q_OBJECT
    Q_PROPERTY(int state READ state)
    Q_PROPERTY(bool inTransaction READ inTransaction)

public:
    ScriptConnection(ScriptHost& host, std::shared_ptr<ado::Connection> connection);

    const std::shared_ptr<ado::Connection>& connection() const { return connection_; }
    int state() const;
    bool inTransaction() const;

    Q_INVOKABLE void beginTrans();
    Q_INVOKABLE void commitTrans();
    Q_INVOKABLE void rollbackTrans();

private:
    ScriptHost& host_;
    std::shared_ptr<ado::Connection> connection_;
};

// An ADO recordset a late-bound object returned.
//   state, recordCount, bof, eof; moveFirst(), moveNext(); value(field name or index) of the current row;
//   rows() every row as an object of its fields by name (the position is kept); close()
class ScriptRecordset : public QObject {
    Q_OBJECT
    Q_PROPERTY(int state READ state)
    Q_PROPERTY(double recordCount READ recordCount)
    Q_PROPERTY(bool bof READ bof)
    Q_PROPERTY(bool eof READ eof)

public:
    ScriptRecordset(ScriptHost& host, std::shared_ptr<ado::Recordset> recordset);

    const std::shared_ptr<ado::Recordset>& recordset() const { return recordset_; }
    int state() const;
    double recordCount() const;
    bool bof() const;
    bool eof() const;

    Q_INVOKABLE void moveFirst();
    Q_INVOKABLE void moveNext();
    Q_INVOKABLE QJSValue value(const QJSValue& field);
    Q_INVOKABLE QJSValue rows();
    Q_INVOKABLE void close();

private:
    ScriptHost& host_;
    std::shared_ptr<ado::Recordset> recordset_;
};

}  // namespace suite
