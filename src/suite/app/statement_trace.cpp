#include "suite/app/statement_trace.h"

#include "ado/connection.h"
#include "automation/error.h"

namespace suite {

StatementTrace::StatementTrace(const QString& path) : file_(std::make_shared<QFile>(path)) {
    if (!file_->open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw automation::Error(automation::errors::PathFileAccessError, QStringLiteral("suite-host"),
                                QStringLiteral("Path/File access error: %1 (%2)").arg(path, file_->errorString()));
}

void StatementTrace::follow(ado::Connection& connection) {
    // Each traced connection keeps the file open.
    connection.setStatementObserver([file = file_](const QString& statement) {
        QByteArray text = statement.toUtf8();
        if (!text.endsWith('\n'))
            text += '\n';
        text += "GO\n";
        file->write(text);
        file->flush();
    });
}

}  // namespace suite
