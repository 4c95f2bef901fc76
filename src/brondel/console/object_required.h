#pragma once

#include "automation/error.h"

#include <QString>
#include <memory>
#include <optional>

namespace brondel {

// The object, or VB's error 91 when the reference is nothing (a member used on Nothing).
template <class T>
std::shared_ptr<T> required(std::shared_ptr<T> object) {
    if (!object)
        throw automation::Error::fromNumber(automation::errors::ObjectVariableNotSet);
    return object;
}

// The value of an object kept in an optional (a dictionary created on first use), or error 91.
template <class T>
const T& required(const std::optional<T>& object) {
    if (!object)
        throw automation::Error::fromNumber(automation::errors::ObjectVariableNotSet);
    return *object;
}

// A control as the type its user needs, or TypeMismatch naming it.
template <class T, class Control>
std::shared_ptr<T> typedControl(const std::shared_ptr<Control>& control, const QString& name) {
    auto typed = std::dynamic_pointer_cast<T>(control);
    if (!typed)
        throw automation::Error::fromNumber(automation::errors::TypeMismatch, name);
    return typed;
}

}  // namespace brondel
