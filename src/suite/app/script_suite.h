#pragma once

#include <QJSValue>
#include <QObject>
#include <QString>

namespace suite {

class ModuleWindow;
class ScriptDatabase;
class ScriptHost;

// The object `suite` of host scripts.
//
//   suite.console            the open console (opened on first use); null once closed
//   suite.open()             opens the console (again)
//   suite.section(key)       clicks the sidebar item with that key
//   suite.control(name[, i]) a control of the console's form by name (and index in a control array, also
//                            written "NAME(i)")
//   suite.close()            CloseForm: true when the console closed
//   suite.answer(code)       queues the answer to the next question (1 OK, 2 Cancel, 6 Yes, 7 No...)
//   suite.pick(rows)         queues a pick in the next lookup window: a row index, an array of indexes
//                            (multiple selection), or null to close it
//   suite.messages           every message shown: {text, style, title, errorBox}
//   suite.lookups            every lookup window shown: {title, rows}
//   suite.status(panel)      the text of a panel of the host's status bar
//   suite.cancel             set in bwClose to keep the console open
//   suite.db                 query(sql) -> rows as objects, exec(sql) -> rows affected, connection() -> the
//                            ADO connection they run on (state, inTransaction, beginTrans(), commitTrans(),
//                            rollbackTrans()), to hand to a late-bound object
//   suite.createObject(progId) a new instance of a class of the component registry, created and called by
//                            late binding as the suite's programs do: its type library's properties read and
//                            written by name, its methods called as functions; objects it returns are
//                            connections, recordsets (state, recordCount, bof, eof, moveFirst(), moveNext(),
//                            value(field), rows(), close()) or late-bound objects; Nothing is null
//   suite.screenshot(file)   saves the main window as PNG
class ScriptSuite : public QObject {
    Q_OBJECT
    Q_PROPERTY(QJSValue console READ console)
    Q_PROPERTY(QJSValue messages READ messages)
    Q_PROPERTY(QJSValue lookups READ lookups)
    Q_PROPERTY(QObject* db READ db CONSTANT)
    Q_PROPERTY(bool cancel READ cancel WRITE setCancel)

public:
    explicit ScriptSuite(ScriptHost& host);

    QJSValue console();
    QJSValue messages() const;
    QJSValue lookups() const;
    QObject* db() const;
    bool cancel() const { return cancel_; }
    void setCancel(bool cancel) { cancel_ = cancel; }

    Q_INVOKABLE bool open();
    Q_INVOKABLE QJSValue createObject(const QString& progId);
    Q_INVOKABLE bool section(const QString& key);
    Q_INVOKABLE QJSValue control(const QString& name, int index = -1);
    Q_INVOKABLE bool close();
    Q_INVOKABLE void answer(int code);
    Q_INVOKABLE void pick(const QJSValue& rows);
    Q_INVOKABLE QString status(int panel) const;
    Q_INVOKABLE bool screenshot(const QString& path);
    Q_INVOKABLE void write(const QString& text) const;

    // The console's window, opened on the first call; nullptr once it closed.
    ModuleWindow* consoleWindow();

private:
    // The console's window or a JavaScript error saying it is not open.
    ModuleWindow* requireConsole();

    ScriptHost& host_;
    ScriptDatabase* db_;
    bool opened_ = false;
    bool cancel_ = false;
};

}  // namespace suite
