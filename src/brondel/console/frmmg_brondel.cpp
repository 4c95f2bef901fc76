#include "brondel/console/frmmg_brondel.h"

#include "brondel/console/form_layout.h"
#include "brondel/console/object_required.h"
#include "brondel/host/clsmg_brondel.h"

#include "ado/connection.h"
#include "automation/variant.h"
#include "brondel/console/host_components/cinterface.h"
#include "brondel/console/host_components/company.h"
#include "brondel/console/host_components/connection_factory.h"
#include "brondel/console/host_components/data_format.h"
#include "brondel/console/host_components/database_info.h"
#include "brondel/console/host_components/decode_service.h"
#include "brondel/console/host_components/form.h"
#include "brondel/console/host_components/global_object.h"
#include "brondel/console/host_components/grid.h"
#include "brondel/console/host_components/host_factory.h"
#include "brondel/console/host_components/layout_object_model.h"
#include "brondel/console/host_components/lookup_service.h"
#include "brondel/console/host_components/mdi_host.h"
#include "brondel/console/host_components/menu_button.h"
#include "brondel/console/host_components/menu_entry.h"
#include "brondel/console/host_components/message_service.h"
#include "brondel/console/host_components/navigator.h"
#include "brondel/console/host_components/panel.h"
#include "brondel/console/host_components/resize_component.h"
#include "brondel/console/host_components/script_object.h"
#include "brondel/console/host_components/sidebar.h"
#include "brondel/console/host_components/virtual_frame.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace brondel {

using automation::ifElse;
using automation::Step;

namespace {

// The program's title in the error box.
const QString programTitle = QStringLiteral("MGUO_BRONDEL");
constexpr qint32 errorBoxStyle = host::message_style::AbortRetryIgnore + host::message_style::Critical +
                                 host::message_style::DefaultButton2 + host::message_style::SystemModal;
constexpr int callModeGrowth = 200;  // twips the form grows by, in each direction, when called

const char* const grids[] = {"GRD_CLIFORVAR",  "GRD_CONFIGART",  "GRD_CONFIGVAR",  "GRD_LINGUA",   "GRD_LINGUASUBART",
                             "GRD_OBBDOC",     "GRD_OBBPRO",     "GRD_OBBPRORIEP", "GRD_OPZIONI",  "GRD_PRIORLETT",
                             "GRD_RAGGR_MG5E", "GRD_RAGGR_MG5H", "GRD_RAGGRUP",    "GRD_SUBCODART"};

}  // namespace

std::shared_ptr<FRMMG_BRONDEL> FRMMG_BRONDEL::create() { return std::shared_ptr<FRMMG_BRONDEL>(new FRMMG_BRONDEL()); }

FRMMG_BRONDEL::FRMMG_BRONDEL()
    : errorBox_(
          [this](const QString& procedure, const automation::Error& error) { return MostraErrore(procedure, error); }),
      sections_(createConsoleSections(*this)) {
    FormLoaded = false;
}

FRMMG_BRONDEL::~FRMMG_BRONDEL() {
    // A control must not outlive the window that contains it.
    for (SectionFrame* frame : frames())
        frame->reset();
    sections_ = {};
    controls_.clear();
    SDB_PARAMETRI.reset();
    TLB_TITOLO.reset();
    PIC_PARAMETRI = {};
    PIC_MESSAGGIOERRORE.reset();
    LBL_MESSAGGIOERRORE.reset();
    MDIActiveX1.reset();
    ZYK_RESIZEFORM.reset();
    window_.reset();
}

std::span<const char* const> FRMMG_BRONDEL::releasedGrids() { return grids; }

QString FRMMG_BRONDEL::description() { return QStringLiteral("Console parametri varianti"); }

std::vector<SectionFrame*> FRMMG_BRONDEL::frames() const {
    std::vector<SectionFrame*> all;
    for (const auto& section : sections_) {
        if (!section)
            continue;
        for (const auto& frame : section->frames())
            all.push_back(frame.get());
    }
    return all;
}

std::shared_ptr<host::Form> FRMMG_BRONDEL::window() {
    if (!window_)
        load();
    return window_;
}

void FRMMG_BRONDEL::setWindowState(int state) { window()->setWindowState(state); }

void FRMMG_BRONDEL::setCaption(const QString& caption) { window()->setCaption(caption); }

void FRMMG_BRONDEL::show(bool modal) { window()->show(modal); }

bool FRMMG_BRONDEL::unload() { return !window_ || window_->unload(); }

std::shared_ptr<host::Cinterface> FRMMG_BRONDEL::hostInterface() const { return required(HostInterface); }

std::shared_ptr<host::GlobalObject> FRMMG_BRONDEL::global() const { return required(hostInterface()->clsGlobal()); }

std::shared_ptr<host::HostFactory> FRMMG_BRONDEL::factory() const { return required(global()->factory()); }

std::shared_ptr<host::Navigator> FRMMG_BRONDEL::navigator() const {
    return required(hostInterface()->activeNavigator());
}

template <class... Args>
void FRMMG_BRONDEL::connect(automation::Event<Args...>& event, void (FRMMG_BRONDEL::*procedure)(Args...)) {
    event.connect([form = weak_from_this(), procedure](Args... args) {
        if (const std::shared_ptr<FRMMG_BRONDEL> self = form.lock())
            ((*self).*procedure)(std::forward<Args>(args)...);
    });
}

void FRMMG_BRONDEL::load() {
    host::ControlDesign design;
    design.name = QString::fromLatin1(Name);
    design.kind = host::ControlKind::Form;
    design.caption = description();
    design.geometry = FormLayout::form();
    window_ = factory()->create<host::Form>(design);
    try {
        createControls();
    } catch (...) {
        window_.reset();
        controls_.clear();
        throw;
    }
    connect(window_->Activate, &FRMMG_BRONDEL::Form_Activate);
    connect(window_->QueryUnload, &FRMMG_BRONDEL::Form_QueryUnload);
    connect(window_->Unload, &FRMMG_BRONDEL::Form_Unload);
    connect(SDB_PARAMETRI->OnClickItemLink, &FRMMG_BRONDEL::SDB_PARAMETRI_OnClickItemLink);
    connect(MDIActiveX1->PlaceForm, &FRMMG_BRONDEL::MDIActiveX1_PlaceForm);
    connect(ZYK_RESIZEFORM->RegisterControls, &FRMMG_BRONDEL::ZYK_RESIZEFORM_RegisterControls);
}

void FRMMG_BRONDEL::Form_Activate() {
    // Re-synchronising the navigator ignores its errors, so only the first activation can reach the error box.
    AggiornaStatoNavigatore();
    if (FormLoaded)
        return;

    // A service is created and initialised with the host interface, in two statements.
    const auto createService = [this](auto& member, auto create) {
        return std::vector<Step>{
            [this, &member, create] { member = ((*factory()).*create)(); },
            [this, &member] { required(member)->initialize(HostInterface); },
        };
    };
    std::vector<Step> firstActivation = {
        [this] { NascondiPannelli(); },
        [this] { ConnectionString = required(global()->databaseInfo())->connectionString(); },
        [this] { ConsoleConnection = required(factory()->connectionFactory())->createConnection(); },
        [this] { required(ConsoleConnection)->setConnectionString(ConnectionString); },
        [this] { required(ConsoleConnection)->open(); },
        [this] { hostInterface()->setConnection(ConsoleConnection); },
    };
    const auto append = [&firstActivation](std::vector<Step> steps) {
        firstActivation.insert(firstActivation.end(), steps.begin(), steps.end());
    };
    append(createService(MessageService, &host::HostFactory::createMessageService));
    append({
        [this] { CompanyCode = required(global()->currentCompany())->code(); },
        [this] { PfmtProg = factory()->createDataFormat(); },
        [this] { required(PfmtProg)->setType(host::data_format_type::Custom); },
        [this] { required(PfmtProg)->setNullValue(QString()); },
    });
    append(createService(LookupService, &host::HostFactory::createLookupService));
    append(createService(DecodeService, &host::HostFactory::createDecodeService));
    append(createService(CliForLookupService, &host::HostFactory::createLookupService));
    append(createService(CliForDecodeService, &host::HostFactory::createDecodeService));
    append({
        [this] { required(CliForDecodeService)->setCompany(CompanyCode); },
        [this] { AggiornaStatoAbilitazioneVociSidebar(); },
        [this] { CaricaCombo(); },
        [this] { InitGrid(); },
    });
    // A step for each section, so that retrying a failed set-up runs that section's again, and no other.
    for (const auto& section : sections_) {
        if (section)
            firstActivation.push_back([&section] { section->configure(); });
    }
    append({
        [this] { controlAs<host::MenuButton>(QStringLiteral("CMD_RINUMERA"))->addItem("per opzione", "key_opzione"); },
        [this] {
            controlAs<host::MenuButton>(QStringLiteral("CMD_RINUMERA"))->addItem("per descrizione", "key_descrizione");
        },
        [this] { required(SDB_PARAMETRI)->initialize(HostInterface, false); },
        [this] { required(ZYK_RESIZEFORM)->start(); },
        [this] { BuildScript(); },
        [this] { ApplicaLayOut(); },
        ifElse([this] { return hostInterface()->isCalled(); },
               {
                   [this] {
                       const host::Geometry at = window()->geometry();
                       window_->move(at.left, at.top, at.width, at.height + callModeGrowth);
                   },
                   [this] {
                       const host::Geometry at = window()->geometry();
                       window_->move(at.left, at.top, at.width + callModeGrowth, at.height);
                   },
                   ifElse([this] { return isCallMode("VAR"); }, {[this] {
                              required(SDB_PARAMETRI)
                                  ->selectItem(sidebar_key::GroupVariants, sidebar_key::VariantConfigurator, false);
                          }}),
                   ifElse([this] { return isCallMode("ART"); }, {[this] {
                              required(SDB_PARAMETRI)
                                  ->selectItem(sidebar_key::GroupArticles, sidebar_key::ArticleConfigurator, false);
                          }}),
                   ifElse([this] { return isCallMode("VAR.RagVar"); }, {[this] { selectGroupingComposition(); }}),
               }),
        [this] { ExecuteFormEvent(QStringLiteral("bwOpen")); },
        [this] { FormLoaded = true; },
    });

    const bool started = automation::runSteps("Form_Activate", errorBox_, firstActivation);
    // Without its connection the console can do nothing: once the person has seen why, it closes.
    if (!started && !(ConsoleConnection && ConsoleConnection->isOpen()))
        unload();
}

bool FRMMG_BRONDEL::isCallMode(const char* mode) const {
    return automation::cstr(required(ConsoleObject)->tipoChiamataConsole()) == QLatin1String(mode);
}

void FRMMG_BRONDEL::selectGroupingComposition() {
    // Errors ignored; one whose number is 1 or more makes the variant configurator the section shown.
    long lastError = 0;
    const auto attempt = [&lastError](const std::function<void()>& statement) {
        try {
            statement();
        } catch (const automation::Error& error) {
            lastError = error.number();
        } catch (const std::exception&) {
            lastError = automation::errors::ProviderError;
        }
    };
    attempt([this] { required(SDB_PARAMETRI)->showGroup(sidebar_key::GroupArticles, false); });
    attempt([this] {
        required(SDB_PARAMETRI)->selectItem(sidebar_key::GroupVariants, sidebar_key::GroupingComposition, false);
    });
    if (lastError >= 1) {
        attempt([this] {
            required(SDB_PARAMETRI)->selectItem(sidebar_key::GroupVariants, sidebar_key::VariantConfigurator, false);
        });
    }
}

void FRMMG_BRONDEL::Form_QueryUnload(bool& cancel, int) {
    std::vector<Step> steps = {[this] { AggiornaStatoNavigatore(); }};
    for (SectionFrame* frame : frames()) {
        steps.push_back(ifElse([frame] { return frame->frame() != nullptr; },
                               {ifElse([frame] { return frame->frame()->queryClose(true, 0, true) == 0; },
                                       {[&cancel] { cancel = true; }})}));
    }
    steps.push_back(
        ifElse([&cancel] { return !cancel; },
               {
                   ifElse([this] { return navigator()->scriptObject() == nullptr; }, {[this] { BuildScript(); }}),
                   ifElse([this] { return navigator()->scriptObject() != nullptr; },
                          {
                              [this] { ExecuteFormEvent(QStringLiteral("bwClose")); },
                              [this, &cancel] { cancel = required(navigator()->scriptObject())->cancel(); },
                          }),
               }));
    automation::runSteps("Form_QueryUnload", errorBox_, steps);
}

void FRMMG_BRONDEL::closeModule() {
    std::shared_ptr<host::Cinterface> module = HostInterface;
    global()->closeModule(module);
}

void FRMMG_BRONDEL::Form_Unload(bool&) {
    std::vector<Step> steps = {
        [this] { closeModule(); },
        [this] { Unloading = true; },
        [this] { controlAs<host::Grid>(QStringLiteral("GRD_LINGUA"))->setRedrawEnabled(false); },
        [this] { controlAs<host::Grid>(QStringLiteral("GRD_LINGUASUBART"))->setRedrawEnabled(false); },
    };
    for (SectionFrame* frame : frames()) {
        steps.push_back([frame] { frame->close(); });
        steps.push_back([frame] { frame->detach(); });
        steps.push_back([frame] { frame->reset(); });
    }
    for (const auto& section : sections_) {
        if (!section)
            continue;
        for (const auto& frame : section->frames())
            steps.push_back([frame = frame.get()] { frame->releaseRecordset(); });
        steps.push_back([&section] { section->releaseRecordsets(); });
    }
    steps.insert(steps.end(), {
                                  [this] { VociAbilitate.reset(); },
                                  [this] { PannelliVoci.reset(); },
                                  [this] { MessaggiVoci.reset(); },
                                  [this] { required(CliForLookupService)->initialize(nullptr); },
                                  [this] { CliForLookupService.reset(); },
                                  [this] { required(CliForDecodeService)->initialize(nullptr); },
                                  [this] { CliForDecodeService.reset(); },
                                  [this] { required(LookupService)->initialize(nullptr); },
                                  [this] { LookupService.reset(); },
                                  [this] { required(DecodeService)->initialize(nullptr); },
                                  [this] { DecodeService.reset(); },
                                  [this] { PfmtProg.reset(); },
                              });
    for (const auto& section : sections_) {
        if (section)
            steps.push_back([&section] { section->releaseObjects(); });
    }
    steps.insert(
        steps.end(),
        {
            [this] { required(MessageService)->initialize(nullptr); },
            [this] { MessageService.reset(); },
            ifElse([this] { return ConsoleConnection != nullptr; },
                   {
                       ifElse([this] { return ConsoleConnection->isOpen(); }, {[this] { ConsoleConnection->close(); }}),
                       [this] { hostInterface()->setConnection(nullptr); },
                       [this] { ConsoleConnection.reset(); },
                   }),
        });
    for (const char* grid : grids)
        steps.push_back([this, grid] { controlAs<host::Grid>(QString::fromLatin1(grid))->release(); });
    steps.insert(steps.end(), {
                                  [this] { closeModule(); },
                                  [this] {
                                      required(navigator()->scriptObject())
                                          ->end(QVariant(required(hostInterface()->clsVoceMenu())->programName()));
                                  },
                                  [this] { navigator()->setLayoutObjectModel(nullptr); },
                                  [this] { navigator()->setScriptObject(nullptr); },
                                  [this] { navigator()->setCurrentModule(nullptr); },
                                  [this] { hostInterface()->setActiveNavigator(nullptr); },
                                  [this] { global()->setCurrentModule(nullptr); },
                                  [this] { global()->setPreviousModule(nullptr); },
                                  [this] { hostInterface()->setClsGlobal(nullptr); },
                                  [this] { hostInterface()->setActiveDll(nullptr); },
                                  [this] { hostInterface()->setStatusBar(nullptr); },
                                  [this] { hostInterface()->setClsVoceMenu(nullptr); },
                                  [this] { ConsoleObject.reset(); },
                                  [this] { HostInterface.reset(); },
                                  [this] { Unloading = false; },
                              });
    automation::runIgnoringErrors(steps);
}

void FRMMG_BRONDEL::MDIActiveX1_PlaceForm() {
    automation::runIgnoringErrors({[this] {
        required(MDIActiveX1)
            ->move(automation::clng(hostInterface()->left()), automation::clng(hostInterface()->top()),
                   FormLayout::FormWidth, FormLayout::FormHeight);
    }});
}

QVariant FRMMG_BRONDEL::ExecuteFormEvent(const QVariant& eventName) {
    return automation::reraise("ExecuteFormEvent", [&] {
        navigator()->buildScript();
        const std::shared_ptr<host::ScriptObject> script = navigator()->scriptObject();
        const QString event = automation::cstr(eventName);
        const QString name = QString::fromLatin1(Name);
        if (event == QLatin1String("bwOpen") && script)
            script->formEvent(name, 0, 1, QVariant(name));
        if (event == QLatin1String("bwClose") && script)
            script->formEvent(name, 0, 0, QVariant(name));
        return QVariant();
    });
}

void FRMMG_BRONDEL::BuildScript() {
    automation::reraise("BuildScript", [this] { navigator()->buildScript(); });
}

void FRMMG_BRONDEL::ApplicaLayOut() {
    automation::reraise("ApplicaLayOut", [this] {
        if (const std::shared_ptr<host::LayoutObjectModel> layout = navigator()->layoutObjectModel()) {
            layout->release();
            navigator()->setLayoutObjectModel(nullptr);
        }
        navigator()->buildLayout();
    });
}

void FRMMG_BRONDEL::InitGrid() {
    automation::reraise("InitGrid", [this] {
        for (const auto& section : sections_) {
            if (section)
                section->initGrids();
        }
    });
}

QVariant FRMMG_BRONDEL::AggiornaStatoNavigatore() {
    automation::runIgnoringErrors({
        [this] { global()->setCurrentModule(HostInterface); },
        ifElse([this] { return hostInterface()->activeFrame() != nullptr; },
               {[this] { navigator()->setStatus(hostInterface()->activeFrame()->status()); }}),
        [this] { navigator()->refresh(); },
    });
    return QVariant();
}

qint32 FRMMG_BRONDEL::MostraErrore(const QString& procName, const automation::Error& error) {
    // An error before the first activation created the message service (the connection failing) still
    // reaches the person: the service is created for it. Without a host to create one, Abort.
    if (!MessageService) {
        try {
            const std::shared_ptr<host::MessageService> service = required(factory()->createMessageService());
            service->initialize(HostInterface);
            MessageService = service;
        } catch (const std::exception&) {
            return host::message_answer::Abort;
        }
    }
    automation::Error shown = error;
    shown.setSource(QStringLiteral("\r\n") + error.source());
    MessageService->setCurrentError(shown);
    if (ConsoleConnection)
        MessageService->setDatabaseErrors(ConsoleConnection);
    const QString caption = window_ ? window_->caption() : QString();
    return MessageService->errorBox(programTitle, caption, procName, errorBoxStyle, 0);
}

QVariant FRMMG_BRONDEL::ValoreODefault(const QVariant& value, const QVariant& defaultValue) {
    if (automation::isEmpty(value) || automation::isNull(value))
        return defaultValue;
    bool blank = true;  // a value that has no text form counts as blank
    automation::runIgnoringErrors({[&] {
        const QString text = automation::cstr(value);
        blank = std::all_of(text.begin(), text.end(), [](QChar c) { return c == QLatin1Char(' '); });
    }});
    return blank ? defaultValue : value;
}

void FRMMG_BRONDEL::NascondiPannelli() {
    std::vector<Step> steps;
    for (int i = 0; i < PanelCount; ++i)
        steps.push_back([this, i] { required(PIC_PARAMETRI.at(i))->setVisible(false); });
    automation::runIgnoringErrors(steps);
}

}  // namespace brondel
