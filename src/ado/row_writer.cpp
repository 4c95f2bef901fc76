#include "ado/row_writer.h"

#include "ado/connection.h"
#include "ado/engine.h"
#include "ado/error.h"
#include "automation/error.h"
#include "automation/variant.h"

namespace ado {

namespace {

const QString Source = QStringLiteral("ADODB.Recordset");

bool isNullValue(const QVariant& v) { return automation::isNull(v) || automation::isEmpty(v); }

}  // namespace

void RowWriter::setUniqueTable(const QString& table) {
    if (table.compare(uniqueTable_, Qt::CaseInsensitive) == 0)
        return;
    uniqueTable_ = table;
    tablesKnown_ = false;
    tables_.clear();
}

std::vector<RowWriter::Table>& RowWriter::tables() {
    if (tablesKnown_)
        return tables_;
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        const ColumnInfo& column = columns_[i];
        if (column.table.isEmpty())
            continue;
        if (!uniqueTable_.isEmpty() && column.table.compare(uniqueTable_, Qt::CaseInsensitive) != 0)
            continue;
        auto it = std::find_if(tables_.begin(), tables_.end(),
                               [&](const Table& t) { return t.name.compare(column.table, Qt::CaseInsensitive) == 0; });
        if (it == tables_.end())
            it = tables_.insert(tables_.end(), Table{column.table, {}, {}, false});
        it->columns.push_back(static_cast<int>(i));
    }
    tablesKnown_ = true;
    return tables_;
}

const std::vector<int>& RowWriter::keyColumns(Connection& connection, Table& table) {
    if (table.keyResolved)
        return table.keyColumns;
    const QStringList key = connection.run([&](Engine& e) { return e.primaryKey(table.name); });
    std::vector<int> found;
    for (const QString& name : key) {
        auto it = std::find_if(table.columns.begin(), table.columns.end(), [&](int c) {
            return columns_[static_cast<std::size_t>(c)].origin.compare(name, Qt::CaseInsensitive) == 0;
        });
        if (it == table.columns.end()) {
            found.clear();
            break;
        }
        found.push_back(*it);
    }
    if (found.empty()) {
        throw automation::Error(automation::errors::ProviderError, Source,
                                QStringLiteral("Insufficient key column information for updating or refreshing. "
                                               "(table \"%1\")")
                                    .arg(table.name));
    }
    table.keyColumns = std::move(found);
    table.keyResolved = true;
    return table.keyColumns;
}

void RowWriter::criterion(Connection& connection, QString& sql, std::vector<QVariant>& parameters, int column,
                          const QVariant& value) const {
    sql += connection.engine().quoteIdentifier(columns_[static_cast<std::size_t>(column)].origin);
    if (isNullValue(value)) {
        sql += QLatin1String(" IS NULL");
    } else {
        sql += QLatin1String(" = ?");
        parameters.push_back(value);
    }
}

void RowWriter::rowAsRead(Connection& connection, QString& sql, std::vector<QVariant>& parameters,
                          const std::vector<int>& key, const std::vector<int>& columns, const Record& record) const {
    bool first = true;
    auto where = [&](int c) {
        if (!first)
            sql += QLatin1String(" AND ");
        first = false;
        criterion(connection, sql, parameters, c, record.original(static_cast<std::size_t>(c)));
    };
    for (int c : key)
        where(c);
    for (int c : columns) {
        if (std::find(key.begin(), key.end(), c) == key.end())
            where(c);
    }
}

void RowWriter::run(Connection& connection, const QString& sql, const std::vector<QVariant>& parameters,
                    bool mustMatch) {
    const tsql::BatchResult result = connection.run([&](Engine& e) { return e.executeGenerated(sql, parameters); });
    if (mustMatch && result.rowsAffected == 0)
        throw adoError(automation::errors::RowNotFoundForUpdate, Source);
}

void RowWriter::insert(Connection& connection, const Record& record) {
    for (Table& table : tables()) {
        QString names;
        QString marks;
        std::vector<QVariant> parameters;
        for (int c : table.columns) {
            const auto i = static_cast<std::size_t>(c);
            if (!record.isChanged(i))
                continue;
            if (!names.isEmpty()) {
                names += QLatin1String(", ");
                marks += QLatin1String(", ");
            }
            names += connection.engine().quoteIdentifier(columns_[i].origin);
            marks += QLatin1Char('?');
            parameters.push_back(record.values[i]);
        }
        if (parameters.empty())
            continue;
        run(connection,
            QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                .arg(connection.engine().quoteIdentifier(table.name), names, marks),
            parameters, false);
    }
}

void RowWriter::update(Connection& connection, const Record& record) {
    if (!record.pending)
        return;
    for (Table& table : tables()) {
        QString sql;
        std::vector<QVariant> parameters;
        std::vector<int> changed;
        for (int c : table.columns) {
            if (record.isChanged(static_cast<std::size_t>(c)))
                changed.push_back(c);
        }
        if (changed.empty())
            continue;
        const std::vector<int>& key = keyColumns(connection, table);
        sql = QLatin1String("UPDATE ") + connection.engine().quoteIdentifier(table.name) + QLatin1String(" SET ");
        for (std::size_t n = 0; n < changed.size(); ++n) {
            const auto i = static_cast<std::size_t>(changed[n]);
            if (n > 0)
                sql += QLatin1String(", ");
            sql += connection.engine().quoteIdentifier(columns_[i].origin) + QLatin1String(" = ?");
            parameters.push_back(record.values[i]);
        }
        sql += QLatin1String(" WHERE ");
        rowAsRead(connection, sql, parameters, key, changed, record);
        run(connection, sql, parameters, true);
    }
}

void RowWriter::remove(Connection& connection, const Record& record) {
    for (Table& table : tables()) {
        const std::vector<int>& key = keyColumns(connection, table);
        QString sql =
            QLatin1String("DELETE FROM ") + connection.engine().quoteIdentifier(table.name) + QLatin1String(" WHERE ");
        std::vector<QVariant> parameters;
        // Every column as read: a row another user changed meanwhile is not deleted.
        rowAsRead(connection, sql, parameters, key, table.columns, record);
        run(connection, sql, parameters, true);
    }
}

}  // namespace ado
