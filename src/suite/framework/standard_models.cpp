#include "suite/framework/standard_models.h"

#include "suite/framework/decode_service_model.h"
#include "suite/framework/function_library_model.h"
#include "suite/framework/image_list_model.h"
#include "suite/framework/lookup_service_model.h"
#include "suite/framework/lookup_window_model.h"
#include "suite/framework/mdi_host_model.h"
#include "suite/framework/menu_tree_model.h"
#include "suite/framework/message_service_model.h"
#include "suite/framework/model_factory.h"
#include "suite/framework/resize_component_model.h"
#include "suite/framework/sidebar_model.h"
#include "suite/framework/tree_view_model.h"

#include "ado/connection.h"

namespace suite {

namespace {

template <class Model>
ModelFactory::ControlCreator control() {
    return [](const host::ControlDesign& design) { return std::make_shared<Model>(design); };
}

}  // namespace

void installStandardModels(const std::shared_ptr<ModelFactory>& factory, std::shared_ptr<MessagePresenter> messages,
                           std::shared_ptr<LookupPresenter> lookups) {
    factory->registerControl(host::ControlKind::Sidebar, control<SidebarModel>());
    factory->registerControl(host::ControlKind::MenuTree, control<MenuTreeModel>());
    factory->registerControl(host::ControlKind::TreeView, control<TreeViewModel>());
    factory->registerControl(host::ControlKind::ImageList, control<ImageListModel>());
    factory->registerControl(host::ControlKind::MdiHost, control<MdiHostModel>());
    factory->registerControl(host::ControlKind::ResizeComponent, control<ResizeComponentModel>());
    factory->setLookupServiceCreator([] { return std::make_shared<LookupServiceModel>(); });
    factory->setDecodeServiceCreator([] { return std::make_shared<DecodeServiceModel>(); });
    factory->setFunctionLibrary(std::make_shared<FunctionLibraryModel>());
    factory->setMessageServiceCreator(
        [messages = std::move(messages)] { return std::make_shared<MessageServiceModel>(messages); });
    const std::weak_ptr<ModelFactory> weakFactory = factory;
    factory->setLookupWindowCreator([lookups = std::move(lookups), weakFactory] {
        return std::make_shared<LookupWindowModel>(
            lookups, [weakFactory](const QString& connectionString) -> std::shared_ptr<ado::Connection> {
                const auto owner = weakFactory.lock();
                if (!owner)
                    throw automation::Error::fromNumber(automation::errors::ObjectRequired,
                                                        QStringLiteral("LookupWindow"));
                return owner->openConnection(connectionString);
            });
    });
}

}  // namespace suite
