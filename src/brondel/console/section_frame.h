#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <vector>

namespace ado {
class Recordset;
}

namespace host {
class DataFormat;
class VirtualFrame;
}  // namespace host

namespace brondel {

class FRMMG_BRONDEL;

// A control the frame binds, with the format that converts between the row's value and its text.
struct BoundControl {
    QString name;
    std::shared_ptr<host::DataFormat> format = {};
};

// What a section's frame is made of: the statement of its rows, its grid and grid navigator, the edit
// controls it binds (in order) and its key control.
struct FrameDesign {
    QString statement;
    QString grid;
    QString navigator;
    std::vector<BoundControl> controls;
    QString keyControl;
};

// A frame of a section (FME_*), owned by the section and known to host scripts by its script name.
// Nothing until build(); build() again replaces it everywhere (one frame only drives the grid and the
// controls); release() or the form's unload leave nothing.
class SectionFrame {
public:
    explicit SectionFrame(QString scriptName) : scriptName_(std::move(scriptName)) {}

    const QString& scriptName() const { return scriptName_; }
    // The frame, nullptr while there is none.
    const std::shared_ptr<host::VirtualFrame>& frame() const { return frame_; }
    // The frame, or error 91 while there is none.
    std::shared_ptr<host::VirtualFrame> required() const;
    // The recordset the frame was built on (its rows).
    const std::shared_ptr<ado::Recordset>& recordset() const { return recordset_; }

    // Releases the frame it replaces, opens the statement on the console's connection, creates the frame
    // and hands it to connect (the section connects its events), then binds the grid, the navigator and
    // the controls and turns editing on. A frame that was the host's active frame is followed by the new
    // one. The status is the section's to set.
    void build(FRMMG_BRONDEL& form, const FrameDesign& design, const std::function<void(host::VirtualFrame&)>& connect);
    // Closes and detaches the frame, clears it as the host's active frame, closes its recordset.
    void release(FRMMG_BRONDEL& form);

    // Unload's steps, each one statement so that a failing one is skipped alone.
    void close() const;
    void detach() const;
    void reset() { frame_.reset(); }
    void releaseRecordset();

    // A frame made elsewhere (a test's double) in place of the built one.
    void setFrame(std::shared_ptr<host::VirtualFrame> frame) { frame_ = std::move(frame); }

private:
    QString scriptName_;
    std::shared_ptr<host::VirtualFrame> frame_;
    std::shared_ptr<ado::Recordset> recordset_;
};

}  // namespace brondel
