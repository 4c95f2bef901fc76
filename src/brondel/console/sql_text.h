#pragma once

#include <QString>

namespace brondel {

// Statement text, built from the pieces it is defined with. A string literal (const char*, UTF-8) is a
// piece of the statement as it stands; a QString is a value and goes in with its apostrophes doubled
// (automation::sqlEscaped), whether or not the piece before it opens a quote; an SqlText already built
// (a sub-statement, a list) goes in as it is. line() starts a new line (CR LF) unless the text is still
// empty, so a statement defined as lines reads as its lines; crlf and cr are line breaks where the
// definition has them inside or at the end of a line.
//
//     SqlText().line("SELECT MG5F_DESCR_VAR").line("WHERE").line("    MG5F_CODICEVAR = '", code, "'")
class SqlText {
public:
    struct Break {
        const char* text;
    };
    static constexpr Break crlf{"\r\n"};
    static constexpr Break cr{"\r"};

    SqlText() = default;
    template <class... Pieces>
    explicit SqlText(const Pieces&... pieces) {
        (append(pieces), ...);
    }

    // Appends pieces to the current line.
    template <class... Pieces>
    SqlText& add(const Pieces&... pieces) {
        (append(pieces), ...);
        return *this;
    }
    // Starts a new line with pieces.
    template <class... Pieces>
    SqlText& line(const Pieces&... pieces) {
        if (!text_.isEmpty())
            text_ += QLatin1String(crlf.text);
        return add(pieces...);
    }

    // Statement text built elsewhere (a list of quoted values a caller hands over), to go in as it is.
    static SqlText verbatim(const QString& text) {
        SqlText built;
        built.text_ = text;
        return built;
    }

    const QString& text() const { return text_; }
    operator QString() const { return text_; }

private:
    void append(const char* piece);
    void append(const QString& value);
    void append(const SqlText& built) { text_ += built.text_; }
    void append(Break lineBreak) { text_ += QLatin1String(lineBreak.text); }

    QString text_;
};

}  // namespace brondel
