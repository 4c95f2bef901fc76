#pragma once

#include "suite/widgets/form_view.h"
#include "suite/widgets/view_binding.h"
#include "suite/widgets/view_factory.h"
#include "suite/widgets/view_hub.h"

#include "suite/framework/form_model.h"
#include "suite/framework/model_factory.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace ado {
class Connection;
class Recordset;
}  // namespace ado
namespace suite {
class ScriptedLookups;
class ScriptedMessages;
}  // namespace suite

namespace widgets_test {

// An offscreen application, a fresh demo suite database, the suite's models with scripted answers, a form
// of 600 x 400 pixels and its view, shown. Failed gestures are recorded, not shown.
class WidgetsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // A control on the form (or on parent) at a geometry in twips; its view exists once synced.
    template <class Model>
    std::shared_ptr<Model> add(host::ControlKind kind, const QString& name,
                               host::Geometry geometry = {150, 150, 1500, 315},
                               std::shared_ptr<host::Control> parent = nullptr) {
        host::ControlDesign design;
        design.kind = kind;
        design.name = name;
        design.caption = name;
        design.geometry = geometry;
        return addDesign<Model>(design, std::move(parent));
    }
    template <class Model>
    std::shared_ptr<Model> addDesign(host::ControlDesign design, std::shared_ptr<host::Control> parent = nullptr) {
        design.parent = parent ? parent : form_;
        auto model = std::dynamic_pointer_cast<Model>(factory_->createControl(design));
        hub_->syncAll();
        return model;
    }
    // The view of a control, as its widget type.
    template <class View>
    View* view(const std::shared_ptr<host::Control>& control) {
        return dynamic_cast<View*>(hub_->viewOf(control.get()));
    }
    std::shared_ptr<ado::Recordset> open(const QString& statement);

    QTemporaryDir dir_;
    QString connectionString_;
    std::shared_ptr<ado::Connection> connection_;
    std::shared_ptr<suite::ScriptedMessages> messages_;
    std::shared_ptr<suite::ScriptedLookups> lookups_;
    std::shared_ptr<suite::ModelFactory> factory_;
    std::shared_ptr<suite::FormModel> form_;
    suite::ViewFactory views_;
    std::unique_ptr<suite::ViewHub> hub_;
    suite::FormView* formView_ = nullptr;
    QStringList failures_;
};

}  // namespace widgets_test
