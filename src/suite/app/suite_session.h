#pragma once

#include "suite/framework/host_environment.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>
#include <memory>

namespace suite {

class HostModelFactory;
class HostScriptModel;

// What the host application knows while it runs: the host's environment on the suite database, with the
// company and the user's language it was started with (both must be in the database), and the module's
// host script. The host's own connection is never traced; the factory's is, when the factory traces.
//
// The host numbers languages by their order in MG52_LINGUE, sorted by code, from 1.
class SuiteSession : public HostEnvironment {
public:
    // Raises automation::Error when the database cannot be opened or does not hold the company or the
    // language.
    SuiteSession(const QString& databasePath, const QVariant& companyCode, const QString& language,
                 std::shared_ptr<HostModelFactory> factory, std::shared_ptr<MessagePresenter> messages,
                 std::shared_ptr<LookupPresenter> lookups);
    ~SuiteSession() override;

    QVariant companyCode() const;
    QString companyName() const;
    // Makes another company the current one (raises automation::Error when the database has none).
    void setCompany(const QVariant& companyCode);
    // The companies of the database: code and name, by code.
    QList<QPair<QVariant, QString>> companies() const;

    std::shared_ptr<HostScriptModel> hostScript() const { return hostScript_; }

    // Attaches the module as opened from a program of the menu (caption: the module's caption, or empty
    // for the program's description), and gives the navigator the host script.
    void attach(const std::shared_ptr<host::Cinterface>& module, const QString& program, const QString& caption) const;

private:
    std::shared_ptr<HostScriptModel> hostScript_;
};

}  // namespace suite
