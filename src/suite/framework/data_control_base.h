#pragma once

#include "suite/framework/control_base.h"
#include "suite/framework/user_edit_source.h"

#include "brondel/console/host_components/data_control.h"

#include <QString>
#include <QVariant>
#include <memory>

namespace suite {

// The binding state of edit, combo and check models, and the gesture notifications a virtual frame
// follows.
template <class I>
class DataControlBase : public ControlBase<I>, public UserEditSource {
public:
    explicit DataControlBase(const host::ControlDesign& design)
        : ControlBase<I>(design), boundColumn_(design.boundColumn), mandatory_(design.mandatory),
          defaultValue_(design.defaultValue) {}

    QString boundColumn() const override { return boundColumn_; }
    void setBoundColumn(const QString& column) override { boundColumn_ = column; }
    QVariant savedValue() const override { return savedValue_; }
    void setSavedValue(const QVariant& value) override { savedValue_ = value; }
    bool isMandatory() const override { return mandatory_; }
    void setMandatory(bool mandatory) override { mandatory_ = mandatory; }
    QVariant defaultValue() const override { return defaultValue_; }
    bool isValid() const override { return valid_; }
    void setValid(bool valid) override { this->update(valid_, valid); }
    std::shared_ptr<host::DataFormat> dataFormat() const override { return format_; }
    void setDataFormat(std::shared_ptr<host::DataFormat> format) override { format_ = std::move(format); }

private:
    QString boundColumn_;
    bool mandatory_;
    QVariant defaultValue_;
    QVariant savedValue_;
    bool valid_ = true;
    std::shared_ptr<host::DataFormat> format_;
};

}  // namespace suite
