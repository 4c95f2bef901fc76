#pragma once

#include "suite/framework/model_factory.h"

#include <functional>
#include <memory>

namespace suite {

class FormModel;
class StatementTrace;

// The model factory of the host application: every form a module creates is announced (the host gives it
// a window), and with a statement trace every connection a module opens through the host, and the
// connections the host runs its lookups and decodes on, are traced.
class HostModelFactory : public ModelFactory {
public:
    using FormCreated = std::function<void(const std::shared_ptr<FormModel>&)>;

    HostModelFactory();

    void setFormCreated(FormCreated handler) { formCreated_ = std::move(handler); }
    void setTrace(std::shared_ptr<StatementTrace> trace) { trace_ = std::move(trace); }
    // Traces the host's connection for connectionString (lookups, decodes and value lists run on it).
    void traceHostConnection(const QString& connectionString);

    std::shared_ptr<host::ConnectionFactory> connectionFactory() override;

private:
    FormCreated formCreated_;
    std::shared_ptr<StatementTrace> trace_;
    std::shared_ptr<host::ConnectionFactory> traced_;
};

}  // namespace suite
