#include "brondel/host/clsmg_brondel.h"

#include "brondel/console/frmmg_brondel.h"
#include "brondel/console/object_required.h"
#include "brondel/host/type_library.h"

#include "automation/procedure.h"
#include "automation/variant.h"
#include "brondel/console/host_components/global_object.h"
#include "brondel/console/host_components/navigator.h"

namespace brondel {

namespace {

constexpr long wrongNumberOfArguments = 450;  // VB: Wrong number of arguments or invalid property assignment

// The text a String member takes from a Variant: VB refuses a Null.
QVariant textOf(const QVariant& value) {
    if (automation::isNull(value))
        throw automation::Error::fromNumber(automation::errors::InvalidUseOfNull);
    return automation::cstr(value);
}

void ignoringErrors(const automation::Step& statement) { automation::runIgnoringErrors({statement}); }

}  // namespace

std::shared_ptr<CLSMG_BRONDEL> CLSMG_BRONDEL::create() { return std::shared_ptr<CLSMG_BRONDEL>(new CLSMG_BRONDEL()); }

CLSMG_BRONDEL::CLSMG_BRONDEL() : hooks_(*this) {}

CLSMG_BRONDEL::~CLSMG_BRONDEL() {
    form_.reset();
    statusBar_.reset();
    activeFrame_.reset();
    connection_.reset();
    clsVoceMenu_.reset();
    clsGlobal_.reset();
    setActiveNavigator(nullptr);
    setActiveDll(nullptr);
}

void CLSMG_BRONDEL::setCodiceArticolo(const QVariant& value) {
    ignoringErrors([&] { codiceArticolo_ = textOf(value); });
}

void CLSMG_BRONDEL::setCodiceDitta(const QVariant& value) { codiceDitta_ = value; }

void CLSMG_BRONDEL::setTipoChiamataConsole(const QVariant& value) {
    ignoringErrors([&] { tipoChiamataConsole_ = textOf(value); });
}

void CLSMG_BRONDEL::setCodiceVariante(const QVariant& value) {
    ignoringErrors([&] { codiceVariante_ = automation::cstr(value); });
}

void CLSMG_BRONDEL::setCodiceRaggruppamento(const QVariant& value) {
    ignoringErrors([&] { codiceRaggruppamento_ = automation::cstr(value); });
}

const automation::ClassInfo& CLSMG_BRONDEL::classInfo() const {
    return brondel::classInfo(QStringLiteral("CLSMG_BRONDEL"));
}

QVariant CLSMG_BRONDEL::invoke(long dispId, automation::MemberKind kind, QVariantList& args) {
    struct Property {
        long dispId;
        QVariant (CLSMG_BRONDEL::*get)() const;
        void (CLSMG_BRONDEL::*put)(const QVariant&);
    };
    static const Property properties[] = {
        {dispid::CodiceArticolo, &CLSMG_BRONDEL::codiceArticolo, &CLSMG_BRONDEL::setCodiceArticolo},
        {dispid::CodiceDitta, &CLSMG_BRONDEL::codiceDitta, &CLSMG_BRONDEL::setCodiceDitta},
        {dispid::TipoChiamataConsole, &CLSMG_BRONDEL::tipoChiamataConsole, &CLSMG_BRONDEL::setTipoChiamataConsole},
        {dispid::CodiceVariante, &CLSMG_BRONDEL::codiceVariante, &CLSMG_BRONDEL::setCodiceVariante},
        {dispid::CodiceRaggruppamento, &CLSMG_BRONDEL::codiceRaggruppamento, &CLSMG_BRONDEL::setCodiceRaggruppamento},
    };
    for (const Property& property : properties) {
        if (property.dispId != dispId)
            continue;
        if (kind == automation::MemberKind::PropertyGet)
            return (this->*property.get)();
        if (kind == automation::MemberKind::PropertyPut) {
            if (args.isEmpty())
                throw automation::Error::fromNumber(wrongNumberOfArguments, classInfo().name());
            (this->*property.put)(args.last());
            return QVariant();
        }
    }
    throw automation::Error::fromNumber(automation::errors::MemberNotSupported, classInfo().name());
}

void CLSMG_BRONDEL::setActiveNavigator(std::shared_ptr<host::Navigator> navigator) {
    hooks_.setNavigator(std::move(navigator));
}

std::shared_ptr<host::Cinterface> CLSMG_BRONDEL::activeDll() const {
    if (activeDllIsSelf_)
        return std::const_pointer_cast<CLSMG_BRONDEL>(weak_from_this().lock());
    return activeDll_;
}

void CLSMG_BRONDEL::setActiveDll(std::shared_ptr<host::Cinterface> module) {
    activeDllIsSelf_ = module.get() == static_cast<host::Cinterface*>(this);
    activeDll_ = activeDllIsSelf_ ? nullptr : std::move(module);
}

void CLSMG_BRONDEL::setWindowState(qint32 state) {
    ignoringErrors([&] { windowState_ = automation::cint(state); });
}

void CLSMG_BRONDEL::setProgramMode(qint32 mode) {
    ignoringErrors([&] { programMode_ = automation::cint(mode); });
}

void CLSMG_BRONDEL::setTop(const QVariant& top) {
    ignoringErrors([&] { top_ = automation::clng(top); });
}

void CLSMG_BRONDEL::setLeft(const QVariant& left) {
    ignoringErrors([&] { left_ = automation::clng(left); });
}

QVariant CLSMG_BRONDEL::showForm() {
    automation::runIgnoringErrors({
        [this] { form_ = FRMMG_BRONDEL::create(); },
        [this] { form_->attachHost(activeDll()); },
        [this] {
            // ActiveDll seen through the console's own interface: another module has none.
            const std::shared_ptr<host::Cinterface> module = activeDll();
            const auto console = std::dynamic_pointer_cast<CLSMG_BRONDEL>(module);
            if (module && !console)
                throw automation::Error::fromNumber(automation::errors::TypeMismatch);
            form_->attachConsoleObject(console);
        },
        [this] { form_->setWindowState(windowState_); },
        [this] { form_->setCaption(automation::cstr(caption_)); },
        [this] { form_->show(windowModal_); },
    });
    return QVariant();
}

QVariant CLSMG_BRONDEL::closeForm() {
    bool closed = false;
    automation::runIgnoringErrors({
        [this] { required(required(activeDll())->clsGlobal())->setCurrentModule(activeDll()); },
        [this] { required(required(activeDll())->activeNavigator())->setCurrentModule(activeDll()); },
        [this] { required(form_)->unload(); },
        automation::ifElse([this] { return required(form_)->attachedHost() == nullptr; },
                           {[&closed] { closed = true; }}),
    });
    return closed;
}

QVariant CLSMG_BRONDEL::transferData(const QVariant& data) {
    ignoringErrors([&] {
        QVariant argument = data;
        DataTransfer.raise(argument);
    });
    return QVariant();
}

}  // namespace brondel
