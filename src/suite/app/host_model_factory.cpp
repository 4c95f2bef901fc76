#include "suite/app/host_model_factory.h"

#include "suite/app/statement_trace.h"

#include "suite/framework/form_model.h"

#include "ado/connection.h"
#include "brondel/console/host_components/connection_factory.h"

namespace suite {

namespace {

// New connections of the host's factory, each traced.
class TracedConnections : public host::ConnectionFactory {
public:
    TracedConnections(std::shared_ptr<host::ConnectionFactory> connections, std::shared_ptr<StatementTrace> trace)
        : connections_(std::move(connections)), trace_(std::move(trace)) {}

    std::shared_ptr<ado::Connection> createConnection() override {
        std::shared_ptr<ado::Connection> connection = connections_->createConnection();
        trace_->follow(*connection);
        return connection;
    }

private:
    std::shared_ptr<host::ConnectionFactory> connections_;
    std::shared_ptr<StatementTrace> trace_;
};

}  // namespace

HostModelFactory::HostModelFactory() {
    registerControl(host::ControlKind::Form, [this](const host::ControlDesign& design) {
        auto form = std::make_shared<FormModel>(design);
        if (formCreated_)
            formCreated_(form);
        return form;
    });
}

void HostModelFactory::traceHostConnection(const QString& connectionString) {
    if (trace_)
        trace_->follow(*openConnection(connectionString));
}

std::shared_ptr<host::ConnectionFactory> HostModelFactory::connectionFactory() {
    if (!trace_)
        return ModelFactory::connectionFactory();
    if (!traced_)
        traced_ = std::make_shared<TracedConnections>(ModelFactory::connectionFactory(), trace_);
    return traced_;
}

}  // namespace suite
