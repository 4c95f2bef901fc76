#pragma once

#include <QList>
#include <QString>
#include <memory>

namespace host {

class Control;

// One column of a decode: its value goes to the target control (no target: only read).
struct DecodeField {
    QString column;
    std::shared_ptr<Control> target;
};

// What a decode needs: the statement that finds the typed value (no row: not found), which columns go to
// which controls, and the connection text. A decode service fills it from its standard decodes; a
// StartDecode handler may change any part before the edit runs it.
struct DecodeRequest {
    QString statement;
    QList<DecodeField> fields;
    QString connectionString;
};

}  // namespace host
