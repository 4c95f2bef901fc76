#pragma once

#include "brondel/console/host_components/menu_entry.h"

namespace suite {

// The menu entry that opened a module (a program of FW50_MODMENU).
class MenuEntryModel : public host::MenuEntry {
public:
    MenuEntryModel(QString programName, QString description)
        : programName_(std::move(programName)), description_(std::move(description)) {}

    QString programName() const override { return programName_; }
    QString description() const override { return description_; }

private:
    QString programName_;
    QString description_;
};

}  // namespace suite
