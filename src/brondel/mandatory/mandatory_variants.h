#pragma once

#include "brondel/console/console_section.h"
#include "brondel/mandatory/mandatory_statements.h"

#include <QString>
#include <functional>
#include <memory>

namespace ado {
class Recordset;
}

namespace host {
class Grid;
}

namespace brondel {

// What the two mandatory-variants sections share. A variant is mandatory for a document or a program
// unless MG5J_DOCPRGVAR holds a row for the pair (an exception); the sections show the exceptions as one
// check column per variant of a working table built on the console connection.
class MandatoryVariants : public ConsoleSection {
public:
    using ConsoleSection::ConsoleSection;

    // Writes one (variant, object) pair: value 1 deletes its exception row, any other value writes the row
    // with MG5J_FLGOBBLIG = value (added when missing). Re-raises under its name.
    void SalvataggioDB_MG5J(const QString& code, const QString& object, qint16 value) const;

protected:
    // Drops, creates and fills the working table, and opens a recordset of the host's factory over it
    // (the first field the object, then one field per variant in code order). Errors go to the caller.
    std::shared_ptr<ado::Recordset> loadWorkingTable(MandatoryStatements::Pivot pivot) const;

    // The columns of a grid over a working table: the object's column (field, caption), then one check
    // column per variant field, captioned by the variant's rank and description, centred; the object's
    // column takes the width the variants leave (never less than a short description). selectAll gives a
    // variant column's select-all box (by field name and its index among the variant columns); none leaves
    // every box clear.
    using SelectAllState = std::function<bool(const QString& field, int index)>;
    void defineVariantColumns(host::Grid& grid, const ado::Recordset& rows, const QString& objectField,
                              const QString& objectCaption, const SelectAllState& selectAll) const;
};

}  // namespace brondel
