#include "automation/error.h"

namespace automation {

Error::Error(long number, QString source, QString description)
    : number_(number), source_(std::move(source)), description_(std::move(description)) {
    setSource(source_);
}

Error Error::fromNumber(long number, QString source) {
    const char* description = "Application-defined or object-defined error";
    switch (number) {
    case errors::Overflow: description = "Overflow"; break;
    case errors::TypeMismatch: description = "Type mismatch"; break;
    case errors::PathFileAccessError: description = "Path/File access error"; break;
    case errors::ObjectVariableNotSet: description = "Object variable or With block variable not set"; break;
    case errors::InvalidUseOfNull: description = "Invalid use of Null"; break;
    case errors::ObjectRequired: description = "Object required"; break;
    case errors::CannotCreateObject: description = "ActiveX component can't create object"; break;
    case errors::MemberNotSupported: description = "Object doesn't support this property or method"; break;
    }
    return Error(number, std::move(source), QString::fromLatin1(description));
}

void Error::setSource(const QString& source) {
    source_ = source;
    what_ = QStringLiteral("%1 (%2): %3").arg(number_).arg(source_, description_).toStdString();
}

}  // namespace automation
