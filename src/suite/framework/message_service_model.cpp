#include "suite/framework/message_service_model.h"

#include "suite/framework/host_session.h"
#include "suite/framework/message_presenter.h"

#include "ado/connection.h"
#include "brondel/console/host_components/types.h"

#include <QStringList>

namespace suite {

namespace {

const QString LineBreak = QStringLiteral("\r\n");

QString errorLine(long number, const QString& description) {
    return QStringLiteral("Errore %1: %2").arg(number).arg(description);
}

}  // namespace

MessageServiceModel::MessageServiceModel(std::shared_ptr<MessagePresenter> presenter)
    : presenter_(std::move(presenter)) {}

void MessageServiceModel::initialize(std::shared_ptr<host::Cinterface> host) { host_ = host; }

qint32 MessageServiceModel::showMessage(const QString& text, qint32 style, const QString& title, bool translate,
                                        qint32) {
    if (!translate)
        return presenter_->showMessage(text, style, title);
    const auto module = host();
    return presenter_->showMessage(session::translate(module, text), style, session::translate(module, title));
}

void MessageServiceModel::setCurrentError(const automation::Error& error) { currentError_ = error; }

void MessageServiceModel::setDatabaseErrors(std::shared_ptr<ado::Connection> connection) {
    databaseErrors_ = connection ? connection->errors() : std::vector<ado::Error>();
}

QString MessageServiceModel::errorText(const automation::Error& error, const QString& programTitle,
                                       const QString& formCaption, const QString& procedure) const {
    QStringList lines{QStringLiteral("Programma: ") + programTitle, QStringLiteral("Maschera: ") + formCaption,
                      QStringLiteral("Procedura: ") + procedure, errorLine(error.number(), error.description()),
                      QStringLiteral("Origine: ") + error.source()};
    if (!databaseErrors_.empty()) {
        lines << QStringLiteral("Errori del database:");
        for (const ado::Error& entry : databaseErrors_)
            lines << errorLine(entry.number(), entry.description());
    }
    return lines.join(LineBreak);
}

qint32 MessageServiceModel::errorBox(const QString& programTitle, const QString& formCaption, const QString& procedure,
                                     qint32 style, qint32) {
    const automation::Error error = currentError_.value_or(automation::Error(0, QString(), QString()));
    return presenter_->errorBox(errorText(error, programTitle, formCaption, procedure), style,
                                programTitle.isEmpty() ? QStringLiteral("Errore") : programTitle);
}

void MessageServiceModel::reportError(const automation::Error& error, const QString& program, const QString& procedure,
                                      const QString& position) {
    const QString text =
        errorText(error, program, QString(), procedure) + LineBreak + QStringLiteral("Posizione: ") + position;
    presenter_->showMessage(text, host::message_style::Ok + host::message_style::Critical,
                            program.isEmpty() ? QStringLiteral("Errore") : program);
}

}  // namespace suite
