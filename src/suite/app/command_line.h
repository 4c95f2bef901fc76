#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

namespace suite {

// What suite-host was asked to do.
struct HostOptions {
    QString database;  // empty: the demo database in the user's data folder
    QVariant company = 1;
    QString language = QStringLiteral("ITA");
    QString caption;  // empty: the program's description in the menu
    QString call;     // "VAR", "ART", "VAR.RagVar"; empty: not called
    QString variant;
    QString grouping;
    bool modal = false;
    QString script;
    QString screenshot;
    QString traceSql;
    bool help = false;
    QString error;  // why the command line was refused; empty when it was not
};

// The command line of suite-host.
class CommandLine {
public:
    static HostOptions parse(const QStringList& arguments);
    static QString helpText();
};

}  // namespace suite
