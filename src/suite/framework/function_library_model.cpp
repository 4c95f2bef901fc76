#include "suite/framework/function_library_model.h"

#include "automation/variant.h"

#include <QUuid>

namespace suite {

QString FunctionLibraryModel::toText(const QVariant& value) const { return automation::cstr(value); }

QVariant FunctionLibraryModel::number(const QVariant& value) {
    switch (value.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Double:
    case QMetaType::Float:
        return value;
    case QMetaType::Bool:
        return value.toBool() ? -1 : 0;
    case QMetaType::QString: {
        const QString text = value.toString().trimmed();
        bool ok = false;
        const qint64 integer = text.toLongLong(&ok);
        if (ok)
            return integer;
        const double real = QString(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
        return ok ? QVariant(real) : QVariant(0);
    }
    default:
        return 0;
    }
}

void FunctionLibraryModel::lockRedraw(qint64 windowHandle) {
    if (windowHandle != 0)
        ++locks_;
    else if (lockedWindow_ != 0)
        ++unlocks_;
    lockedWindow_ = windowHandle;
}

QString FunctionLibraryModel::uniqueSuffix() { return QUuid::createUuid().toString(QUuid::Id128).toUpper(); }

}  // namespace suite
