#include "tsql/translation_cache.h"

namespace tsql {

namespace {

constexpr std::size_t maxVariants = 8;

bool pinsMatch(const Program& program, const Lexer& lexer) {
    for (std::size_t i = 0; i < program.pinnedLiterals.size(); ++i) {
        if (lexer.literalValue(program.pinnedLiterals[i]) != program.pinnedValues[i])
            return false;
    }
    return true;
}

}  // namespace

TranslationCache::TranslationCache(std::size_t capacity) : capacity_(capacity) {}

ProgramPtr TranslationCache::find(const Lexer& lexer) {
    const auto it = map_.find(std::string_view(lexer.shape()));
    if (it == map_.end())
        return nullptr;
    for (const ProgramPtr& program : it->second.variants) {
        if (!pinsMatch(*program, lexer))
            continue;
        order_.splice(order_.begin(), order_, it->second.position);
        return program;
    }
    return nullptr;
}

void TranslationCache::insert(const Lexer& lexer, ProgramPtr program) {
    auto it = map_.find(std::string_view(lexer.shape()));
    if (it != map_.end()) {
        auto& variants = it->second.variants;
        if (variants.size() >= maxVariants)
            variants.erase(variants.begin());
        variants.push_back(std::move(program));
        order_.splice(order_.begin(), order_, it->second.position);
        return;
    }
    if (map_.size() >= capacity_) {
        map_.erase(order_.back());
        order_.pop_back();
    }
    order_.push_front(lexer.shape());
    map_.emplace(lexer.shape(), Entry{{std::move(program)}, order_.begin()});
}

void TranslationCache::clear() {
    map_.clear();
    order_.clear();
}

}  // namespace tsql
