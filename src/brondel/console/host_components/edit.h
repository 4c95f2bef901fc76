#pragma once

#include "brondel/console/host_components/data_control.h"
#include "brondel/console/host_components/decode_request.h"
#include "brondel/console/host_components/lookup_request.h"

namespace host {

// An edit field (TXT_*), with optional lookup (a list to pick the value from) and decode (a statement
// that checks the typed value and fills dependent controls).
class Edit : public DataControl {
public:
    virtual int maxLength() const = 0;
    virtual void setMaxLength(int length) = 0;
    // Width of the field in characters.
    virtual int displayLength() const = 0;
    virtual void setDisplayLength(int length) = 0;
    virtual bool isUpperCase() const = 0;
    virtual bool isNumeric() const = 0;
    virtual bool isTabStop() const = 0;
    virtual void setTabStop(bool tabStop) = 0;

    // The key under which the lookup window keeps this field's layout.
    virtual QString lookupKey() const = 0;
    virtual void setLookupKey(const QString& key) = 0;

    // Whether the field has a lookup / a decode (its StartLookup / StartDecode have handlers).
    virtual bool hasLookup() const = 0;
    virtual bool hasDecode() const = 0;
    // Whether the last decode found the typed value (true when the field has no decode).
    virtual bool decodeFound() const = 0;

    // The user asked for the list: the handler fills the request, then the lookup window opens.
    automation::Event<LookupRequest&> StartLookup;
    // A value is being confirmed: the handler fills the request, then the edit runs it.
    automation::Event<DecodeRequest&> StartDecode;
    // Work on the field's value begins (before StartDecode) and ends (after AfterItem).
    automation::Event<> ItemStarted;
    automation::Event<> ItemFinished;
};

}  // namespace host
