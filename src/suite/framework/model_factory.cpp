#include "suite/framework/model_factory.h"

#include "suite/framework/ado_connection_factory.h"
#include "suite/framework/ado_recordset_factory.h"
#include "suite/framework/button_model.h"
#include "suite/framework/check_model.h"
#include "suite/framework/combo_model.h"
#include "suite/framework/data_format_model.h"
#include "suite/framework/edit_model.h"
#include "suite/framework/event_loop_model.h"
#include "suite/framework/form_model.h"
#include "suite/framework/grid_layout_model.h"
#include "suite/framework/grid_model.h"
#include "suite/framework/grid_navigator_model.h"
#include "suite/framework/group_box_model.h"
#include "suite/framework/label_model.h"
#include "suite/framework/menu_button_model.h"
#include "suite/framework/model_node.h"
#include "suite/framework/panel_model.h"
#include "suite/framework/screen_model.h"
#include "suite/framework/virtual_frame_model.h"

#include "ado/connection.h"
#include "automation/error.h"
#include "brondel/console/host_components/decode_service.h"
#include "brondel/console/host_components/function_library.h"
#include "brondel/console/host_components/lookup_service.h"
#include "brondel/console/host_components/lookup_window.h"
#include "brondel/console/host_components/message_service.h"

namespace suite {

namespace {

template <class Model>
ModelFactory::ControlCreator plain() {
    return [](const host::ControlDesign& design) { return std::make_shared<Model>(design); };
}

automation::Error notAvailable(const QString& what) {
    return automation::Error(automation::errors::ObjectRequired, QStringLiteral("ModelFactory"),
                             QStringLiteral("Object required: no %1 is registered with the host").arg(what));
}

}  // namespace

ModelFactory::ModelFactory()
    : connectionFactory_(std::make_shared<AdoConnectionFactory>()),
      recordsetFactory_(std::make_shared<AdoRecordsetFactory>()), screen_(std::make_shared<ScreenModel>()),
      eventLoop_(std::make_shared<EventLoopModel>()) {
    controls_[host::ControlKind::Form] = plain<FormModel>();
    controls_[host::ControlKind::Panel] = plain<PanelModel>();
    controls_[host::ControlKind::GroupBox] = plain<GroupBoxModel>();
    controls_[host::ControlKind::Label] = plain<LabelModel>();
    controls_[host::ControlKind::Button] = plain<ButtonModel>();
    controls_[host::ControlKind::MenuButton] = plain<MenuButtonModel>();
    controls_[host::ControlKind::Combo] = plain<ComboModel>();
    controls_[host::ControlKind::Check] = plain<CheckModel>();
    controls_[host::ControlKind::Grid] = plain<GridModel>();
    controls_[host::ControlKind::GridNavigator] = plain<GridNavigatorModel>();
    controls_[host::ControlKind::Edit] = [this](const host::ControlDesign& design) {
        const std::weak_ptr<ModelFactory> self = weak_from_this();
        return std::make_shared<EditModel>(
            design,
            [self]() -> std::shared_ptr<host::LookupWindow> {
                const auto factory = self.lock();
                return factory ? factory->createLookupWindow() : nullptr;
            },
            [self](const QString& connectionString) -> std::shared_ptr<ado::Connection> {
                const auto factory = self.lock();
                return factory ? factory->openConnection(connectionString) : nullptr;
            });
    };
}

ModelFactory::~ModelFactory() = default;

void ModelFactory::registerControl(host::ControlKind kind, ControlCreator creator) {
    controls_[kind] = std::move(creator);
}

std::shared_ptr<host::Control> ModelFactory::createControl(const host::ControlDesign& design) {
    const auto creator = controls_.find(design.kind);
    if (creator == controls_.end())
        throw notAvailable(QStringLiteral("control kind %1 (%2)").arg(int(design.kind)).arg(design.name));
    std::shared_ptr<host::Control> control = creator->second(design);
    if (design.parent) {
        if (ModelNode* parent = nodeOf(design.parent.get()))
            parent->addChild(control);
    }
    return control;
}

template <class T>
std::shared_ptr<T> ModelFactory::make(const Creator<T>& creator, const char* what) {
    if (!creator)
        throw notAvailable(QString::fromLatin1(what));
    return creator();
}

std::shared_ptr<host::MessageService> ModelFactory::createMessageService() {
    return make(messageServices_, "message service");
}

std::shared_ptr<host::VirtualFrame> ModelFactory::createVirtualFrame() {
    const std::weak_ptr<ModelFactory> self = weak_from_this();
    return std::make_shared<VirtualFrameModel>([self]() -> std::shared_ptr<host::MessageService> {
        const auto factory = self.lock();
        return factory ? factory->createMessageService() : nullptr;
    });
}

std::shared_ptr<host::GridLayout> ModelFactory::createGridLayout() { return std::make_shared<GridLayoutModel>(); }

std::shared_ptr<host::DataFormat> ModelFactory::createDataFormat() { return std::make_shared<DataFormatModel>(); }

std::shared_ptr<host::LookupService> ModelFactory::createLookupService() {
    return make(lookupServices_, "lookup service");
}

std::shared_ptr<host::DecodeService> ModelFactory::createDecodeService() {
    return make(decodeServices_, "decode service");
}

std::shared_ptr<host::LookupWindow> ModelFactory::createLookupWindow() { return make(lookupWindows_, "lookup window"); }

std::shared_ptr<host::ConnectionFactory> ModelFactory::connectionFactory() { return connectionFactory_; }

std::shared_ptr<host::RecordsetFactory> ModelFactory::recordsetFactory() { return recordsetFactory_; }

std::shared_ptr<host::FunctionLibrary> ModelFactory::functionLibrary() {
    if (!functionLibrary_)
        throw notAvailable(QStringLiteral("function library"));
    return functionLibrary_;
}

std::shared_ptr<host::Screen> ModelFactory::screen() { return screen_; }

std::shared_ptr<host::EventLoop> ModelFactory::eventLoop() { return eventLoop_; }

std::shared_ptr<ado::Connection> ModelFactory::openConnection(const QString& connectionString) {
    std::shared_ptr<ado::Connection>& connection = connections_[connectionString];
    if (!connection || !connection->isOpen()) {
        connection = std::make_shared<ado::Connection>();
        connection->open(connectionString);
    }
    return connection;
}

}  // namespace suite
