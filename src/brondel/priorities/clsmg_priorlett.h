#pragma once

#include "brondel/host/library_lock.h"

#include "automation/dispatch.h"

#include <QString>
#include <QVariant>
#include <memory>

namespace ado {
class Connection;
class Recordset;
}  // namespace ado

namespace host {
class RecordsetFactory;
}

namespace brondel {

// The priorities service: other programs of the suite, and the console's priorities section, read a
// company's configured variants and rebuild its default reading-priority lists (MG5L_LETVARIANTI) with it.
//
// One object serves one call: create it, set Ditta and connessione, call one function, set connessione to
// nothing, release it. VariantiConfigurate_Descrizioni opens the object's only recordset (a second call
// raises ObjectOpen while it is open); PrioritaPredefinite releases it when done, after which either
// function raises error 91.
//
// Every failure reaches the caller as the data layer's or the run time's error, unchanged.
class CLSMG_PRIORLETT : public automation::Dispatch {
public:
    // The object takes its recordset from recordsets, the host's recordset factory; a program that has
    // none (a caller through the class factory) gets a new recordset with the data layer's settings.
    static std::shared_ptr<CLSMG_PRIORLETT> create(std::shared_ptr<host::RecordsetFactory> recordsets = nullptr);
    ~CLSMG_PRIORLETT() override;
    CLSMG_PRIORLETT(const CLSMG_PRIORLETT&) = delete;
    CLSMG_PRIORLETT& operator=(const CLSMG_PRIORLETT&) = delete;

    std::shared_ptr<ado::Connection> connessione() const { return connection_; }
    void setConnessione(std::shared_ptr<ado::Connection> connection) { connection_ = std::move(connection); }
    // The company code, written unquoted into the statements.
    void setDitta(const QVariant& company) { company_ = company; }

    // One row per variant of the company, field MG5F_DESCR_VAR, in the order the database returns them.
    // The recordset stays the object's.
    std::shared_ptr<ado::Recordset> VariantiConfigurate_Descrizioni();
    // Replaces the lists of element indicators 0 to 3 with the defaults for the configured variants and
    // deletes those of 4 (5 is kept); all or nothing, also inside a transaction of the caller. Returns Empty.
    QVariant PrioritaPredefinite();

    // automation::Dispatch. connessione is set with an ADO connection or Nothing; anything else raises
    // Type mismatch (13).
    const automation::ClassInfo& classInfo() const override;
    QVariant invoke(long dispId, automation::MemberKind kind, QVariantList& args) override;

private:
    explicit CLSMG_PRIORLETT(std::shared_ptr<host::RecordsetFactory> recordsets);

    // The default lists, on the stored connection.
    void insertDefaultLists();

    LibraryLock lock_;
    std::shared_ptr<host::RecordsetFactory> factory_;
    std::shared_ptr<ado::Connection> connection_;
    QVariant company_;
    std::shared_ptr<ado::Recordset> recordset_;
    QString statement_;  // the last statement built
};

}  // namespace brondel
