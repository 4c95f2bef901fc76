#include "suite/app/host_application.h"

#include "suite/app/component_loader.h"
#include "suite/app/control_finder.h"
#include "suite/app/host_model_factory.h"
#include "suite/app/main_window.h"
#include "suite/app/module_window.h"
#include "suite/app/script_host.h"
#include "suite/app/statement_trace.h"
#include "suite/app/suite_session.h"

#include "suite/widgets/busy_cursor.h"
#include "suite/widgets/form_view.h"
#include "suite/widgets/lookup_dialogs.h"
#include "suite/widgets/message_dialogs.h"
#include "suite/widgets/view_factory.h"
#include "suite/widgets/view_hub.h"

#include "suite/db/suite_database.h"
#include "suite/framework/form_model.h"
#include "suite/framework/grid_navigator_model.h"
#include "suite/framework/model_node.h"
#include "suite/framework/navigator_model.h"
#include "suite/framework/screen_model.h"
#include "suite/framework/scripted_lookups.h"
#include "suite/framework/scripted_messages.h"
#include "suite/framework/status_bar_model.h"
#include "suite/framework/virtual_frame_model.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/dispatch.h"
#include "automation/error.h"
#include "automation/variant.h"
#include "brondel/console/host_components/cinterface.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QScopedValueRollback>
#include <QStandardPaths>
#include <QTextStream>

namespace suite {

namespace {

// Without a person, a module's failure is not shown in a dialog nobody would close: it goes on to the
// caller (the script, or the run), as it was raised.
void rethrow(const automation::Error&) { throw; }

}  // namespace

HostApplication::HostApplication(HostOptions options)
    : options_(std::move(options)), interactive_(options_.script.isEmpty() && options_.screenshot.isEmpty()),
      factory_(std::make_shared<HostModelFactory>()), views_(std::make_unique<ViewFactory>()) {
    if (!options_.traceSql.isEmpty()) {
        trace_ = std::make_shared<StatementTrace>(options_.traceSql);
        factory_->setTrace(trace_);
    }
    std::shared_ptr<MessagePresenter> messages;
    std::shared_ptr<LookupPresenter> lookups;
    if (interactive_) {
        messages = std::make_shared<MessageDialogs>();
        lookups = std::make_shared<LookupDialogs>();
    } else {
        scriptedMessages_ = std::make_shared<ScriptedMessages>();
        scriptedLookups_ = std::make_shared<ScriptedLookups>();
        messages = scriptedMessages_;
        lookups = scriptedLookups_;
    }
    const QString database = options_.database.isEmpty() ? demoDatabase() : options_.database;
    session_ =
        std::make_unique<SuiteSession>(database, options_.company, options_.language, factory_, messages, lookups);
    loader_ = std::make_unique<ComponentLoader>(QDir(dataFolder()).filePath(QStringLiteral("components.json")),
                                                librarySearchFolders());
    factory_->setFormCreated([this](const std::shared_ptr<FormModel>& form) {
        if (opening_)
            opening_->adoptForm(form);
    });

    MainWindow::Handlers handlers;
    handlers.openProgram = [this](const QString& program) { openProgram(program); };
    handlers.frameButtonAvailable = [this](const QString& caption) { return frameButtonAvailable(caption); };
    handlers.pressFrameButton = [this](const QString& caption) { pressFrameButton(caption); };
    handlers.changeCompany = [this] { changeCompany(); };
    handlers.exportToOffice = [this] { exportToOffice(); };
    handlers.closeModules = [this] { return closeModules(); };
    window_ = std::make_unique<MainWindow>(session_->navigator(), session_->statusBar(), std::move(handlers));
    window_->setWindowTitle(QStringLiteral("Suite gestionale - %1").arg(QFileInfo(database).fileName()));
    session_->statusBar()->setPanelText(3, QFileInfo(database).fileName());
    loadPrograms();
}

HostApplication::~HostApplication() {
    // A module still open (a script that ended without closing it) closes as at the suite's exit: only its
    // form's unload lets go of the module, the form and the module's connection, which hold one another.
    for (const auto& window : modules_) {
        try {
            if (window->isOpen())
                window->close();
        } catch (const std::exception& error) {
            QTextStream(stderr) << "suite-host: " << error.what() << Qt::endl;
        }
    }
    modules_.clear();
    window_.reset();
}

std::shared_ptr<automation::Dispatch> HostApplication::createObject(const QString& progId) {
    return loader_->create(progId);
}

QString HostApplication::errorText(const automation::Error& error) {
    QString source = error.source();
    return QStringLiteral("error %1: %2 (in %3)")
        .arg(error.number())
        .arg(error.description(), source.replace(QStringLiteral("\r\n"), QStringLiteral(" > ")));
}

QString HostApplication::dataFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(folder);
    return folder;
}

QString HostApplication::demoDatabase() {
    const QString path = QDir(dataFolder()).filePath(QStringLiteral("demo.db"));
    if (!QFileInfo::exists(path))
        db::createSuiteDatabase(path, true);
    return path;
}

QStringList HostApplication::librarySearchFolders() {
    const QString here = QCoreApplication::applicationDirPath();
    QStringList folders = {here, QDir(here).filePath(QStringLiteral("../lib")),
                           QDir(here).filePath(QStringLiteral("../../brondel"))};
#ifdef SUITE_COMPONENT_FOLDER
    folders << QStringLiteral(SUITE_COMPONENT_FOLDER);
#endif
    return folders;
}

QString HostApplication::progIdOf(const QString& program) {
    // Programs are named <module>UO_<name>; their class is CLS<module>_<name>.
    const qsizetype marker = program.indexOf(QLatin1String("UO_"));
    if (marker > 0)
        return program + QStringLiteral(".CLS") + program.left(marker) + QLatin1Char('_') + program.mid(marker + 3);
    return program + QStringLiteral(".CLS") + program;
}

void HostApplication::loadPrograms() {
    QList<ProgramEntry> entries;
    const std::shared_ptr<ado::Recordset> rows = session_->database().execute(
        QStringLiteral("SELECT FW50_IDVOCETS, FW50_IDPADRE, FW50_NOME, FW50_DESCR FROM FW50_MODMENU "
                       "ORDER BY FW50_ORDINE, FW50_IDVOCETS"));
    for (; rows->isOpen() && !rows->isEof(); rows->moveNext())
        entries.append(
            {rows->value(0), rows->value(1), automation::cstr(rows->value(2)), automation::cstr(rows->value(3))});
    window_->setPrograms(entries);
}

void HostApplication::report(const QString& text, const QString& details) const {
    // The detail is for whoever reads the program's log; the person reads one sentence in the suite's words.
    if (!details.isEmpty())
        QTextStream(stderr) << QStringLiteral("suite-host: ") << details << Qt::endl;
    if (interactive_)
        QMessageBox::warning(window_.get(), QStringLiteral("Suite gestionale"), text);
    else
        QTextStream(stderr) << text << Qt::endl;
}

ModuleWindow* HostApplication::module(const QString& program) const {
    for (const auto& window : modules_) {
        if (window->isOpen() && window->program().compare(program, Qt::CaseInsensitive) == 0)
            return window.get();
    }
    return nullptr;
}

ModuleWindow* HostApplication::openProgram(const QString& program) {
    if (ModuleWindow* open = module(program)) {
        if (open->subWindow())
            window_->mdiArea().setActiveSubWindow(open->subWindow());
        return open;
    }
    std::shared_ptr<automation::Dispatch> instance;
    try {
        instance = loader_->create(progIdOf(program));
    } catch (const automation::Error& error) {
        report(QStringLiteral("Impossibile avviare il programma %1: non è installato o non è registrato su questo "
                              "computer.\nRivolgersi all'amministratore del sistema.")
                   .arg(program),
               errorText(error));
        return nullptr;
    }
    auto window = std::make_unique<ModuleWindow>(program, instance, window_->mdiArea(), *views_);
    if (!window->module()) {
        report(QStringLiteral("Il programma %1 non è un modulo della suite.").arg(program));
        return nullptr;
    }
    ModuleWindow* opened = window.get();
    modules_.push_back(std::move(window));
    opened->closed = [this, opened] {
        // The window goes once the current event is over.
        QMetaObject::invokeMethod(
            window_.get(),
            [this, opened] {
                std::erase_if(modules_, [opened](const auto& window) { return window.get() == opened; });
                window_->refreshToolbar();
            },
            Qt::QueuedConnection);
    };
    const std::shared_ptr<host::Cinterface> contract = opened->module();
    session_->attach(contract, program, program == ConsoleProgram ? options_.caption : QString());
    contract->setWindowModal(options_.modal);
    contract->setWindowState(0);
    contract->setTop(0);
    contract->setLeft(0);
    if (program == ConsoleProgram)
        setCallMode(*opened);
    opened->hub().setAfterSync([this] { window_->refreshToolbar(); });
    if (!interactive_)
        opened->hub().setErrorReporter(rethrow);
    {
        const QScopedValueRollback<ModuleWindow*> opening(opening_, opened);
        opened->show(interactive_);
    }
    if (opened->subWindow())
        QObject::connect(opened->subWindow(), &QMdiSubWindow::windowStateChanged, window_.get(),
                         [this] { window_->refreshToolbar(); });
    window_->refreshToolbar();
    return module(program);
}

void HostApplication::setCallMode(ModuleWindow& window) {
    window.module()->setCalled(!options_.call.isEmpty());
    if (options_.call.isEmpty())
        return;
    const auto put = [&](const char* property, const QString& value) {
        QVariantList args{value};
        window.instance()->invokeByName(QString::fromLatin1(property), automation::MemberKind::PropertyPut, args);
    };
    put("TipoChiamataConsole", options_.call);
    put("CodiceVariante", options_.variant);
    put("CodiceRaggruppamento", options_.grouping);
}

bool HostApplication::closeModules() {
    for (const auto& window : modules_) {
        if (window->isOpen() && !window->close())
            return false;
    }
    return true;
}

ModuleWindow* HostApplication::currentModule() const {
    const std::shared_ptr<host::Cinterface> current = session_->navigator()->currentModule();
    for (const auto& window : modules_) {
        if (current && window->module() == current)
            return window.get();
    }
    return nullptr;
}

namespace {

GridNavigatorModel* frameNavigator(const ModuleWindow* window) {
    if (!window || !window->module())
        return nullptr;
    // The toolbar acts on the console a person sees: never on a minimised or hidden one.
    if (const QMdiSubWindow* shown = window->subWindow(); shown && (shown->isMinimized() || !shown->isVisible()))
        return nullptr;
    const auto shown = [](const host::Control* control) {
        ModelNode* node = nodeOf(const_cast<host::Control*>(control));
        return node && node->isVisibleInTree();
    };
    auto* frame = dynamic_cast<VirtualFrameModel*>(window->module()->activeFrame().get());
    auto* navigator = frame ? dynamic_cast<GridNavigatorModel*>(frame->navigator().get()) : nullptr;
    if ((navigator && shown(navigator)) || !window->form())
        return navigator;
    // Sections that do not name their frame to the host (options, groupings, sub-codes) still show a
    // navigator: the toolbar and its keys act on the one the person sees.
    const std::shared_ptr<host::Control> visible =
        ControlFinder(*window->form()).find([&](const host::Control& control) {
            return dynamic_cast<const GridNavigatorModel*>(&control) && shown(&control);
        });
    return visible ? dynamic_cast<GridNavigatorModel*>(visible.get()) : navigator;
}

}  // namespace

bool HostApplication::frameButtonAvailable(const QString& caption) const {
    const GridNavigatorModel* navigator = frameNavigator(currentModule());
    return navigator && navigator->isButtonAvailable(caption);
}

void HostApplication::pressFrameButton(const QString& caption) {
    ModuleWindow* window = currentModule();
    if (GridNavigatorModel* navigator = frameNavigator(window))
        window->hub().run([&] { navigator->pressButton(caption); });
}

bool HostApplication::askNavigator(const std::function<bool()>& request) {
    bool allowed = false;
    if (ModuleWindow* window = currentModule())
        window->hub().run([&] { allowed = request(); });
    else
        allowed = request();
    return allowed;
}

void HostApplication::changeCompany() {
    if (!askNavigator([this] { return session_->navigator()->requestCompanyChange(); }))
        return;
    QStringList names;
    int current = 0;
    const QList<QPair<QVariant, QString>> companies = session_->companies();
    for (const auto& [code, name] : companies) {
        if (automation::cstr(code) == automation::cstr(session_->companyCode()))
            current = int(names.size());
        names << QStringLiteral("%1 - %2").arg(automation::cstr(code), name);
    }
    bool chosen = false;
    const QString choice = QInputDialog::getItem(window_.get(), QStringLiteral("Cambia ditta"),
                                                 QStringLiteral("Ditta:"), names, current, false, &chosen);
    if (chosen)
        session_->setCompany(companies.value(int(names.indexOf(choice))).first);
}

void HostApplication::exportToOffice() {
    if (askNavigator([this] { return session_->navigator()->requestExportToOffice(); }))
        QMessageBox::information(window_.get(), QStringLiteral("Esporta in Office"),
                                 QStringLiteral("Nessun programma aperto ha dati da esportare."));
}

bool HostApplication::saveScreenshot(const QString& path) {
    for (const auto& window : modules_) {
        if (window->isOpen())
            window->hub().syncAll();
    }
    QApplication::processEvents();
    return window_->grab().save(path, "PNG");
}

int HostApplication::runScript() {
    ScriptHost script(*this);
    return script.run(options_.script);
}

int HostApplication::run() {
    // A person's screen decides where and how large; pictures and scripts always draw at the same size.
    if (interactive_) {
        window_->showFitted(QSize(1100, 800));
    } else {
        window_->resize(1100, 800);
        window_->show();
    }
    BusyCursor busy(std::dynamic_pointer_cast<ScreenModel>(factory_->screen()));
    int code = 0;
    if (!options_.script.isEmpty()) {
        code = runScript();
    } else {
        openProgram(ConsoleProgram);
        if (interactive_)
            return QApplication::exec();
    }
    if (!options_.screenshot.isEmpty()) {
        if (!saveScreenshot(options_.screenshot)) {
            QTextStream(stderr) << "suite-host: cannot write " << options_.screenshot << Qt::endl;
            return code == 0 ? 1 : code;
        }
        QTextStream(stdout) << "Screenshot written to " << QFileInfo(options_.screenshot).absoluteFilePath()
                            << Qt::endl;
    }
    return code;
}

}  // namespace suite
