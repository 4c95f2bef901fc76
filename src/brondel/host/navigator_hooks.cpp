#include "brondel/host/navigator_hooks.h"

#include "brondel/console/frmmg_brondel.h"
#include "brondel/console/object_required.h"
#include "brondel/host/clsmg_brondel.h"

#include "automation/procedure.h"
#include "brondel/console/host_components/form.h"
#include "brondel/console/host_components/layout_object_model.h"
#include "brondel/console/host_components/message_service.h"
#include "brondel/console/host_components/navigator.h"
#include "brondel/console/host_components/script_object_model.h"
#include "brondel/console/host_components/virtual_frame.h"

#include <vector>

namespace brondel {

using automation::ifElse;
using automation::Step;

NavigatorHooks::NavigatorHooks(CLSMG_BRONDEL& console) : console_(console) {}

NavigatorHooks::~NavigatorHooks() { disconnect(); }

void NavigatorHooks::setNavigator(std::shared_ptr<host::Navigator> navigator) {
    disconnect();
    navigator_ = std::move(navigator);
    if (!navigator_)
        return;
    beforeChangeDitta_ =
        navigator_->BeforeChangeDitta.connect([this](bool& cancel) { gclsActiveNavigator_BeforeChangeDitta(cancel); });
    beforeExportToOffice_ = navigator_->BeforeExportToOffice.connect(
        [this](bool& cancel, QVariant& target) { gclsActiveNavigator_BeforeExportToOffice(cancel, target); });
    layoutModel_ =
        navigator_->InitializeLayoutObjectModel.connect([this](std::shared_ptr<host::LayoutObjectModel>& model) {
            gclsActiveNavigator_InitializeLayoutObjectModel(model);
        });
    scriptModel_ =
        navigator_->InitializeScriptObjectModel.connect([this](std::shared_ptr<host::ScriptObjectModel>& model) {
            gclsActiveNavigator_InitializeScriptObjectModel(model);
        });
}

void NavigatorHooks::disconnect() {
    if (!navigator_)
        return;
    navigator_->BeforeChangeDitta.disconnect(beforeChangeDitta_);
    navigator_->BeforeExportToOffice.disconnect(beforeExportToOffice_);
    navigator_->InitializeLayoutObjectModel.disconnect(layoutModel_);
    navigator_->InitializeScriptObjectModel.disconnect(scriptModel_);
    navigator_.reset();
}

void NavigatorHooks::inform(const QString& text) {
    required(required(console_.form())->messageService())
        ->showMessage(text, host::message_style::Information, QStringLiteral("Informazione"), true, 0);
}

void NavigatorHooks::gclsActiveNavigator_BeforeChangeDitta(bool& cancel) {
    automation::runIgnoringErrors({
        [&cancel] { cancel = true; },
        [this] { inform(QStringLiteral("Il cambio ditta è consentito solo dopo la chiusura del programma in uso!")); },
    });
}

void NavigatorHooks::gclsActiveNavigator_BeforeExportToOffice(bool& cancel, QVariant&) {
    automation::runIgnoringErrors({ifElse([this, &cancel] { return !cancel && console_.isActive(); },
                                          {
                                              [this] {
                                                  inform(
                                                      QStringLiteral("Il programma non implementa la funzionalità "
                                                                     "di esportazione dei dati verso office"));
                                              },
                                              [&cancel] { cancel = true; },
                                          })});
}

void NavigatorHooks::gclsActiveNavigator_InitializeLayoutObjectModel(std::shared_ptr<host::LayoutObjectModel>& model) {
    automation::runIgnoringErrors(
        {ifElse([this] { return required(console_.activeDll())->isActive(); }, {[this, &model] {
                    std::shared_ptr<host::Object> form = required(console_.form())->window();
                    required(model)->addForm(FRMMG_BRONDEL::description(), form, 0, 0, 0);
                }})});
}

void NavigatorHooks::gclsActiveNavigator_InitializeScriptObjectModel(std::shared_ptr<host::ScriptObjectModel>& model) {
    const QString formName = QString::fromLatin1(FRMMG_BRONDEL::Name);
    std::vector<Step> additions = {[this, &model, formName] {
        std::shared_ptr<host::Object> form = required(console_.form())->window();
        required(model)->addObject(formName, form, host::script_kind::Form, FRMMG_BRONDEL::description());
    }};
    // A frame that does not exist fails its three statements, which are skipped.
    std::vector<SectionFrame*> frames;
    automation::runIgnoringErrors({[this, &frames] { frames = required(console_.form())->frames(); }});
    for (SectionFrame* sectionFrame : frames) {
        const auto frame = [sectionFrame] { return sectionFrame->required(); };
        auto name = std::make_shared<QString>();
        additions.push_back([frame, sectionFrame] { frame()->setScriptName(sectionFrame->scriptName()); });
        additions.push_back([frame, name] { *name = frame()->scriptName(); });
        additions.push_back([frame, name, &model] {
            std::shared_ptr<host::Object> object = frame();
            required(model)->addObject(*name, object, host::script_kind::DataSection, *name);
        });
    }
    bool active = true;  // as under any ignored If, a test that fails lets the additions run
    automation::runIgnoringErrors({[this, &active] { active = required(console_.activeDll())->isActive(); }});
    if (active)
        automation::runIgnoringErrors(additions);
}

}  // namespace brondel
