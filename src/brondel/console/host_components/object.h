#pragma once

namespace host {

// Base of every host object that can be handed around as "an object" (the form to the script and layout
// models, a control to the resize component). Objects are shared by std::shared_ptr, as COM objects are
// reference counted; "set to nothing" is reset().
class Object {
public:
    virtual ~Object() = default;
};

}  // namespace host
