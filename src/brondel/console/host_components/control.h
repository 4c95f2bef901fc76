#pragma once

#include "brondel/console/host_components/control_design.h"
#include "brondel/console/host_components/object.h"

#include <QString>
#include <QVariant>
#include <memory>

namespace host {

// A control of a form: a node of the form's model tree, created by HostFactory::createControl with its
// design properties. Views render it at its geometry; the console reads and sets its state.
class Control : public Object {
public:
    virtual QString name() const = 0;
    virtual ControlKind kind() const = 0;
    virtual int index() const = 0;  // -1 when not a member of a control array
    virtual std::shared_ptr<Control> parent() const = 0;

    virtual QString caption() const = 0;
    virtual void setCaption(const QString& caption) = 0;

    // Shown text (an edit's text, a combo's code, a check's "1"/"0").
    virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;
    // Stored value: what a frame writes to the bound column (Null when the text is empty).
    virtual QVariant value() const = 0;
    virtual void setValue(const QVariant& value) = 0;

    virtual bool isEnabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isVisible() const = 0;
    virtual void setVisible(bool visible) = 0;

    // Whether the control accepts the focus (enabled, visible, on a visible parent, and allowed to).
    virtual bool canTakeFocus() const = 0;
    virtual void setCanTakeFocus(bool allowed) = 0;
    virtual bool hasFocus() const = 0;
    virtual void setFocus() = 0;

    virtual Geometry geometry() const = 0;
    // Moves and sizes the control (twips, relative to its parent).
    virtual void move(int left, int top, int width, int height) = 0;
    int left() const { return geometry().left; }
    int top() const { return geometry().top; }
    int width() const { return geometry().width; }
    int height() const { return geometry().height; }

    // Puts the control above its siblings.
    virtual void bringToFront() = 0;

    // A number that identifies the control's window (for the redraw lock); never 0.
    virtual qint64 windowHandle() const = 0;
};

}  // namespace host
