#pragma once

#include "suite/framework/form_model.h"
#include "suite/framework/headless_host.h"
#include "suite/framework/model_factory.h"

#include "brondel/console/host_components/cinterface.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace services_test {

// A module as the host sees it: the host's members stored, nothing else.
class TestModule : public host::Cinterface {
public:
    std::shared_ptr<host::GlobalObject> clsGlobal() const override { return global_; }
    void setClsGlobal(std::shared_ptr<host::GlobalObject> global) override { global_ = std::move(global); }
    std::shared_ptr<host::VirtualFrame> activeFrame() const override { return nullptr; }
    void setActiveFrame(std::shared_ptr<host::VirtualFrame>) override {}
    std::shared_ptr<host::Navigator> activeNavigator() const override { return navigator_; }
    void setActiveNavigator(std::shared_ptr<host::Navigator> navigator) override { navigator_ = std::move(navigator); }
    std::shared_ptr<host::Cinterface> activeDll() const override { return nullptr; }
    void setActiveDll(std::shared_ptr<host::Cinterface>) override {}
    std::shared_ptr<host::StatusBar> statusBar() const override { return statusBar_; }
    void setStatusBar(std::shared_ptr<host::StatusBar> statusBar) override { statusBar_ = std::move(statusBar); }
    bool canInsert() const override { return true; }
    void setCanInsert(bool) override {}
    bool canDelete() const override { return true; }
    void setCanDelete(bool) override {}
    bool canUpdate() const override { return true; }
    void setCanUpdate(bool) override {}
    bool canQbe() const override { return false; }
    void setCanQbe(bool) override {}
    qint32 windowState() const override { return 0; }
    void setWindowState(qint32) override {}
    bool windowModal() const override { return false; }
    void setWindowModal(bool) override {}
    qint32 programMode() const override { return 0; }
    void setProgramMode(qint32) override {}
    QVariant menuModulo() const override { return {}; }
    void setMenuModulo(const QVariant&) override {}
    QVariant menuPadre() const override { return {}; }
    void setMenuPadre(const QVariant&) override {}
    QVariant menuProg() const override { return {}; }
    void setMenuProg(const QVariant&) override {}
    QVariant caption() const override { return caption_; }
    void setCaption(const QVariant& caption) override { caption_ = caption; }
    qint32 hwndParent() const override { return 0; }
    void setHwndParent(qint32) override {}
    QVariant showForm() override { return {}; }
    QVariant closeForm() override { return true; }
    std::shared_ptr<ado::Connection> connection() const override { return nullptr; }
    void setConnection(std::shared_ptr<ado::Connection>) override {}
    std::shared_ptr<host::Object> cwindow() const override { return nullptr; }
    QVariant transferData(const QVariant&) override { return {}; }
    QVariant top() const override { return 0; }
    void setTop(const QVariant&) override {}
    QVariant left() const override { return 0; }
    void setLeft(const QVariant&) override {}
    std::shared_ptr<host::MenuEntry> clsVoceMenu() const override { return menuEntry_; }
    void setClsVoceMenu(std::shared_ptr<host::MenuEntry> entry) override { menuEntry_ = std::move(entry); }
    bool isActive() const override { return active_; }
    void setActive(bool active) override { active_ = active; }
    bool isCalled() const override { return false; }
    void setCalled(bool) override {}
    QVariant filtro() const override { return {}; }
    void setFiltro(const QVariant&) override {}

private:
    std::shared_ptr<host::GlobalObject> global_;
    std::shared_ptr<host::Navigator> navigator_;
    std::shared_ptr<host::StatusBar> statusBar_;
    std::shared_ptr<host::MenuEntry> menuEntry_;
    QVariant caption_;
    bool active_ = false;
};

// A fresh demo suite database, a headless host on company 1 with a module attached, and a form to put
// controls on. A message or lookup nobody expected fails the test.
class ServicesTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    template <class Model>
    std::shared_ptr<Model> add(host::ControlKind kind, const QString& name, host::Geometry geometry = {},
                               std::shared_ptr<host::Control> parent = nullptr) {
        host::ControlDesign design;
        design.kind = kind;
        design.name = name;
        design.geometry = geometry;
        design.parent = parent ? parent : form_;
        return std::dynamic_pointer_cast<Model>(host_->factory()->createControl(design));
    }

    // The rows of a query on the demo database, each as its values' texts joined by "|".
    QStringList query(const QString& statement) const;

    QTemporaryDir dir_;
    std::unique_ptr<suite::HeadlessHost> host_;
    std::shared_ptr<TestModule> module_ = std::make_shared<TestModule>();
    std::shared_ptr<suite::FormModel> form_;
};

}  // namespace services_test
