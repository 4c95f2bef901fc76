#include "suite/app/script_database.h"

#include "suite/app/script_automation.h"
#include "suite/app/script_host.h"

#include "ado/connection.h"
#include "ado/fields.h"
#include "ado/recordset.h"

#include <QJSEngine>

namespace suite {

ScriptDatabase::ScriptDatabase(ScriptHost& host, QString connectionString, QObject* parent)
    : QObject(parent), host_(host), connectionString_(std::move(connectionString)) {}

ScriptDatabase::~ScriptDatabase() = default;

ado::Connection& ScriptDatabase::open() {
    if (!connection_) {
        connection_ = std::make_shared<ado::Connection>();
        connection_->open(connectionString_);
    }
    return *connection_;
}

QJSValue ScriptDatabase::query(const QString& sql) {
    QJSValue rows = host_.engine().newArray();
    host_.gesture([&] {
        const std::shared_ptr<ado::Recordset> result = open().execute(sql);
        if (!result->isOpen())
            return;
        const ado::Fields& fields = result->fields();
        for (quint32 index = 0; !result->isEof(); result->moveNext(), ++index) {
            QJSValue row = host_.engine().newObject();
            for (int i = 0; i < fields.count(); ++i)
                row.setProperty(fields.item(i).name(), host_.toScript(result->value(i)));
            rows.setProperty(index, row);
        }
    });
    return rows;
}

QJSValue ScriptDatabase::connection() {
    if (!host_.gesture([&] { open(); }))
        return QJSValue();
    return host_.engine().newQObject(new ScriptConnection(host_, connection_));
}

double ScriptDatabase::exec(const QString& sql) {
    qint64 affected = -1;
    host_.gesture([&] { open().execute(sql, &affected); });
    return double(affected);
}

}  // namespace suite
