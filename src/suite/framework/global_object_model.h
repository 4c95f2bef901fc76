#pragma once

#include "brondel/console/host_components/global_object.h"

#include <QVariant>
#include <memory>

namespace suite {

// The host's global object. It refers to the current and the previous module without keeping them alive
// (the host owns its modules). Making another module current turns the current one into the previous
// one; closing a module forgets it in both places.
class GlobalObjectModel : public host::GlobalObject {
public:
    std::shared_ptr<host::DatabaseInfo> databaseInfo() const override { return databaseInfo_; }
    std::shared_ptr<host::Company> currentCompany() const override { return company_; }
    std::shared_ptr<host::Translator> translator() const override { return translator_; }
    std::shared_ptr<host::UserInfo> currentUser() const override { return user_; }
    QVariant languageId() const override { return languageId_; }

    void setCurrentModule(std::shared_ptr<host::Cinterface> module) override;
    std::shared_ptr<host::Cinterface> currentModule() const override { return current_.lock(); }
    void closeModule(std::shared_ptr<host::Cinterface>& module) override;
    std::shared_ptr<host::Cinterface> previousModule() const override { return previous_.lock(); }
    void setPreviousModule(std::shared_ptr<host::Cinterface> module) override { previous_ = module; }

    std::shared_ptr<host::HostFactory> factory() const override { return factory_; }

    void setDatabaseInfo(std::shared_ptr<host::DatabaseInfo> info) { databaseInfo_ = std::move(info); }
    void setCurrentCompany(std::shared_ptr<host::Company> company) { company_ = std::move(company); }
    void setTranslator(std::shared_ptr<host::Translator> translator) { translator_ = std::move(translator); }
    void setCurrentUser(std::shared_ptr<host::UserInfo> user) { user_ = std::move(user); }
    void setLanguageId(const QVariant& languageId) { languageId_ = languageId; }
    void setFactory(std::shared_ptr<host::HostFactory> factory) { factory_ = std::move(factory); }

    // How many times a module was closed.
    int closedModules() const { return closedModules_; }

private:
    std::shared_ptr<host::DatabaseInfo> databaseInfo_;
    std::shared_ptr<host::Company> company_;
    std::shared_ptr<host::Translator> translator_;
    std::shared_ptr<host::UserInfo> user_;
    QVariant languageId_;
    std::weak_ptr<host::Cinterface> current_;
    std::weak_ptr<host::Cinterface> previous_;
    std::shared_ptr<host::HostFactory> factory_;
    int closedModules_ = 0;
};

}  // namespace suite
