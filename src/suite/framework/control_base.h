#pragma once

#include "suite/framework/model_node.h"

#include "automation/error.h"
#include "automation/variant.h"
#include "brondel/console/host_components/control.h"

#include <QString>
#include <QVariant>
#include <memory>

namespace suite {

// The state every control model has (name, caption, text, enabled, visible, focus, geometry), for the
// host interface I (host::Label, host::Grid...).
template <class I>
class ControlBase : public I, public ModelNode {
public:
    explicit ControlBase(const host::ControlDesign& design)
        : name_(design.name), kind_(design.kind), index_(design.index), caption_(design.caption),
          enabled_(design.enabled), visible_(design.visible), geometry_(design.geometry), parent_(design.parent) {}

    host::Control& control() override { return *this; }

    QString name() const override { return name_; }
    host::ControlKind kind() const override { return kind_; }
    int index() const override { return index_; }
    std::shared_ptr<host::Control> parent() const override { return parent_.lock(); }

    QString caption() const override { return caption_; }
    void setCaption(const QString& caption) override { update(caption_, caption); }

    QString text() const override { return text_; }
    void setText(const QString& text) override { update(text_, text); }
    QVariant value() const override { return text().isEmpty() ? automation::null() : QVariant(text()); }
    void setValue(const QVariant& value) override { setText(automation::cstr(value)); }

    bool isEnabled() const override { return enabled_; }
    void setEnabled(bool enabled) override { update(enabled_, enabled); }
    bool isVisible() const override { return visible_; }
    void setVisible(bool visible) override { update(visible_, visible); }

    bool canTakeFocus() const override {
        auto* self = const_cast<ControlBase*>(this);
        return focusAllowed_ && enabled_ && self->isVisibleInTree() && self->enabledUpTree();
    }
    void setCanTakeFocus(bool allowed) override { update(focusAllowed_, allowed); }
    bool hasFocus() const override { return const_cast<ControlBase*>(this)->ownsFocus(); }
    // As VB's SetFocus: a control that cannot take the focus raises "Invalid procedure call or argument".
    void setFocus() override {
        if (!canTakeFocus())
            throw automation::Error(5, name_, QStringLiteral("Invalid procedure call or argument"));
        takeFocus();
    }

    host::Geometry geometry() const override { return geometry_; }
    void move(int left, int top, int width, int height) override {
        update(geometry_, host::Geometry{left, top, width, height});
    }

    void bringToFront() override {
        ++zOrder_;
        notifyChanged();
    }
    int zOrder() const { return zOrder_; }

    qint64 windowHandle() const override { return handle(); }

protected:
    bool nodeVisible() override { return visible_; }

    // Sets a state member; views hear of it when it changed.
    template <class T>
    void update(T& member, const T& value) {
        if (member == value)
            return;
        member = value;
        notifyChanged();
    }

    // The key gesture of controls with a KeyDown event: focus, then KeyDown; returns the key code the
    // handlers left (0: swallowed), or the key itself when the control cannot take it.
    int pressKeyOn(automation::Event<int&, int>& keyDown, int keyCode, int shift) {
        if (!canTakeFocus())
            return keyCode;
        takeFocus();
        keyDown.raise(keyCode, shift);
        return keyCode;
    }

    bool enabledUpTree() {
        for (ModelNode* node = parentNode(); node; node = node->parentNode()) {
            if (!node->control().isEnabled())
                return false;
        }
        return true;
    }

private:
    QString name_;
    host::ControlKind kind_;
    int index_;
    QString caption_;
    QString text_;
    bool enabled_;
    bool visible_;
    bool focusAllowed_ = true;
    host::Geometry geometry_;
    std::weak_ptr<host::Control> parent_;
    int zOrder_ = 0;
};

}  // namespace suite
