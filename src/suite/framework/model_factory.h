#pragma once

#include "brondel/console/host_components/host_factory.h"

#include <QHash>
#include <QString>
#include <functional>
#include <map>
#include <memory>

namespace ado {
class Connection;
}

namespace suite {

// The host factory of the suite: creates the control models of every kind registered with it (edit,
// combo, check, label, button, menu button, group box, panel, grid, grid navigator and form from the
// start) and the models of the services. Services implemented elsewhere (message service, lookup and
// decode services, lookup window, function library) and further control kinds are registered through
// the setters; asking for one that is not registered raises an automation::Error naming it.
//
// Decodes and value lists run on connections kept open here, one per connection string.
class ModelFactory : public host::HostFactory, public std::enable_shared_from_this<ModelFactory> {
public:
    using ControlCreator = std::function<std::shared_ptr<host::Control>(const host::ControlDesign&)>;
    template <class T>
    using Creator = std::function<std::shared_ptr<T>()>;

    ModelFactory();
    ~ModelFactory() override;

    std::shared_ptr<host::Control> createControl(const host::ControlDesign& design) override;
    std::shared_ptr<host::MessageService> createMessageService() override;
    std::shared_ptr<host::VirtualFrame> createVirtualFrame() override;
    std::shared_ptr<host::GridLayout> createGridLayout() override;
    std::shared_ptr<host::DataFormat> createDataFormat() override;
    std::shared_ptr<host::LookupService> createLookupService() override;
    std::shared_ptr<host::DecodeService> createDecodeService() override;
    std::shared_ptr<host::LookupWindow> createLookupWindow() override;
    std::shared_ptr<host::ConnectionFactory> connectionFactory() override;
    std::shared_ptr<host::RecordsetFactory> recordsetFactory() override;
    std::shared_ptr<host::FunctionLibrary> functionLibrary() override;
    std::shared_ptr<host::Screen> screen() override;
    std::shared_ptr<host::EventLoop> eventLoop() override;

    void registerControl(host::ControlKind kind, ControlCreator creator);
    void setMessageServiceCreator(Creator<host::MessageService> creator) { messageServices_ = std::move(creator); }
    void setLookupServiceCreator(Creator<host::LookupService> creator) { lookupServices_ = std::move(creator); }
    void setDecodeServiceCreator(Creator<host::DecodeService> creator) { decodeServices_ = std::move(creator); }
    void setLookupWindowCreator(Creator<host::LookupWindow> creator) { lookupWindows_ = std::move(creator); }
    void setFunctionLibrary(std::shared_ptr<host::FunctionLibrary> library) { functionLibrary_ = std::move(library); }

    // An open connection for the connection string, opened on first use and kept.
    std::shared_ptr<ado::Connection> openConnection(const QString& connectionString);

private:
    template <class T>
    std::shared_ptr<T> make(const Creator<T>& creator, const char* what);

    std::map<host::ControlKind, ControlCreator> controls_;
    Creator<host::MessageService> messageServices_;
    Creator<host::LookupService> lookupServices_;
    Creator<host::DecodeService> decodeServices_;
    Creator<host::LookupWindow> lookupWindows_;
    std::shared_ptr<host::FunctionLibrary> functionLibrary_;
    std::shared_ptr<host::ConnectionFactory> connectionFactory_;
    std::shared_ptr<host::RecordsetFactory> recordsetFactory_;
    std::shared_ptr<host::Screen> screen_;
    std::shared_ptr<host::EventLoop> eventLoop_;
    QHash<QString, std::shared_ptr<ado::Connection>> connections_;
};

}  // namespace suite
