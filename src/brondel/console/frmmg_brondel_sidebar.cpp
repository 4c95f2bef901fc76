// FRMMG_BRONDEL: the sidebar's sections, their enabling and the switch between their panels.
#include "brondel/console/frmmg_brondel.h"

#include "brondel/console/object_required.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/variant.h"
#include "brondel/console/host_components/cinterface.h"
#include "brondel/console/host_components/form.h"
#include "brondel/console/host_components/function_library.h"
#include "brondel/console/host_components/global_object.h"
#include "brondel/console/host_components/host_factory.h"
#include "brondel/console/host_components/label.h"
#include "brondel/console/host_components/panel.h"
#include "brondel/console/host_components/sidebar.h"
#include "brondel/console/host_components/translator.h"

namespace brondel {

using automation::ifElse;

void FRMMG_BRONDEL::AggiornaStatoAbilitazioneVociSidebar() {
    automation::reraise("AggiornaStatoAbilitazioneVociSidebar", [this] {
        if (!VociAbilitate) {
            enablingReadAt_.reset();
            VociAbilitate.emplace();
            PannelliVoci.emplace();
            MessaggiVoci.emplace();
            for (const SidebarSection& section : sidebarSections()) {
                const QString key = QString::fromLatin1(section.itemKey);
                VociAbilitate->insert(key, key == QLatin1String(sidebar_key::VariantConfigurator));
                PannelliVoci->insert(key, section.panel);
                MessaggiVoci->insert(key, section.message.isEmpty()
                                              ? QString()
                                              : required(global()->translator())->translate(section.message));
            }
        }
        // The items follow the data: while the connection has seen no change since the last reading, the
        // query would give the same row again.
        const QString statement = sidebarEnablingStatement(automation::cstr(CompanyCode));
        const std::optional<ado::DataVersion> version = required(ConsoleConnection)->dataVersion();
        if (version && enablingReadAt_ && *enablingReadAt_ == std::pair(statement, *version))
            return;
        enablingReadAt_.reset();
        const std::shared_ptr<ado::Recordset> result =
            ConsoleConnection->execute(statement, nullptr, ado::TextKind::Statement);
        if (!result->isBof() && !result->isEof()) {
            for (const char* column : sidebarEnablingColumns())
                (*VociAbilitate)[QString::fromLatin1(column)] =
                    automation::cdbl(result->value(QString::fromLatin1(column))) == 1;
        }
        if (version)
            enablingReadAt_.emplace(statement, *version);
    });
}

bool FRMMG_BRONDEL::isItemEnabled(const QString& key) const { return required(VociAbilitate).value(key); }

void FRMMG_BRONDEL::SDB_PARAMETRI_OnClickItemLink(const host::SidebarItem& item) {
    QString key;
    automation::runSteps("SDB_PARAMETRI_OnClickItemLink", errorBox_,
                         {
                             [this] { SwitchingSection = true; },
                             [this] { hostInterface()->setActiveFrame(nullptr); },
                             [this, &item] { required(TLB_TITOLO)->setCaption(item.caption); },
                             [&key, &item] { key = item.key; },
                             ifElse([&key] { return key == QLatin1String(sidebar_key::VariantConfigurator); },
                                    {[this] { showSection(sidebarSections().front()); }},
                                    {ifElse([&key] { return sidebarSection(key) != nullptr; },
                                            {ifElse([this, &key] { return !isItemEnabled(key); },
                                                    {[this, &key] { MostraItemMessaggioErrore(key); }},
                                                    {[this, &key] { showSection(*sidebarSection(key)); }})})}),
                             [this] { SwitchingSection = false; },
                         });
}

void FRMMG_BRONDEL::VisualizzaUI(const QString& key, bool showMessage) {
    automation::reraise("VisualizzaUI", [&] {
        const std::shared_ptr<host::FunctionLibrary> library = required(factory()->functionLibrary());
        library->lockRedraw(window()->windowHandle());
        required(PIC_MESSAGGIOERRORE)->setVisible(false);
        for (int i = 0; i < required(PannelliVoci).count(); ++i)
            required(PIC_PARAMETRI.at(i))->setVisible(false);
        if (showMessage) {
            required(LBL_MESSAGGIOERRORE)->setCaption(required(MessaggiVoci).value(key));
            PIC_MESSAGGIOERRORE->setVisible(true);
        } else {
            required(PIC_PARAMETRI.at(PannelliVoci->value(key)))->setVisible(true);
        }
        library->lockRedraw(0);
    });
}

void FRMMG_BRONDEL::MostraItemMessaggioErrore(const QString& key) {
    automation::reraise("MostraItemMessaggioErrore", [&] { VisualizzaUI(key, true); });
}

void FRMMG_BRONDEL::MostraItem(const QString& group, const QString& item) {
    automation::reraise("MostraItem", [&] { required(SDB_PARAMETRI)->selectItem(group, item, false); });
}

void FRMMG_BRONDEL::showSection(const SidebarSection& section) {
    automation::reraise(section.showProcedure, [&] {
        if (const std::unique_ptr<ConsoleSection>& own = sections_.at(section.panel))
            own->show();
        else
            VisualizzaUI(QString::fromLatin1(section.itemKey), false);
    });
}

}  // namespace brondel
