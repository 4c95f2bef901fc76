#pragma once

#include <QJSValue>
#include <QObject>
#include <QString>
#include <memory>

namespace suite {

class ScriptHost;
class VirtualFrameModel;

// A data section of the console as host scripts know it (DTS_Configurazione_Varianti...): its frame's
// status (0 browse, 1 editing, 2 adding), its rows, the current row's values, and the operations of its
// navigator.
class ScriptFrame : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString name READ name)
    Q_PROPERTY(int status READ status)
    Q_PROPERTY(int rowCount READ rowCount)

public:
    ScriptFrame(ScriptHost& host, std::shared_ptr<VirtualFrameModel> frame);

    QString name() const;
    int status() const;
    int rowCount() const;

    // A field of the current row; undefined without one.
    Q_INVOKABLE QJSValue value(const QString& field) const;
    Q_INVOKABLE bool addNew();
    Q_INVOKABLE bool save();
    Q_INVOKABLE bool undo();
    Q_INVOKABLE bool remove();

private:
    ScriptHost& host_;
    std::shared_ptr<VirtualFrameModel> frame_;
};

}  // namespace suite
