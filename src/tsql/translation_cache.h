#pragma once

#include "tsql/lexer.h"
#include "tsql/program.h"

#include <list>
#include <string>
#include <string_view>
#include <unordered_map>

namespace tsql {

// Translated programs by statement shape (the text with its literals lifted out, Lexer::shape), least
// recently used dropped past a bound. A text of a known shape is neither translated nor prepared again; a
// program that wrote some literals inline serves only texts with the same values there.
class TranslationCache {
public:
    explicit TranslationCache(std::size_t capacity = 512);

    // The program for the text the lexer holds, or nullptr.
    ProgramPtr find(const Lexer& lexer);
    void insert(const Lexer& lexer, ProgramPtr program);
    void clear();
    std::size_t size() const { return map_.size(); }

private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>()(s); }
    };
    struct Entry {
        std::vector<ProgramPtr> variants;  // same shape, other inline literals
        std::list<std::string>::iterator position;
    };

    std::size_t capacity_;
    std::list<std::string> order_;  // most recently used first
    std::unordered_map<std::string, Entry, Hash, std::equal_to<>> map_;
};

}  // namespace tsql
