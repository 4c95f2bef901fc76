#pragma once

#include "brondel/console/host_components/message_service.h"

#include "ado/error.h"
#include "automation/error.h"

#include <QString>
#include <memory>
#include <optional>
#include <vector>

namespace suite {

class MessagePresenter;

// The message service of one form: translates texts when asked, composes the error box's text and hands
// both to a presenter (dialogs, or a script in tests).
//
// The error box lists, one per line: the program title, the form caption, the procedure, the error's
// number and description, its source, and the ADO errors of the connection given last.
class MessageServiceModel : public host::MessageService {
public:
    explicit MessageServiceModel(std::shared_ptr<MessagePresenter> presenter);

    void initialize(std::shared_ptr<host::Cinterface> host) override;
    qint32 showMessage(const QString& text, qint32 style, const QString& title, bool translate,
                       qint32 options) override;
    void setCurrentError(const automation::Error& error) override;
    void setDatabaseErrors(std::shared_ptr<ado::Connection> connection) override;
    qint32 errorBox(const QString& programTitle, const QString& formCaption, const QString& procedure, qint32 style,
                    qint32 options) override;
    void reportError(const automation::Error& error, const QString& program, const QString& procedure,
                     const QString& position) override;

    // The text an error box shows for error (the ADO errors are this service's current ones).
    QString errorText(const automation::Error& error, const QString& programTitle, const QString& formCaption,
                      const QString& procedure) const;

    std::shared_ptr<host::Cinterface> host() const { return host_.lock(); }

private:
    std::shared_ptr<MessagePresenter> presenter_;
    std::weak_ptr<host::Cinterface> host_;
    std::optional<automation::Error> currentError_;
    std::vector<ado::Error> databaseErrors_;
};

}  // namespace suite
