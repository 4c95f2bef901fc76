// ArticleConfigurator: the frame and grid set-up, the look-ups over the company's sub-codes and the
// frame's notifications.
#include "brondel/articles/article_configurator.h"

#include "brondel/articles/article_statements.h"
#include "brondel/console/coded_list.h"
#include "brondel/console/frmmg_brondel.h"
#include "brondel/console/grid_columns.h"
#include "brondel/console/object_required.h"
#include "brondel/console/section_frame.h"

#include "ado/recordset.h"
#include "automation/procedure.h"
#include "automation/variant.h"
#include "brondel/console/host_components/button.h"
#include "brondel/console/host_components/cinterface.h"
#include "brondel/console/host_components/combo.h"
#include "brondel/console/host_components/edit.h"
#include "brondel/console/host_components/grid.h"
#include "brondel/console/host_components/grid_layout.h"
#include "brondel/console/host_components/grid_navigator.h"
#include "brondel/console/host_components/host_factory.h"
#include "brondel/console/host_components/recordset_factory.h"
#include "brondel/console/host_components/virtual_frame.h"

#include <utility>

namespace brondel {

namespace button = host::navigator_button;

namespace {

const QString progressiveColumn = QStringLiteral("MG6F_PROGR");
const QString treatmentColumn = QStringLiteral("MG6F_INDCODIFICA");

// The edit controls the frame binds, in order; the first is its key control.
const char* const boundControls[] = {"TXT_PROGRCONFART", "TXT_DESCRCONFART", "TXT_SIZECONFART",
                                     "CBO_TRATTAMENTO",  "TXT_ULTPROG",      "CBO_INDALLIN"};

const GridColumn gridColumns[] = {
    {"MG6F_PROGR", "Progr.", 645},
    {"MG6F_DESCR", "Descrizione", 3510},
    {"MG6F_SIZE", "Lun.", 480},
    {"MG6F_INDCODIFICA", "Trattamento", 1770},
    {"MG6F_ULTPROG", "Ultimo Progr.", 1275},
    {"MG6F_INDALLIN", "Allineamento a destra", 2295},
};

const QString tooManySubCodes = QStringLiteral("E' stato raggiunto il numero massimo di subcodici gestibili: ") +
                                QStringLiteral("\r\n") +
                                QStringLiteral("il configuratore non può gestire più di 6 subcodici!");
const QString lengthOutOfRange = QStringLiteral("La lunghezza non può essere inferiore a 2 o maggiore di 25");
const QString secondCounter = QStringLiteral("Non è possibile configurare più di un contatore automatico!");
const QString relativeFirst = QStringLiteral("Il primo subcodice non può essere un contatore relativo!");

QString lengthExceeded(int available) {
    return QStringLiteral("La somma della \"lunghezza\" dei subcodici ha superato i 25 caratteri: ") +
           QStringLiteral("\r\n") + QStringLiteral("la lunghezza ancora disponibile è ") + QString::number(available) +
           QStringLiteral(".");
}

}  // namespace

ArticleConfigurator::ArticleConfigurator(FRMMG_BRONDEL& form)
    : ArticleSection(form, 7), frame_(addFrame("DTS_Configurazione_Articoli")) {}

ArticleConfigurator::~ArticleConfigurator() = default;

std::shared_ptr<host::VirtualFrame> ArticleConfigurator::frame() const { return frame_.required(); }

std::shared_ptr<ado::Recordset> ArticleConfigurator::rows() const { return required(frame()->recordset()); }

void ArticleConfigurator::initGrids() { INITGRID_CONFIGART(); }

void ArticleConfigurator::show() { MostraItemConfigArt(); }

void ArticleConfigurator::connectFrame(host::VirtualFrame& frame) {
    connect(frame.BeforeAddNew, &ArticleConfigurator::FME_CONFIGARTICOLI_BeforeAddNew);
    connect(frame.AfterAddNew, &ArticleConfigurator::FME_CONFIGARTICOLI_AfterAddNew);
    connect(frame.ChangeStatus, &ArticleConfigurator::FME_CONFIGARTICOLI_ChangeStatus);
    connect(frame.BeforeUpdate, &ArticleConfigurator::FME_CONFIGARTICOLI_BeforeUpdate);
    connect(frame.AfterUpdate, &ArticleConfigurator::FME_CONFIGARTICOLI_AfterUpdate);
    connect(frame.AfterDelete, &ArticleConfigurator::FME_CONFIGARTICOLI_AfterDelete);
    connect(frame.AfterUndo, &ArticleConfigurator::FME_CONFIGARTICOLI_AfterUndo);
}

void ArticleConfigurator::ConfigurazioneVirtualFrameConfigArt() {
    automation::reraise("ConfigurazioneVirtualFrameConfigArt", [this] {
        FrameDesign design{ArticleStatements::configuratorRows(company()),
                           QStringLiteral("GRD_CONFIGART"),
                           QStringLiteral("GNV_CONFIGART"),
                           {},
                           QStringLiteral("TXT_PROGRCONFART")};
        for (const char* name : boundControls)
            design.controls.push_back({QString::fromLatin1(name)});
        frame_.build(form(), design, [this](host::VirtualFrame& created) { connectFrame(created); });

        DefinizioneIniziale = !hasCurrentRow(frame_.recordset());
        control<host::Button>("CMD_ELIMINACONFART")->setEnabled(!DefinizioneIniziale);
        frame()->setStatus(DefinizioneIniziale ? host::frame_status::Adding : host::frame_status::Browse);
        control<host::GridNavigator>("GNV_CONFIGART")->setButtonEnabled(button::Delete, DefinizioneIniziale);
    });
}

void ArticleConfigurator::INITGRID_CONFIGART() {
    automation::reraise("INITGRID_CONFIGART",
                        [this] { defineGridColumns(QStringLiteral("GRD_CONFIGART"), progressiveColumn, gridColumns); });
}

void ArticleConfigurator::MostraItemConfigArt() {
    automation::reraise("MostraItemConfigArt", [this] {
        showPanel();
        ConfigurazioneVirtualFrameConfigArt();
        activate(frame_);
        focusIfEnabled(QStringLiteral("GRD_CONFIGART"));
    });
}

void ArticleConfigurator::GRD_CONFIGART_DataFormatEXT(QVariant& value, const QString& field) {
    automation::reraise("GRD_CONFIGART_DataFormatEXT", [&] {
        if (automation::isNull(value) || automation::isEmpty(value))
            return;
        if (const std::optional<QString> label = codedText(field, value))
            value = translate(*label);
    });
}

void ArticleConfigurator::MaxProgr() {
    automation::reraise("MaxProgr", [this] {
        ProssimoProgressivo = 0;
        TotaleLunghezze = 0;
        ProssimoProgressivo = automation::cint(
            number(firstValue(ArticleStatements::highestProgressive(company()), QStringLiteral("MAXPROGR"))));
        TotaleLunghezze =
            automation::cint(number(firstValue(ArticleStatements::lengthTotal(company()), QStringLiteral("MAXSIZE"))));
        if (TotaleLunghezze < MaxTotalLength)
            return;
        control<host::GridNavigator>("GNV_CONFIGART")->setButtonEnabled(button::New, false);
        // Leaving an add abandons the new row; the frame tells the change once.
        if (frame()->status() != host::frame_status::Browse)
            frame()->setStatus(host::frame_status::Browse);
        focusIfEnabled(QStringLiteral("GRD_CONFIGART"));
    });
}

bool ArticleConfigurator::EsisteContatore() {
    return automation::reraise("EsisteContatore", [this] {
        const QString progressive = automation::cstr(number(rows()->value(progressiveColumn)));
        return returnsRow(ArticleStatements::otherCounter(company(), progressive));
    });
}

qint16 ArticleConfigurator::MaxSizeValoreArticolo(const QVariant& progressive) {
    return automation::reraise("MaxSizeValoreArticolo", [&] {
        return automation::cint(
            number(firstValue(ArticleStatements::subCodeLength(company(), automation::cstr(number(progressive))),
                              QStringLiteral("MG6F_SIZE"))));
    });
}

void ArticleConfigurator::FME_CONFIGARTICOLI_BeforeAddNew(bool& cancel) {
    automation::reraise("FME_CONFIGARTICOLI_BeforeAddNew", [&] {
        if (rows()->recordCount() != MaxSubCodes)
            return;
        showMessage(tooManySubCodes, host::message_style::Exclamation, formCaption());
        cancel = true;
    });
}

void ArticleConfigurator::FME_CONFIGARTICOLI_AfterAddNew(bool success) {
    automation::reraise("FME_CONFIGARTICOLI_AfterAddNew", [&] {
        if (!success)
            return;
        const std::shared_ptr<ado::Recordset> row = rows();
        row->setValue(QStringLiteral("MG6F_DITTA_CG18"), companyCode());
        row->setValue(progressiveColumn, ProssimoProgressivo);
        row->setValue(QStringLiteral("MG6F_INDDESCRART"), qint16(0));
    });
}

void ArticleConfigurator::FME_CONFIGARTICOLI_ChangeStatus(qint16 newStatus, qint32 reason) {
    automation::reraise("FME_CONFIGARTICOLI_ChangeStatus", [&] {
        const auto grid = control<host::Grid>("GRD_CONFIGART");
        if (reason == host::status_reason::Rebound)
            grid->setDataSource(frame()->recordset());
        MaxProgr();
        const auto navigator = control<host::GridNavigator>("GNV_CONFIGART");
        for (const QString& caption : {button::New, button::Save, button::Undo})
            navigator->setButtonEnabled(caption, true);
        navigator->setButtonEnabled(button::Delete, DefinizioneIniziale);
        const bool room = TotaleLunghezze < MaxTotalLength;
        switch (newStatus) {
        case host::frame_status::Browse:
            navigator->setButtonEnabled(button::New, room);
            control<host::Edit>("TXT_SIZECONFART")->setEnabled(DefinizioneIniziale);
            break;
        case host::frame_status::Editing:
            // The navigator has no buttons of its own beyond the four: only "Elimina" goes off.
            navigator->setButtonEnabled(button::Delete, false);
            navigator->setButtonEnabled(button::New, room);
            break;
        case host::frame_status::Adding:
            if (room) {
                ++ProssimoProgressivo;
                rows()->setValue(progressiveColumn, ProssimoProgressivo);
                control<host::Edit>("TXT_SIZECONFART")->setEnabled(true);
                focusIfEnabled(QStringLiteral("TXT_DESCRCONFART"));
            } else {
                navigator->setButtonEnabled(button::New, false);
                rows()->cancelBatch(ado::Affect::All);
                if (frame()->status() != host::frame_status::Browse)
                    frame()->setStatus(host::frame_status::Browse);
                focusIfEnabled(QStringLiteral("GRD_CONFIGART"));
            }
            break;
        default: break;
        }
    });
}

void ArticleConfigurator::refuse(bool& cancel, const QString& message, const char* focus) {
    ConsoleSection::refuse(cancel, message, formCaption(), QString::fromLatin1(focus));
}

void ArticleConfigurator::FME_CONFIGARTICOLI_BeforeUpdate(bool& cancel) {
    automation::reraise("FME_CONFIGARTICOLI_BeforeUpdate", [&] {
        const std::shared_ptr<ado::Recordset> row = rows();
        const double length = automation::cdbl(number(row->value(QStringLiteral("MG6F_SIZE"))));
        if (length < MinLength || length > MaxTotalLength) {
            refuse(cancel, lengthOutOfRange, "TXT_SIZECONFART");
            return;
        }
        if (frame()->status() == host::frame_status::Adding && TotaleLunghezze + length > MaxTotalLength) {
            control<host::Edit>("TXT_SIZECONFART")->setValid(false);
            refuse(cancel, lengthExceeded(MaxTotalLength - TotaleLunghezze), "TXT_SIZECONFART");
            return;
        }
        const double treatment = automation::cdbl(number(row->value(treatmentColumn)));
        if (EsisteContatore() && treatment >= 2)
            refuse(cancel, secondCounter, "CBO_TRATTAMENTO");
        if (treatment == 3 && automation::cdbl(number(row->value(progressiveColumn))) == 1)
            refuse(cancel, relativeFirst, "CBO_TRATTAMENTO");
    });
}

void ArticleConfigurator::FME_CONFIGARTICOLI_AfterUpdate(bool success) {
    automation::reraise("FME_CONFIGARTICOLI_AfterUpdate", [&] {
        if (!success)
            return;
        if (frame()->status() == host::frame_status::Adding) {
            TotaleLunghezze = automation::cint(
                TotaleLunghezze + automation::cdbl(number(control<host::Edit>("TXT_SIZECONFART")->text())));
            const auto deleteAll = control<host::Button>("CMD_ELIMINACONFART");
            if (!deleteAll->isEnabled())
                deleteAll->setEnabled(true);
        }
        refreshSidebar();
    });
}

void ArticleConfigurator::FME_CONFIGARTICOLI_AfterDelete(bool success) {
    automation::reraise("FME_CONFIGARTICOLI_AfterDelete", [&] {
        if (!success)
            return;
        const std::shared_ptr<host::VirtualFrame> current = frame();
        if (!hasCurrentRow(rows()))
            return;
        // The rows from the one after the deleted one move up by one, all of them or none; the frame stays
        // on its row.
        const std::shared_ptr<ado::Recordset> walked = rows()->clone();
        walked->setBookmark(rows()->bookmark());
        current->beginBulkChange();
        try {
            allOrNothing([&] {
                for (; !walked->isEof(); walked->moveNext()) {
                    const qint64 position = walked->absolutePosition();
                    if (automation::clng(number(walked->value(progressiveColumn))) == position)
                        continue;
                    walked->setValue(progressiveColumn, qint16(position));
                    walked->update();
                    walked->updateBatch(ado::Affect::Current);
                }
            });
        } catch (...) {
            walked->cancelBatch(ado::Affect::All);
            current->endBulkChange();
            throw;
        }
        current->endBulkChange();
        // The sub-code gone may have been the last coded one.
        refreshSidebar();
    });
}

void ArticleConfigurator::FME_CONFIGARTICOLI_AfterUndo(bool success) {
    automation::reraise("FME_CONFIGARTICOLI_AfterUndo", [&] {
        if (success)
            --ProssimoProgressivo;
    });
}

}  // namespace brondel
