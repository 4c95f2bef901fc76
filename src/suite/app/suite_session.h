#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>
#include <memory>

namespace ado {
class Connection;
}
namespace host {
class Cinterface;
}

namespace suite {

class GlobalObjectModel;
class HostModelFactory;
class HostScriptModel;
class LookupPresenter;
class MenuEntryModel;
class MessagePresenter;
class NavigatorModel;
class StatusBarModel;

// What the host application knows while it runs: the suite database, the company and the user's language
// in its global object, the navigator, the status bar, the module's host script, and the factory of the
// framework's models, whose message boxes and lookup windows reach the person through the given
// presenters (dialogs, or a script in headless runs).
//
// The host numbers languages by their order in MG52_LINGUE, sorted by code, from 1.
class SuiteSession {
public:
    // Raises automation::Error when the database cannot be opened or does not hold the company or the
    // language.
    SuiteSession(const QString& databasePath, const QVariant& companyCode, const QString& language,
                 std::shared_ptr<HostModelFactory> factory, std::shared_ptr<MessagePresenter> messages,
                 std::shared_ptr<LookupPresenter> lookups);
    ~SuiteSession();
    SuiteSession(const SuiteSession&) = delete;
    SuiteSession& operator=(const SuiteSession&) = delete;

    QString databasePath() const { return databasePath_; }
    QString connectionString() const { return connectionString_; }
    QVariant companyCode() const;
    QString companyName() const;
    // Makes another company the current one (raises automation::Error when the database has none).
    void setCompany(const QVariant& companyCode);
    // The companies of the database: code and name, by code.
    QList<QPair<QVariant, QString>> companies() const;

    std::shared_ptr<HostModelFactory> factory() const { return factory_; }
    std::shared_ptr<GlobalObjectModel> global() const { return global_; }
    std::shared_ptr<NavigatorModel> navigator() const { return navigator_; }
    std::shared_ptr<StatusBarModel> statusBar() const { return statusBar_; }
    std::shared_ptr<HostScriptModel> hostScript() const { return hostScript_; }

    // The host's own connection (its menu, companies, languages), never traced.
    ado::Connection& database() const { return *database_; }
    // The menu entry of a program of FW50_MODMENU (its description as the caption).
    std::shared_ptr<MenuEntryModel> menuEntry(const QString& program) const;
    // Fills the host's members of a module's Cinterface as the host does before showForm, and makes the
    // module current.
    void attach(const std::shared_ptr<host::Cinterface>& module, const QString& program, const QString& caption) const;

private:
    QString firstValue(const QString& statement) const;

    QString databasePath_;
    QString connectionString_;
    std::shared_ptr<HostModelFactory> factory_;
    std::shared_ptr<GlobalObjectModel> global_;
    std::shared_ptr<NavigatorModel> navigator_;
    std::shared_ptr<StatusBarModel> statusBar_;
    std::shared_ptr<HostScriptModel> hostScript_;
    std::shared_ptr<ado::Connection> database_;
};

}  // namespace suite
