#pragma once

#include "brondel/console/host_components/object.h"

#include <QVariant>
#include <memory>

namespace host {

class Cinterface;
class Company;
class DatabaseInfo;
class HostFactory;
class Translator;
class UserInfo;

// The host's global object (ClsGlobal): what the host knows about the session, and the way to its
// components.
class GlobalObject : public Object {
public:
    virtual std::shared_ptr<DatabaseInfo> databaseInfo() const = 0;
    virtual std::shared_ptr<Company> currentCompany() const = 0;
    virtual std::shared_ptr<Translator> translator() const = 0;
    virtual std::shared_ptr<UserInfo> currentUser() const = 0;
    // The user's language, as the host numbers languages.
    virtual QVariant languageId() const = 0;

    // The host treats that module as the current one (nothing: none).
    virtual void setCurrentModule(std::shared_ptr<Cinterface> module) = 0;
    virtual std::shared_ptr<Cinterface> currentModule() const = 0;
    // The host forgets the module (it is closing).
    virtual void closeModule(std::shared_ptr<Cinterface>& module) = 0;
    // The module that was current before the current one; a closing module clears it.
    virtual std::shared_ptr<Cinterface> previousModule() const = 0;
    virtual void setPreviousModule(std::shared_ptr<Cinterface> module) = 0;

    // Creates the host's components and services.
    virtual std::shared_ptr<HostFactory> factory() const = 0;
};

}  // namespace host
