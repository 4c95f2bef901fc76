#pragma once

#include "suite/framework/form_model.h"
#include "suite/framework/model_factory.h"
#include "suite/framework/scripted_messages.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace ado {
class Connection;
class Recordset;
}  // namespace ado

namespace framework_test {

// A fresh demo suite database, a model factory whose message services are answered by the scripted
// messages (a message nobody expected fails the test), and a form to put controls on.
class FrameworkTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    template <class Model>
    std::shared_ptr<Model> add(host::ControlKind kind, const QString& name, const QString& boundColumn = QString(),
                               const QString& caption = QString()) {
        host::ControlDesign design;
        design.kind = kind;
        design.name = name;
        design.boundColumn = boundColumn;
        design.caption = caption;
        design.parent = form_;
        return std::dynamic_pointer_cast<Model>(factory_->createControl(design));
    }
    template <class Model>
    std::shared_ptr<Model> add(host::ControlDesign design) {
        design.parent = form_;
        return std::dynamic_pointer_cast<Model>(factory_->createControl(design));
    }

    // A recordset from the host's factory opened on statement.
    std::shared_ptr<ado::Recordset> open(const QString& statement);
    // The rows of a query, each as its fields' texts joined by "|".
    QStringList query(const QString& statement);

    QTemporaryDir dir_;
    QString connectionString_;
    std::shared_ptr<ado::Connection> connection_;
    std::shared_ptr<suite::ScriptedMessages> messages_ = std::make_shared<suite::ScriptedMessages>();
    std::shared_ptr<suite::ModelFactory> factory_;
    std::shared_ptr<suite::FormModel> form_;
};

}  // namespace framework_test
