#pragma once

#include <QString>
#include <QVariant>
#include <memory>
#include <optional>

namespace ado {
class Connection;
}
namespace host {
class Cinterface;
}

namespace suite {

class GlobalObjectModel;
class LookupPresenter;
class MenuEntryModel;
class MessagePresenter;
class ModelFactory;
class NavigatorModel;
class StatusBarModel;
class TranslatorModel;

// What every host gives the modules it opens: a global object on a suite database (its database info,
// translator, user 1 of group 1, language and factory), a navigator, a status bar, the menu entries of
// FW50_MODMENU, and the model factory with every standard model, whose message boxes and lookup windows
// reach the person through the given presenters (dialogs, or scripts in headless runs).
//
// The language is the first until the host sets another; the company is the host's to set. The host reads
// its menu and companies on a connection of its own, apart from the factory's.
class HostEnvironment {
public:
    HostEnvironment(const QString& databasePath, std::shared_ptr<ModelFactory> factory,
                    std::shared_ptr<MessagePresenter> messages, std::shared_ptr<LookupPresenter> lookups);
    virtual ~HostEnvironment();
    HostEnvironment(const HostEnvironment&) = delete;
    HostEnvironment& operator=(const HostEnvironment&) = delete;

    QString databasePath() const { return databasePath_; }
    QString connectionString() const { return connectionString_; }
    std::shared_ptr<ModelFactory> factory() const { return factory_; }
    std::shared_ptr<GlobalObjectModel> global() const { return global_; }
    std::shared_ptr<NavigatorModel> navigator() const { return navigator_; }
    std::shared_ptr<StatusBarModel> statusBar() const { return statusBar_; }
    TranslatorModel& translator() const { return *translator_; }

    // The host's own connection (its menu, companies, languages).
    ado::Connection& database() const { return *database_; }
    // The menu entry of a program of FW50_MODMENU (its description empty when the menu has no such program).
    std::shared_ptr<MenuEntryModel> menuEntry(const QString& program) const;
    // The name of a company of CG18_DITTE; none when the database has no company with that code.
    std::optional<QString> companyNameOf(const QVariant& companyCode) const;

    // Fills the host's members of a module's Cinterface as the host does before showForm: ClsGlobal,
    // ActiveNavigator, StatusBar, ClsVoceMenu (entry), Caption (caption, or else the entry's description),
    // IsActive (true) and IsCalled (false); and makes the module current for the global object and the
    // navigator.
    void attach(const std::shared_ptr<host::Cinterface>& module, const std::shared_ptr<MenuEntryModel>& entry,
                const QString& caption = QString()) const;

private:
    QString databasePath_;
    QString connectionString_;
    std::shared_ptr<ModelFactory> factory_;
    std::shared_ptr<TranslatorModel> translator_;
    std::shared_ptr<GlobalObjectModel> global_;
    std::shared_ptr<NavigatorModel> navigator_;
    std::shared_ptr<StatusBarModel> statusBar_;
    std::shared_ptr<ado::Connection> database_;
};

}  // namespace suite
