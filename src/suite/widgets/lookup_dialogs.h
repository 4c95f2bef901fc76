#pragma once

#include "suite/framework/lookup_presenter.h"

#include <QPointer>
#include <QWidget>

namespace suite {

// The lookup windows of the host application: each one a LookupDialog, modal over parent.
class LookupDialogs : public LookupPresenter {
public:
    explicit LookupDialogs(QWidget* parent = nullptr) : parent_(parent) {}

    LookupPick choose(const LookupView& view) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace suite
