#include "suite/app/script_automation.h"

#include "suite/app/script_host.h"

#include "ado/connection.h"
#include "ado/fields.h"
#include "ado/recordset.h"
#include "automation/dispatch.h"
#include "automation/error.h"
#include "automation/variant.h"

#include <QJSEngine>

namespace suite {

namespace {

using automation::MemberKind;

// The proxy that turns property reads and writes and method calls into the object's members.
const QString ProxySource = QStringLiteral(R"js(
(function (target) {
    return new Proxy(target, {
        get: function (t, name) {
            if (typeof name !== "string") return undefined;
            if (name === "__suiteTarget") return t;
            if (name === "toString") return function () { return "[object " + t.className() + "]"; };
            var kind = t.kindOf(name);
            if (kind === "method")
                return function () { return t.call(name, Array.prototype.slice.call(arguments)); };
            return t.get(name);
        },
        set: function (t, name, value) { t.put(name, value); return true; },
        has: function (t, name) { return typeof name === "string" && t.kindOf(name) !== ""; }
    });
})
)js");

template <class T>
T* scriptObject(const QJSValue& value) {
    return value.isQObject() ? qobject_cast<T*>(value.toQObject()) : nullptr;
}

}  // namespace

QJSValue ScriptAutomation::wrap(ScriptHost& host, std::shared_ptr<automation::Dispatch> object) {
    if (!object)
        return QJSValue(QJSValue::NullValue);
    QJSEngine& engine = host.engine();
    QJSValue proxy = engine.globalObject().property(QStringLiteral("__suiteLateBound"));
    if (!proxy.isCallable()) {
        proxy = engine.evaluate(ProxySource);
        engine.globalObject().setProperty(QStringLiteral("__suiteLateBound"), proxy);
    }
    return proxy.call({engine.newQObject(new ScriptDispatch(host, std::move(object)))});
}

QVariant ScriptAutomation::toMember(const QJSValue& value, bool objectExpected) {
    if (value.isUndefined())
        return automation::empty();
    if (value.isNull())
        return objectExpected ? automation::nothing() : automation::null();
    if (auto* connection = scriptObject<ScriptConnection>(value))
        return QVariant::fromValue(connection->connection());
    if (auto* recordset = scriptObject<ScriptRecordset>(value))
        return QVariant::fromValue(recordset->recordset());
    // A late-bound object arrives as its proxy, which hands out its target under a name of its own.
    if (value.isObject() && value.property(QStringLiteral("__suiteTarget")).isQObject()) {
        if (auto* dispatch = scriptObject<ScriptDispatch>(value.property(QStringLiteral("__suiteTarget"))))
            return QVariant::fromValue(dispatch->object());
    }
    return value.toVariant();
}

QJSValue ScriptAutomation::toScript(ScriptHost& host, const QVariant& value) {
    if (value.metaType() == QMetaType::fromType<std::shared_ptr<ado::Connection>>()) {
        const auto connection = value.value<std::shared_ptr<ado::Connection>>();
        return connection ? host.engine().newQObject(new ScriptConnection(host, connection))
                          : QJSValue(QJSValue::NullValue);
    }
    if (value.metaType() == QMetaType::fromType<std::shared_ptr<ado::Recordset>>()) {
        const auto recordset = value.value<std::shared_ptr<ado::Recordset>>();
        return recordset ? host.engine().newQObject(new ScriptRecordset(host, recordset))
                         : QJSValue(QJSValue::NullValue);
    }
    if (value.metaType() == QMetaType::fromType<std::shared_ptr<automation::Dispatch>>())
        return wrap(host, value.value<std::shared_ptr<automation::Dispatch>>());
    return host.toScript(value);
}

ScriptDispatch::ScriptDispatch(ScriptHost& host, std::shared_ptr<automation::Dispatch> object)
    : host_(host), object_(std::move(object)) {}

QString ScriptDispatch::className() const { return object_->classInfo().name(); }

QString ScriptDispatch::kindOf(const QString& name) const {
    const automation::ClassInfo& info = object_->classInfo();
    if (info.findMember(name, MemberKind::Method))
        return QStringLiteral("method");
    if (info.findMember(name, MemberKind::PropertyGet))
        return QStringLiteral("property");
    return QString();
}

QJSValue ScriptDispatch::get(const QString& name) {
    QVariant result;
    QVariantList none;
    if (!host_.gesture([&] { result = object_->invokeByName(name, MemberKind::PropertyGet, none); }))
        return QJSValue();
    return ScriptAutomation::toScript(host_, result);
}

void ScriptDispatch::put(const QString& name, const QJSValue& value) {
    const automation::ClassInfo& info = object_->classInfo();
    // Set for a property that takes an object, Let otherwise.
    const bool byReference = info.findMember(name, MemberKind::PropertyPutRef) &&
                             (value.isObject() || value.isNull() || !info.findMember(name, MemberKind::PropertyPut));
    const MemberKind kind = byReference ? MemberKind::PropertyPutRef : MemberKind::PropertyPut;
    QVariantList arguments{ScriptAutomation::toMember(value, byReference)};
    host_.gesture([&] { object_->invokeByName(name, kind, arguments); });
}

QJSValue ScriptDispatch::call(const QString& name, const QJSValue& arguments) {
    QVariantList values;
    const int count = arguments.property(QStringLiteral("length")).toInt();
    for (int i = 0; i < count; ++i)
        values << ScriptAutomation::toMember(arguments.property(quint32(i)), false);
    QVariant result;
    if (!host_.gesture([&] { result = object_->invokeByName(name, MemberKind::Method, values); }))
        return QJSValue();
    return ScriptAutomation::toScript(host_, result);
}

ScriptConnection::ScriptConnection(ScriptHost& host, std::shared_ptr<ado::Connection> connection)
    : host_(host), connection_(std::move(connection)) {}

int ScriptConnection::state() const { return int(connection_->state()); }

bool ScriptConnection::inTransaction() const { return connection_->inTransaction(); }

void ScriptConnection::beginTrans() {
    host_.gesture([&] { connection_->beginTrans(); });
}

void ScriptConnection::commitTrans() {
    host_.gesture([&] { connection_->commitTrans(); });
}

void ScriptConnection::rollbackTrans() {
    host_.gesture([&] { connection_->rollbackTrans(); });
}

ScriptRecordset::ScriptRecordset(ScriptHost& host, std::shared_ptr<ado::Recordset> recordset)
    : host_(host), recordset_(std::move(recordset)) {}

int ScriptRecordset::state() const { return int(recordset_->state()); }

double ScriptRecordset::recordCount() const {
    qint64 count = -1;
    host_.gesture([&] { count = recordset_->recordCount(); });
    return double(count);
}

bool ScriptRecordset::bof() const {
    bool at = false;
    host_.gesture([&] { at = recordset_->isBof(); });
    return at;
}

bool ScriptRecordset::eof() const {
    bool at = false;
    host_.gesture([&] { at = recordset_->isEof(); });
    return at;
}

void ScriptRecordset::moveFirst() {
    host_.gesture([&] { recordset_->moveFirst(); });
}

void ScriptRecordset::moveNext() {
    host_.gesture([&] { recordset_->moveNext(); });
}

QJSValue ScriptRecordset::value(const QJSValue& field) {
    QVariant result;
    if (!host_.gesture([&] {
            result = field.isNumber() ? recordset_->value(field.toInt()) : recordset_->value(field.toString());
        }))
        return QJSValue();
    return host_.toScript(result);
}

QJSValue ScriptRecordset::rows() {
    QJSValue list = host_.engine().newArray();
    host_.gesture([&] {
        const std::shared_ptr<ado::Recordset> reader = recordset_->clone();
        const ado::Fields& fields = reader->fields();
        quint32 index = 0;
        for (reader->moveFirst(); !reader->isEof(); reader->moveNext(), ++index) {
            QJSValue row = host_.engine().newObject();
            for (int i = 0; i < fields.count(); ++i)
                row.setProperty(fields.item(i).name(), host_.toScript(reader->value(i)));
            list.setProperty(index, row);
        }
    });
    return list;
}

void ScriptRecordset::close() {
    host_.gesture([&] { recordset_->close(); });
}

}  // namespace suite
