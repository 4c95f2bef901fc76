#pragma once

#include <QString>
#include <utility>
#include <vector>

namespace ado {

// An ADO connection string: "Key=Value;Key=Value". Keys are case-insensitive and trimmed; a value may be
// quoted with " or ' (the quote doubled inside stands for itself). parse() raises
// errors::BadInitString for a malformed string.
class ConnectionString {
public:
    static ConnectionString parse(const QString& text);

    // The value of a key, or an empty string when the key is absent.
    QString value(const QString& key) const;
    bool contains(const QString& key) const;

private:
    std::vector<std::pair<QString, QString>> entries_;  // keys folded to lower case
};

}  // namespace ado
