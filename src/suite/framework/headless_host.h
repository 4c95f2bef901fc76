#pragma once

#include <QString>
#include <QVariant>
#include <memory>

namespace host {
class Cinterface;
}

namespace suite {

class FunctionLibraryModel;
class GlobalObjectModel;
class MenuEntryModel;
class ModelFactory;
class NavigatorModel;
class ScreenModel;
class ScriptedLookups;
class ScriptedMessages;
class StatusBarModel;
class TranslatorModel;

// The suite host without windows, for tests and scripted runs: a global object on a suite database and a
// company, a navigator, a status bar, the menu entry of the program, and the model factory with every
// standard model, whose message boxes and lookup windows are answered by scripts.
//
// A test creates the host, queues answers and picks, attaches its module (the host's members of the
// module's Cinterface filled as the host does before showForm), calls showForm and drives the controls.
class HeadlessHost {
public:
    // databasePath: an existing suite database; program: the menu program the module is opened from
    // (its description, read from FW50_MODMENU, becomes the module's caption).
    HeadlessHost(const QString& databasePath, const QVariant& companyCode,
                 const QString& program = QStringLiteral("MGUO_BRONDEL"));
    ~HeadlessHost();
    HeadlessHost(const HeadlessHost&) = delete;
    HeadlessHost& operator=(const HeadlessHost&) = delete;

    QString connectionString() const { return connectionString_; }

    // Sets ClsGlobal, ActiveNavigator, StatusBar, ClsVoceMenu, Caption (the program's description),
    // IsActive (true) and IsCalled (false), and makes the module current for the global object and the
    // navigator.
    void attach(const std::shared_ptr<host::Cinterface>& module) const;

    std::shared_ptr<GlobalObjectModel> global() const { return global_; }
    std::shared_ptr<NavigatorModel> navigator() const { return navigator_; }
    std::shared_ptr<StatusBarModel> statusBar() const { return statusBar_; }
    std::shared_ptr<MenuEntryModel> menuEntry() const { return menuEntry_; }
    std::shared_ptr<ModelFactory> factory() const { return factory_; }
    TranslatorModel& translator() const { return *translator_; }
    ScriptedMessages& messages() const { return *messages_; }
    ScriptedLookups& lookups() const { return *lookups_; }
    FunctionLibraryModel& functionLibrary() const;
    ScreenModel& screen() const;

private:
    QString connectionString_;
    std::shared_ptr<ScriptedMessages> messages_;
    std::shared_ptr<ScriptedLookups> lookups_;
    std::shared_ptr<TranslatorModel> translator_;
    std::shared_ptr<ModelFactory> factory_;
    std::shared_ptr<GlobalObjectModel> global_;
    std::shared_ptr<NavigatorModel> navigator_;
    std::shared_ptr<StatusBarModel> statusBar_;
    std::shared_ptr<MenuEntryModel> menuEntry_;
};

}  // namespace suite
