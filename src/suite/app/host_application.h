#pragma once

#include "suite/app/command_line.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

namespace automation {
class Dispatch;
class Error;
}  // namespace automation

namespace suite {

class ComponentLoader;
class HostModelFactory;
class MainWindow;
class ModuleWindow;
class ScriptedLookups;
class ScriptedMessages;
class StatementTrace;
class SuiteSession;
class ViewFactory;

// suite-host: the session on the suite database, the main window, the modules it opens through the
// component registry, and, without a person in front of it (--script, --screenshot), scripted answers
// to message boxes and lookup windows.
class HostApplication {
public:
    // The program of the console.
    static inline const QString ConsoleProgram = QStringLiteral("MGUO_BRONDEL");

    // Needs a QApplication. Raises automation::Error when the session cannot start.
    explicit HostApplication(HostOptions options);
    ~HostApplication();
    HostApplication(const HostApplication&) = delete;
    HostApplication& operator=(const HostApplication&) = delete;

    // Opens the console (and runs the script, takes the screenshot) as the options say; returns the exit
    // code, after the event loop when a person uses the window.
    int run();

    bool isInteractive() const { return interactive_; }
    const HostOptions& options() const { return options_; }
    SuiteSession& session() const { return *session_; }
    MainWindow& mainWindow() const { return *window_; }
    // Headless runs only.
    ScriptedMessages* scriptedMessages() const { return scriptedMessages_.get(); }
    ScriptedLookups* scriptedLookups() const { return scriptedLookups_.get(); }

    // Opens a program of the menu, or brings its window forward when it is open; nothing when it could
    // not open (the person was told why). The console opens in the call mode of the options.
    ModuleWindow* openProgram(const QString& program);
    // The open module of a program; nullptr when none.
    ModuleWindow* module(const QString& program) const;
    // Asks every module to close (CloseForm); false when one refused.
    bool closeModules();
    // Syncs the views and saves the main window as a PNG; false when the file could not be written.
    bool saveScreenshot(const QString& path);

    // A new instance of a class registered in the component registry, created by its ProgID as the suite's
    // programs create them ("MGUO_BRONDEL.CLSMG_PRIORLETT"); raises automation::Error 429 when it cannot.
    std::shared_ptr<automation::Dispatch> createObject(const QString& progId);

    // The ProgID that serves a menu program: "MGUO_BRONDEL" is "MGUO_BRONDEL.CLSMG_BRONDEL".
    static QString progIdOf(const QString& program);
    // An automation error as the host reports it: number, description and the chain of procedures.
    static QString errorText(const automation::Error& error);
    // Where the demo database and the component registry live: the user's data folder.
    static QString dataFolder();
    // The demo database, created on first use.
    static QString demoDatabase();
    // Where a component library not yet registered is looked for.
    static QStringList librarySearchFolders();

private:
    void loadPrograms();
    void setCallMode(ModuleWindow& window);
    ModuleWindow* currentModule() const;
    bool frameButtonAvailable(const QString& caption) const;
    void pressFrameButton(const QString& caption);
    // Asks the navigator (a toolbar request the current module may refuse); whether it was allowed.
    bool askNavigator(const std::function<bool()>& request);
    void changeCompany();
    void exportToOffice();
    // Tells the person (a dialog) or the run (standard error) what went wrong, in the suite's words; the
    // technical detail goes to the log (standard error).
    void report(const QString& text, const QString& details = QString()) const;
    int runScript();

    HostOptions options_;
    bool interactive_;
    std::shared_ptr<ScriptedMessages> scriptedMessages_;
    std::shared_ptr<ScriptedLookups> scriptedLookups_;
    std::shared_ptr<StatementTrace> trace_;
    std::shared_ptr<HostModelFactory> factory_;
    std::unique_ptr<ViewFactory> views_;
    std::unique_ptr<SuiteSession> session_;
    std::unique_ptr<ComponentLoader> loader_;
    std::unique_ptr<MainWindow> window_;
    std::vector<std::unique_ptr<ModuleWindow>> modules_;
    ModuleWindow* opening_ = nullptr;
};

}  // namespace suite
