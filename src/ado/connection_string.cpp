#include "ado/connection_string.h"

#include "ado/error.h"
#include "automation/error.h"

namespace ado {

namespace {

[[noreturn]] void malformed(const QString& text, qsizetype at) {
    const automation::Error base = adoError(errors::BadInitString, QStringLiteral("ADODB.Connection"));
    throw automation::Error(
        base.number(), base.source(),
        QStringLiteral("%1 (connection string \"%2\", at character %3)").arg(base.description(), text).arg(at + 1));
}

}  // namespace

ConnectionString ConnectionString::parse(const QString& text) {
    ConnectionString result;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const qsizetype keyStart = i;
        while (i < n && text[i] != QLatin1Char('=') && text[i] != QLatin1Char(';'))
            ++i;
        const QString key = text.mid(keyStart, i - keyStart).trimmed().toLower();
        if (i >= n || text[i] == QLatin1Char(';')) {
            if (!key.isEmpty())
                malformed(text, keyStart);
            ++i;  // an empty entry between two semicolons
            continue;
        }
        if (key.isEmpty())
            malformed(text, keyStart);
        ++i;  // '='
        while (i < n && text[i].isSpace())
            ++i;
        QString value;
        if (i < n && (text[i] == QLatin1Char('"') || text[i] == QLatin1Char('\''))) {
            const QChar quote = text[i];
            const qsizetype quoteAt = i++;
            for (;;) {
                if (i >= n)
                    malformed(text, quoteAt);
                if (text[i] == quote) {
                    if (i + 1 < n && text[i + 1] == quote) {
                        value += quote;
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                value += text[i++];
            }
            while (i < n && text[i].isSpace())
                ++i;
            if (i < n && text[i] != QLatin1Char(';'))
                malformed(text, i);
        } else {
            const qsizetype valueStart = i;
            while (i < n && text[i] != QLatin1Char(';'))
                ++i;
            value = text.mid(valueStart, i - valueStart).trimmed();
        }
        ++i;  // ';'
        result.entries_.emplace_back(key, value);
    }
    return result;
}

QString ConnectionString::value(const QString& key) const {
    // As in OLE DB, a key given twice takes its last value.
    const QString folded = key.toLower();
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) {
        if (it->first == folded)
            return it->second;
    }
    return QString();
}

bool ConnectionString::contains(const QString& key) const {
    const QString folded = key.toLower();
    for (const auto& entry : entries_) {
        if (entry.first == folded)
            return true;
    }
    return false;
}

}  // namespace ado
