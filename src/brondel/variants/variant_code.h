#pragma once

#include <QString>
#include <QVariant>

namespace brondel {

// A variant dimension's code and its rank: ranks 1 to 10 are "A0" to "A9", ranks 11 to 20 "B0" to "B9".
// Codes sort as text in rank order. Users see and type the rank; the tables hold the code.
class VariantCode {
public:
    static constexpr int MaxRank = 20;

    // The rank as text: "A0" gives "1", "B9" gives "20"; Null and the empty text give "0"; any other text
    // gives the empty text.
    static QString CodiceToProgressivo(const QVariant& code);
    // The code of a rank (a number, or text holding one): 1 gives "A0", 20 gives "B9"; any other value
    // gives the empty text.
    static QString ProgressivoToCodice(const QVariant& rank);
};

}  // namespace brondel
