#pragma once

#include "suite/framework/form_model.h"
#include "suite/framework/model_factory.h"

#include "brondel/console/host_components/message_service.h"

#include <gtest/gtest.h>

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace ado {
class Connection;
class Recordset;
}

namespace framework_test {

// A message service whose answers are queued in advance. Every message shown is recorded; a question
// (any style with more than an OK button) with no answer queued fails the test with its text.
class ScriptedMessages : public host::MessageService {
public:
    struct Shown {
        QString text;
        qint32 style;
        QString title;
    };

    void answer(qint32 answer) { answers_.enqueue(answer); }
    const QList<Shown>& shown() const { return shown_; }
    QStringList texts() const;

    void initialize(std::shared_ptr<host::Cinterface>) override {}
    qint32 showMessage(const QString& text, qint32 style, const QString& title, bool, qint32) override;
    void setCurrentError(const automation::Error&) override {}
    void setDatabaseErrors(std::shared_ptr<ado::Connection>) override {}
    qint32 errorBox(const QString&, const QString&, const QString& procedure, qint32, qint32) override;
    void reportError(const automation::Error&, const QString&, const QString&, const QString&) override {}

private:
    QQueue<qint32> answers_;
    QList<Shown> shown_;
};

// A fresh demo suite database, a model factory answering with the scripted messages, and a form to put
// controls on.
class FrameworkTest : public ::testing::Test {
protected:
    void SetUp() override;

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
    std::shared_ptr<ScriptedMessages> messages_ = std::make_shared<ScriptedMessages>();
    std::shared_ptr<suite::ModelFactory> factory_;
    std::shared_ptr<suite::FormModel> form_;
};

}  // namespace framework_test
