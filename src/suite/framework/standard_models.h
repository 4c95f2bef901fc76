#pragma once

#include <memory>

namespace suite {

class LookupPresenter;
class MessagePresenter;
class ModelFactory;

// Registers with factory the suite's models beyond its own: the sidebar, menu tree, tree view, image list,
// MDI host and resize component controls; the standard lookup and decode services; the shared function
// library; and the services that talk to a person, through the given presenters (Qt dialogs in the host
// application, scripts in headless runs): a message service per form and a lookup window per lookup, whose
// statements run on the factory's connections.
void installStandardModels(const std::shared_ptr<ModelFactory>& factory, std::shared_ptr<MessagePresenter> messages,
                           std::shared_ptr<LookupPresenter> lookups);

}  // namespace suite
