#include "suite/widgets/lookup_dialogs.h"

#include "suite/widgets/lookup_dialog.h"

#include <QApplication>

namespace suite {

LookupPick LookupDialogs::choose(const LookupView& view) {
    LookupDialog dialog(view, parent_ ? parent_.data() : QApplication::activeWindow());
    dialog.exec();
    return dialog.pick();
}

}  // namespace suite
