#pragma once

#include "brondel/console/host_components/object.h"

#include <QString>
#include <memory>

namespace ado {
class Connection;
}
namespace automation {
class Error;
}

namespace host {

class Cinterface;

// The host's message service (one per form): message boxes and the error box.
class MessageService : public Object {
public:
    // The module the messages belong to; nothing at unload.
    virtual void initialize(std::shared_ptr<Cinterface> host) = 0;

    // Shows text with a style (message_style) and title; returns the answer (message_answer).
    // translate: pass the text through the host's translator; options: reserved, 0.
    virtual qint32 showMessage(const QString& text, qint32 style, const QString& title, bool translate,
                               qint32 options) = 0;

    // The error the next error box or report describes.
    virtual void setCurrentError(const automation::Error& error) = 0;
    // The connection whose ADO Errors collection the next error box lists (nothing: none).
    virtual void setDatabaseErrors(std::shared_ptr<ado::Connection> connection) = 0;
    // Shows the current error: (program title, form caption, procedure, style, options). Returns the
    // answer: 3 abort, 4 retry, 5 ignore.
    virtual qint32 errorBox(const QString& programTitle, const QString& formCaption, const QString& procedure,
                            qint32 style, qint32 options) = 0;
    // Reports error without asking anything: (error, program, procedure, position in the program).
    virtual void reportError(const automation::Error& error, const QString& program, const QString& procedure,
                             const QString& position) = 0;
};

}  // namespace host
