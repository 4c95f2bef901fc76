#pragma once

#include "suite/framework/host_environment.h"

#include <QString>
#include <QVariant>
#include <memory>

namespace suite {

class FunctionLibraryModel;
class ScreenModel;
class ScriptedLookups;
class ScriptedMessages;

// The suite host without windows, for tests and scripted runs: the host's environment on a suite database
// and a company, with the menu entry of the program, whose message boxes and lookup windows are answered by
// scripts. It asks nothing of the database's rows: a company or a program the database does not hold has
// an empty name or description, and the language is the first.
//
// A test creates the host, queues answers and picks, attaches its module (the host's members of the
// module's Cinterface filled as the host does before showForm), calls showForm and drives the controls.
class HeadlessHost : public HostEnvironment {
public:
    // databasePath: an existing suite database; program: the menu program the module is opened from
    // (its description, read from FW50_MODMENU, becomes the module's caption).
    HeadlessHost(const QString& databasePath, const QVariant& companyCode,
                 const QString& program = QStringLiteral("MGUO_BRONDEL"));
    ~HeadlessHost() override;

    // Attaches the module as opened from the host's program.
    void attach(const std::shared_ptr<host::Cinterface>& module) const;

    std::shared_ptr<MenuEntryModel> menuEntry() const { return menuEntry_; }
    ScriptedMessages& messages() const { return *messages_; }
    ScriptedLookups& lookups() const { return *lookups_; }
    FunctionLibraryModel& functionLibrary() const;
    ScreenModel& screen() const;

private:
    HeadlessHost(const QString& databasePath, const QVariant& companyCode, const QString& program,
                 std::shared_ptr<ScriptedMessages> messages, std::shared_ptr<ScriptedLookups> lookups);

    std::shared_ptr<ScriptedMessages> messages_;
    std::shared_ptr<ScriptedLookups> lookups_;
    std::shared_ptr<MenuEntryModel> menuEntry_;
};

}  // namespace suite
