#include "suite/app/script_frame.h"

#include "suite/app/script_host.h"

#include "suite/framework/virtual_frame_model.h"

#include "ado/recordset.h"

namespace suite {

ScriptFrame::ScriptFrame(ScriptHost& host, std::shared_ptr<VirtualFrameModel> frame)
    : host_(host), frame_(std::move(frame)) {}

QString ScriptFrame::name() const { return frame_->scriptName(); }

int ScriptFrame::status() const { return frame_->status(); }

int ScriptFrame::rowCount() const {
    const auto rows = frame_->recordset();
    return rows && rows->isOpen() ? int(rows->recordCount()) : 0;
}

QJSValue ScriptFrame::value(const QString& field) const {
    const auto rows = frame_->recordset();
    if (!rows || !rows->isOpen() || rows->isBof() || rows->isEof())
        return QJSValue();
    QVariant value;
    host_.gesture([&] { value = rows->value(field); });
    return host_.toScript(value);
}

bool ScriptFrame::addNew() {
    return host_.perform([&] { return frame_->addNew(); });
}

bool ScriptFrame::save() {
    return host_.perform([&] { return frame_->save(true, true); });
}

bool ScriptFrame::undo() {
    return host_.perform([&] { return frame_->undo(); });
}

bool ScriptFrame::remove() {
    return host_.perform([&] { return frame_->deleteRow(); });
}

}  // namespace suite
