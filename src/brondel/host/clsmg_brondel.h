#pragma once

#include "brondel/host/library_lock.h"
#include "brondel/host/navigator_hooks.h"

#include "automation/dispatch.h"
#include "automation/event.h"
#include "brondel/console/host_components/cinterface.h"

#include <QString>
#include <QVariant>
#include <memory>

namespace brondel {

class FRMMG_BRONDEL;

// The console's public class: the host creates it, fills the host contract, and asks it to show and
// close the console form. Callers that open the console on a section set the call mode first
// (TipoChiamataConsole "VAR", "ART" or "VAR.RagVar", with CodiceVariante and CodiceRaggruppamento).
//
// No member lets an error reach the caller: a failing statement is skipped and the member goes on.
//
// ActiveDll starts as the instance itself; that reference does not keep the instance alive (the form's
// unload clears it, as it clears the other references the host handed over).
class CLSMG_BRONDEL : public host::Cinterface,
                      public automation::Dispatch,
                      public std::enable_shared_from_this<CLSMG_BRONDEL> {
public:
    static std::shared_ptr<CLSMG_BRONDEL> create();
    ~CLSMG_BRONDEL() override;
    CLSMG_BRONDEL(const CLSMG_BRONDEL&) = delete;
    CLSMG_BRONDEL& operator=(const CLSMG_BRONDEL&) = delete;

    // The published properties. The four text properties store the value as text: a Null leaves
    // CodiceArticolo and TipoChiamataConsole unchanged and becomes "" for CodiceVariante and
    // CodiceRaggruppamento. CodiceDitta is kept as given.
    QVariant codiceArticolo() const { return codiceArticolo_; }
    void setCodiceArticolo(const QVariant& value);
    QVariant codiceDitta() const { return codiceDitta_; }
    void setCodiceDitta(const QVariant& value);
    QVariant tipoChiamataConsole() const { return tipoChiamataConsole_; }
    void setTipoChiamataConsole(const QVariant& value);
    QVariant codiceVariante() const { return codiceVariante_; }
    void setCodiceVariante(const QVariant& value);
    QVariant codiceRaggruppamento() const { return codiceRaggruppamento_; }
    void setCodiceRaggruppamento(const QVariant& value);

    // Raised by transferData() with its argument.
    automation::Event<QVariant&> DataTransfer;

    // The console form kept by the last showForm(); nothing before.
    std::shared_ptr<FRMMG_BRONDEL> form() const { return form_; }

    // automation::Dispatch
    const automation::ClassInfo& classInfo() const override;
    QVariant invoke(long dispId, automation::MemberKind kind, QVariantList& args) override;

    // host::Cinterface
    std::shared_ptr<host::GlobalObject> clsGlobal() const override { return clsGlobal_; }
    void setClsGlobal(std::shared_ptr<host::GlobalObject> global) override { clsGlobal_ = std::move(global); }
    std::shared_ptr<host::VirtualFrame> activeFrame() const override { return activeFrame_; }
    void setActiveFrame(std::shared_ptr<host::VirtualFrame> frame) override { activeFrame_ = std::move(frame); }
    std::shared_ptr<host::Navigator> activeNavigator() const override { return hooks_.navigator(); }
    void setActiveNavigator(std::shared_ptr<host::Navigator> navigator) override;
    std::shared_ptr<host::Cinterface> activeDll() const override;
    void setActiveDll(std::shared_ptr<host::Cinterface> module) override;
    std::shared_ptr<host::StatusBar> statusBar() const override { return statusBar_; }
    void setStatusBar(std::shared_ptr<host::StatusBar> statusBar) override { statusBar_ = std::move(statusBar); }
    bool canInsert() const override { return canInsert_; }
    void setCanInsert(bool can) override { canInsert_ = can; }
    bool canDelete() const override { return canDelete_; }
    void setCanDelete(bool can) override { canDelete_ = can; }
    bool canUpdate() const override { return canUpdate_; }
    void setCanUpdate(bool can) override { canUpdate_ = can; }
    bool canQbe() const override { return canQbe_; }
    void setCanQbe(bool can) override { canQbe_ = can; }
    // Kept as a 16-bit integer: a value outside its range leaves the stored one.
    qint32 windowState() const override { return windowState_; }
    void setWindowState(qint32 state) override;
    bool windowModal() const override { return windowModal_; }
    void setWindowModal(bool modal) override { windowModal_ = modal; }
    // Kept as a 16-bit integer, as windowState.
    qint32 programMode() const override { return programMode_; }
    void setProgramMode(qint32 mode) override;
    QVariant menuModulo() const override { return menuModulo_; }
    void setMenuModulo(const QVariant& value) override { menuModulo_ = value; }
    QVariant menuPadre() const override { return menuPadre_; }
    void setMenuPadre(const QVariant& value) override { menuPadre_ = value; }
    QVariant menuProg() const override { return menuProg_; }
    void setMenuProg(const QVariant& value) override { menuProg_ = value; }
    QVariant caption() const override { return caption_; }
    void setCaption(const QVariant& caption) override { caption_ = caption; }
    qint32 hwndParent() const override { return hwndParent_; }
    void setHwndParent(qint32 handle) override { hwndParent_ = handle; }
    // Creates the console form and shows it (modal when windowModal()); returns Empty.
    QVariant showForm() override;
    // Unloads the form; returns True when it closed (also when none was shown), False when it refused.
    QVariant closeForm() override;
    std::shared_ptr<ado::Connection> connection() const override { return connection_; }
    void setConnection(std::shared_ptr<ado::Connection> connection) override { connection_ = std::move(connection); }
    // Always nothing.
    std::shared_ptr<host::Object> cwindow() const override { return nullptr; }
    // Raises DataTransfer(data); returns Empty.
    QVariant transferData(const QVariant& data) override;
    // Kept as 32-bit integers: a value that does not convert leaves the stored one.
    QVariant top() const override { return top_; }
    void setTop(const QVariant& top) override;
    QVariant left() const override { return left_; }
    void setLeft(const QVariant& left) override;
    std::shared_ptr<host::MenuEntry> clsVoceMenu() const override { return clsVoceMenu_; }
    void setClsVoceMenu(std::shared_ptr<host::MenuEntry> entry) override { clsVoceMenu_ = std::move(entry); }
    bool isActive() const override { return isActive_; }
    void setActive(bool active) override { isActive_ = active; }
    bool isCalled() const override { return isCalled_; }
    void setCalled(bool called) override { isCalled_ = called; }
    QVariant filtro() const override { return filtro_; }
    void setFiltro(const QVariant& filter) override { filtro_ = filter; }

private:
    CLSMG_BRONDEL();

    LibraryLock lock_;
    QVariant codiceArticolo_ = QString();
    QVariant codiceDitta_;
    QVariant tipoChiamataConsole_ = QString();
    QVariant codiceVariante_ = QString();
    QVariant codiceRaggruppamento_ = QString();

    bool isActive_ = false;
    bool canInsert_ = false;
    bool canDelete_ = false;
    bool canUpdate_ = false;
    bool canQbe_ = false;
    bool windowModal_ = false;
    bool isCalled_ = false;
    qint16 windowState_ = 0;
    qint16 programMode_ = 0;
    QVariant top_ = qint32(0);
    QVariant left_ = qint32(0);
    qint32 hwndParent_ = 0;
    QVariant menuModulo_;
    QVariant menuPadre_;
    QVariant menuProg_;
    QVariant caption_;
    QVariant filtro_;

    std::shared_ptr<host::GlobalObject> clsGlobal_;
    std::shared_ptr<host::VirtualFrame> activeFrame_;
    std::shared_ptr<host::StatusBar> statusBar_;
    std::shared_ptr<host::MenuEntry> clsVoceMenu_;
    std::shared_ptr<ado::Connection> connection_;
    // ActiveDll: another module the host set, or the instance itself (held weakly).
    std::shared_ptr<host::Cinterface> activeDll_;
    bool activeDllIsSelf_ = true;
    NavigatorHooks hooks_;  // holds gclsActiveNavigator
    std::shared_ptr<FRMMG_BRONDEL> form_;
};

}  // namespace brondel
