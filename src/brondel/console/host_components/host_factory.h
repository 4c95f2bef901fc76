#pragma once

#include "brondel/console/host_components/control.h"
#include "brondel/console/host_components/object.h"

#include "automation/error.h"

#include <QString>
#include <memory>

namespace host {

class ConnectionFactory;
class DataFormat;
class DecodeService;
class EventLoop;
class FunctionLibrary;
class GridLayout;
class LookupService;
class LookupWindow;
class MessageService;
class RecordsetFactory;
class Screen;
class VirtualFrame;

// Creates the host's controls and services; reached through the global object.
class HostFactory : public Object {
public:
    // A control of design.kind with its design properties, added to design.parent's children.
    virtual std::shared_ptr<Control> createControl(const ControlDesign& design) = 0;

    virtual std::shared_ptr<MessageService> createMessageService() = 0;
    virtual std::shared_ptr<VirtualFrame> createVirtualFrame() = 0;
    virtual std::shared_ptr<GridLayout> createGridLayout() = 0;
    virtual std::shared_ptr<DataFormat> createDataFormat() = 0;
    virtual std::shared_ptr<LookupService> createLookupService() = 0;
    virtual std::shared_ptr<DecodeService> createDecodeService() = 0;
    virtual std::shared_ptr<LookupWindow> createLookupWindow() = 0;

    virtual std::shared_ptr<ConnectionFactory> connectionFactory() = 0;
    virtual std::shared_ptr<RecordsetFactory> recordsetFactory() = 0;

    // Shared instances.
    virtual std::shared_ptr<FunctionLibrary> functionLibrary() = 0;
    virtual std::shared_ptr<Screen> screen() = 0;
    virtual std::shared_ptr<EventLoop> eventLoop() = 0;

    // createControl, typed: T is the interface of design.kind (Edit for ControlKind::Edit...).
    template <class T>
    std::shared_ptr<T> create(const ControlDesign& design) {
        auto typed = std::dynamic_pointer_cast<T>(createControl(design));
        if (!typed)
            throw automation::Error(automation::errors::TypeMismatch, QStringLiteral("HostFactory"),
                                    QStringLiteral("Type mismatch: ") + design.name);
        return typed;
    }
};

}  // namespace host
