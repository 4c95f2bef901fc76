#include "suite/framework/host_script_model.h"

namespace suite {

QVariant HostScriptModel::formEvent(const QString& formName, int, int open, const QVariant& name) {
    formEvents_.append({formName, open, name});
    FormEventRaised.raise(formName, open, cancel_);
    return QVariant();
}

void HostScriptModel::end(const QVariant& programName) {
    ended_ = true;
    endedProgram_ = programName;
}

}  // namespace suite
