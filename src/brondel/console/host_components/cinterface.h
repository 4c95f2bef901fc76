#pragma once

#include "brondel/console/host_components/object.h"

#include <QVariant>
#include <memory>

namespace ado {
class Connection;
}

namespace host {

class GlobalObject;
class MenuEntry;
class Navigator;
class StatusBar;
class VirtualFrame;

// The host's contract for every module it can open. The host fills the members, then calls showForm();
// closeForm() ends the module. Members are listed in the order of the host's interface.
class Cinterface : public Object {
public:
    virtual std::shared_ptr<GlobalObject> clsGlobal() const = 0;
    virtual void setClsGlobal(std::shared_ptr<GlobalObject> global) = 0;
    virtual std::shared_ptr<VirtualFrame> activeFrame() const = 0;
    virtual void setActiveFrame(std::shared_ptr<VirtualFrame> frame) = 0;
    virtual std::shared_ptr<Navigator> activeNavigator() const = 0;
    virtual void setActiveNavigator(std::shared_ptr<Navigator> navigator) = 0;
    virtual std::shared_ptr<Cinterface> activeDll() const = 0;
    virtual void setActiveDll(std::shared_ptr<Cinterface> module) = 0;
    virtual std::shared_ptr<StatusBar> statusBar() const = 0;
    virtual void setStatusBar(std::shared_ptr<StatusBar> statusBar) = 0;
    virtual bool canInsert() const = 0;
    virtual void setCanInsert(bool can) = 0;
    virtual bool canDelete() const = 0;
    virtual void setCanDelete(bool can) = 0;
    virtual bool canUpdate() const = 0;
    virtual void setCanUpdate(bool can) = 0;
    virtual bool canQbe() const = 0;
    virtual void setCanQbe(bool can) = 0;
    virtual qint32 windowState() const = 0;
    virtual void setWindowState(qint32 state) = 0;
    virtual bool windowModal() const = 0;
    virtual void setWindowModal(bool modal) = 0;
    virtual qint32 programMode() const = 0;
    virtual void setProgramMode(qint32 mode) = 0;
    virtual QVariant menuModulo() const = 0;
    virtual void setMenuModulo(const QVariant& value) = 0;
    virtual QVariant menuPadre() const = 0;
    virtual void setMenuPadre(const QVariant& value) = 0;
    virtual QVariant menuProg() const = 0;
    virtual void setMenuProg(const QVariant& value) = 0;
    virtual QVariant caption() const = 0;
    virtual void setCaption(const QVariant& caption) = 0;
    virtual qint32 hwndParent() const = 0;
    virtual void setHwndParent(qint32 handle) = 0;
    virtual QVariant showForm() = 0;
    virtual QVariant closeForm() = 0;
    virtual std::shared_ptr<ado::Connection> connection() const = 0;
    virtual void setConnection(std::shared_ptr<ado::Connection> connection) = 0;
    virtual std::shared_ptr<Object> cwindow() const = 0;
    virtual QVariant transferData(const QVariant& data) = 0;
    virtual QVariant top() const = 0;
    virtual void setTop(const QVariant& top) = 0;
    virtual QVariant left() const = 0;
    virtual void setLeft(const QVariant& left) = 0;
    virtual std::shared_ptr<MenuEntry> clsVoceMenu() const = 0;
    virtual void setClsVoceMenu(std::shared_ptr<MenuEntry> entry) = 0;
    virtual bool isActive() const = 0;
    virtual void setActive(bool active) = 0;
    virtual bool isCalled() const = 0;
    virtual void setCalled(bool called) = 0;
    virtual QVariant filtro() const = 0;
    virtual void setFiltro(const QVariant& filter) = 0;
};

}  // namespace host
