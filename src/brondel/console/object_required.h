#pragma once

#include "automation/error.h"

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

}  // namespace brondel
