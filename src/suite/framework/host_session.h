#pragma once

#include <QString>
#include <QVariant>
#include <memory>

namespace host {
class Cinterface;
}

// What the services read from the module they were initialised with: its company, its database and its
// user's language, all through the module's global object.
namespace suite::session {

// The current company's code; raises "Object required" when the module, its global object or its company
// is missing.
QVariant companyCode(const std::shared_ptr<host::Cinterface>& module);
// The database's connection text; empty when the module or its global object has none.
QString connectionString(const std::shared_ptr<host::Cinterface>& module);
// text in the user's language; unchanged when the module has no translator.
QString translate(const std::shared_ptr<host::Cinterface>& module, const QString& text);

// A number as statement text, written unquoted: the host's number conversion, then its text form.
QString sqlNumber(const QVariant& value);

}  // namespace suite::session
