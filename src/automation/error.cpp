#include "automation/error.h"

namespace automation {

Error::Error(long number, QString source, QString description)
    : number_(number), source_(std::move(source)), description_(std::move(description)) {
    setSource(source_);
}

void Error::setSource(const QString& source) {
    source_ = source;
    what_ = QStringLiteral("%1 (%2): %3").arg(number_).arg(source_, description_).toStdString();
}

}  // namespace automation
