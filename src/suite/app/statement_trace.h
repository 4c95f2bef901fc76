#pragma once

#include <QFile>
#include <QString>
#include <memory>

namespace ado {
class Connection;
}

namespace suite {

// The statements a module sends, written to a file for support and audit: each exactly as sent (before
// any translation for the database's dialect), followed by a line holding only "GO".
class StatementTrace {
public:
    // Raises automation::Error when the file cannot be created.
    explicit StatementTrace(const QString& path);

    // Traces every statement sent on connection from now on.
    void follow(ado::Connection& connection);

private:
    std::shared_ptr<QFile> file_;
};

}  // namespace suite
