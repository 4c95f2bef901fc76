#include "brondel/console/section_frame.h"

#include "brondel/console/frmmg_brondel.h"
#include "brondel/console/object_required.h"
#include "brondel/console/recordset_release.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "brondel/console/host_components/cinterface.h"
#include "brondel/console/host_components/data_control.h"
#include "brondel/console/host_components/global_object.h"
#include "brondel/console/host_components/grid.h"
#include "brondel/console/host_components/grid_navigator.h"
#include "brondel/console/host_components/host_factory.h"
#include "brondel/console/host_components/recordset_factory.h"
#include "brondel/console/host_components/virtual_frame.h"

#include <utility>

namespace brondel {

std::shared_ptr<host::VirtualFrame> SectionFrame::required() const { return brondel::required(frame_); }

void SectionFrame::build(FRMMG_BRONDEL& form, const FrameDesign& design,
                         const std::function<void(host::VirtualFrame&)>& connect) {
    const std::shared_ptr<host::Cinterface> host = form.attachedHost();
    const bool shown = host && frame_ && host->activeFrame() == frame_;
    release(form);
    const std::shared_ptr<host::HostFactory> factory =
        brondel::required(brondel::required(brondel::required(host)->clsGlobal())->factory());
    recordset_ = brondel::required(factory->recordsetFactory())->createRecordset();
    recordset_->open(design.statement, brondel::required(form.connection()));

    const std::shared_ptr<host::VirtualFrame> created = brondel::required(factory->createVirtualFrame());
    frame_ = created;
    if (connect)
        connect(*created);
    created->initialize(host, form.connection(), recordset_, QVariant(design.statement), QString(),
                        form.controlAs<host::GridNavigator>(design.navigator), form.controlAs<host::Grid>(design.grid));
    for (const BoundControl& bound : design.controls)
        created->addControl(form.controlAs<host::DataControl>(bound.name), bound.format);
    created->setKeyControl(form.controlAs<host::DataControl>(design.keyControl));
    created->setEditingEnabled(true);
    if (shown)
        host->setActiveFrame(created);
}

void SectionFrame::release(FRMMG_BRONDEL& form) {
    const std::shared_ptr<host::VirtualFrame> old = std::exchange(frame_, nullptr);
    if (!old)
        return;
    old->close();
    old->detach();
    const std::shared_ptr<host::Cinterface> host = form.attachedHost();
    if (host && host->activeFrame() == old)
        host->setActiveFrame(nullptr);
    releaseRecordset();
}

void SectionFrame::close() const { required()->close(); }

void SectionFrame::detach() const { required()->detach(); }

void SectionFrame::releaseRecordset() { closeAndRelease(recordset_); }

}  // namespace brondel
