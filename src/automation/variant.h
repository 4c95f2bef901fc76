#pragma once

#include <QVariant>

// Visual Basic meaning for QVariant: Empty is an invalid QVariant(), Null is QVariant::fromValue(nullptr).
namespace automation {

inline QVariant empty() { return QVariant(); }
inline QVariant null() { return QVariant::fromValue(nullptr); }

inline bool isEmpty(const QVariant& v) { return !v.isValid(); }
inline bool isNull(const QVariant& v) { return v.isValid() && v.metaType().id() == QMetaType::Nullptr; }

}  // namespace automation
