#include "suite/framework/status_bar_model.h"

#include "automation/error.h"

namespace suite {

StatusBarModel::StatusBarModel(int panelCount) {
    for (int i = 0; i < panelCount; ++i)
        texts_ << QStringList();
}

int StatusBarModel::checked(int panel) const {
    if (panel < 1 || panel > texts_.size())
        throw automation::Error(35600, QStringLiteral("StatusBar"), QStringLiteral("Index out of bounds"));
    return panel - 1;
}

QString StatusBarModel::panelText(int panel) const {
    const QStringList& texts = texts_.at(checked(panel));
    return texts.isEmpty() ? QString() : texts.last();
}

void StatusBarModel::setPanelText(int panel, const QString& text) {
    texts_[checked(panel)] << text;
    Changed.raise(panel);
}

QStringList StatusBarModel::history(int panel) const { return texts_.at(checked(panel)); }

}  // namespace suite
