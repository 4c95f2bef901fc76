#include "suite/framework/edit_model.h"

#include "suite/framework/function_library_model.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "automation/variant.h"
#include "brondel/console/host_components/data_format.h"
#include "brondel/console/host_components/lookup_window.h"
#include "brondel/console/host_components/types.h"

namespace suite {

EditModel::EditModel(const host::ControlDesign& design, LookupWindowCreator lookupWindows,
                     ConnectionProvider connections)
    : DataControlBase<host::Edit>(design), lookupWindows_(std::move(lookupWindows)),
      connections_(std::move(connections)), maxLength_(design.maxLength), displayLength_(design.maxLength),
      upperCase_(design.upperCase), numeric_(design.numeric), negative_(design.negative) {}

void EditModel::setText(const QString& text) {
    if (text == this->text())
        return;
    DataControlBase<host::Edit>::setText(text);
    Change.raise();
}

QVariant EditModel::value() const {
    const QString shown = text();
    if (const auto format = dataFormat())
        return format->unformat(shown.isEmpty() ? automation::null() : QVariant(shown));
    if (shown.isEmpty())
        return automation::null();
    if (numeric_) {
        if (const auto number = FunctionLibraryModel::numberFromText(shown))
            return *number;
    }
    return shown;
}

void EditModel::setValue(const QVariant& value) {
    if (const auto format = dataFormat())
        setText(automation::cstr(format->format(value)));
    else
        setText(automation::cstr(value));
}

void EditModel::setMaxLength(int length) {
    maxLength_ = length;
    notifyChanged();
}

void EditModel::setDisplayLength(int length) {
    displayLength_ = length;
    notifyChanged();
}

QString EditModel::filtered(const QString& typed) const {
    QString result;
    for (const QChar c : typed) {
        const bool sign = c == QLatin1Char('-') && negative_ && result.isEmpty();
        if (numeric_ && !c.isDigit() && !sign && c != QLatin1Char('.') && c != QLatin1Char(','))
            continue;
        result += c;
    }
    if (upperCase_)
        result = result.toUpper();
    if (maxLength_ > 0 && result.size() > maxLength_) {
        // A character outside the basic plane takes two units: it is kept whole or not at all.
        qsizetype cut = maxLength_;
        if (result.at(cut - 1).isHighSurrogate())
            --cut;
        result.truncate(cut);
    }
    return result;
}

bool EditModel::typeText(const QString& text) {
    if (!canTakeFocus())
        return false;
    takeFocus();
    setText(filtered(text));
    modified_ = true;
    UserEdited.raise();
    return true;
}

bool EditModel::leave() {
    if (!modified_)
        return true;
    return confirm();
}

bool EditModel::pressEnter() {
    if (!canTakeFocus())
        return false;
    if (pressKey(host::key::Return) == 0)
        return true;
    return confirm();
}

int EditModel::pressKey(int keyCode, int shift) { return pressKeyOn(KeyDown, keyCode, shift); }

bool EditModel::openLookup() {
    if (!canTakeFocus() || !hasLookup() || !lookupWindows_)
        return false;
    takeFocus();
    host::LookupRequest request;
    StartLookup.raise(request);
    const std::shared_ptr<host::LookupWindow> window = lookupWindows_();
    window->setConnectionString(request.connectionString);
    window->setIdentifier(lookupKey_.isEmpty() ? request.layoutKey : lookupKey_);
    window->setTitle(request.title);
    window->setStatement(request.statement);
    window->setKeyField(request.fields.value(0));
    window->setColumnHeaders(request.headers);
    window->setMultipleSelection(false);
    QVariant picked;
    bool hasPick = false;
    window->OnSelection.connect([&](const QString&, std::shared_ptr<ado::Recordset> row) {
        if (!row || row->isBof() || row->isEof())
            return;
        picked = request.fields.isEmpty() ? row->value(0) : row->value(request.fields.first());
        hasPick = true;
    });
    window->show();
    window->OnSelection.disconnectAll();
    if (!hasPick)
        return false;
    setText(filtered(automation::cstr(picked)));
    modified_ = true;
    UserEdited.raise();
    return confirm();
}

bool EditModel::confirm() {
    struct Finish {
        EditModel& edit;
        ~Finish() { edit.ItemFinished.raise(); }
    };
    ItemStarted.raise();
    Finish finish{*this};
    if (hasDecode())
        decode();
    bool cancel = false;
    Validate.raise(cancel);
    if (cancel)
        return false;
    AfterItem.raise(cancel);
    if (cancel)
        return false;
    modified_ = false;
    return true;
}

void EditModel::decode() {
    host::DecodeRequest request;
    StartDecode.raise(request);
    runDecode(request);
}

void EditModel::runDecode(const host::DecodeRequest& request) {
    const auto clearTargets = [&] {
        for (const host::DecodeField& field : request.fields) {
            if (field.target)
                field.target->setText(QString());
        }
    };
    if (request.statement.isEmpty()) {
        decodeFound_ = true;
        return;
    }
    if (text().isEmpty() || !connections_) {
        decodeFound_ = false;
        clearTargets();
        return;
    }
    const std::shared_ptr<ado::Recordset> rows =
        connections_(request.connectionString)->execute(request.statement, nullptr, ado::TextKind::Statement);
    decodeFound_ = rows->isOpen() && !rows->isEof();
    if (!decodeFound_) {
        clearTargets();
        return;
    }
    for (const host::DecodeField& field : request.fields) {
        if (field.target && rows->fields().indexOf(field.column) >= 0)
            field.target->setText(automation::cstr(rows->value(field.column)));
    }
}

}  // namespace suite
