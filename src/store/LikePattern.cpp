#include "LikePattern.h"

#include <algorithm>

#include "TextFold.h"

namespace store {
namespace {

std::u32string decodeFolded(std::string_view utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
    const auto* end = p + utf8.size();
    while (p < end) out.push_back(FoldCase(NextCodePoint(p, end)));
    return out;
}

}  // namespace

LikePattern::LikePattern(std::string_view utf8Pattern) {
    const std::u32string p = decodeFolded(utf8Pattern);
    for (size_t i = 0; i < p.size(); ++i) {
        const char32_t c = p[i];
        Token t;
        t.kind = Kind::Literal;
        if (c == U'*') {
            if (!tokens_.empty() && tokens_.back().kind == Kind::AnyRun) continue;
            t.kind = Kind::AnyRun;
        } else if (c == U'?') {
            t.kind = Kind::AnyOne;
        } else if (c == U'#') {
            t.kind = Kind::Digit;
        } else if (c == U'[' && p.find(U']', i + 1) != std::u32string::npos) {
            const size_t close = p.find(U']', i + 1);
            t.kind = Kind::Set;
            size_t j = i + 1;
            if (j < close && p[j] == U'!') {
                t.negated = true;
                ++j;
            }
            for (; j < close; ++j) {
                if (j + 2 < close && p[j + 1] == U'-') {
                    t.ranges.emplace_back(std::min(p[j], p[j + 2]), std::max(p[j], p[j + 2]));
                    j += 2;
                } else {
                    t.ranges.emplace_back(p[j], p[j]);
                }
            }
            i = close;
        } else {
            t.ch = c;
        }
        tokens_.push_back(std::move(t));
    }
    // The search box's pattern "*text*" is by far the most common: match it with a plain search.
    if (tokens_.size() >= 2 && tokens_.front().kind == Kind::AnyRun && tokens_.back().kind == Kind::AnyRun &&
        std::all_of(tokens_.begin() + 1, tokens_.end() - 1,
                    [](const Token& t) { return t.kind == Kind::Literal; })) {
        plainContains_ = true;
        for (size_t i = 1; i + 1 < tokens_.size(); ++i) literalRun_.push_back(tokens_[i].ch);
        if (std::all_of(literalRun_.begin(), literalRun_.end(), [](char32_t c) { return c < 0x80; }))
            asciiRun_.assign(literalRun_.begin(), literalRun_.end());
    }
}

bool LikePattern::tokenMatches(const Token& t, char32_t c) const {
    switch (t.kind) {
        case Kind::Literal:
            return t.ch == c;
        case Kind::AnyOne:
            return true;
        case Kind::Digit:
            return c >= U'0' && c <= U'9';
        case Kind::Set: {
            bool in = false;
            for (const auto& [lo, hi] : t.ranges)
                if (c >= lo && c <= hi) in = true;
            return in != t.negated;
        }
        case Kind::AnyRun:
            break;
    }
    return false;
}

bool LikePattern::matches(std::string_view utf8Text) const {
    if (plainContains_ && !asciiRun_.empty()) {
        // An ASCII search text can only match ASCII bytes, so the UTF-8 bytes are searched as they
        // are, with ASCII letters folded: no decoding.
        const size_t n = asciiRun_.size();
        if (utf8Text.size() < n) return false;
        for (size_t i = 0; i + n <= utf8Text.size(); ++i) {
            size_t k = 0;
            while (k < n) {
                char c = utf8Text[i + k];
                if (c >= 'A' && c <= 'Z') c = char(c + 32);
                if (c != asciiRun_[k]) break;
                ++k;
            }
            if (k == n) return true;
        }
        return false;
    }
    thread_local std::u32string text;
    text.clear();
    const auto* p = reinterpret_cast<const unsigned char*>(utf8Text.data());
    const auto* end = p + utf8Text.size();
    while (p < end) text.push_back(FoldCase(NextCodePoint(p, end)));

    if (plainContains_) return text.find(literalRun_) != std::u32string::npos;

    // Glob matching with one backtrack point: the last "*" seen.
    size_t ti = 0, pi = 0;
    size_t starP = std::u32string::npos, starT = 0;
    while (ti < text.size()) {
        if (pi < tokens_.size() && tokens_[pi].kind == Kind::AnyRun) {
            starP = pi++;
            starT = ti;
        } else if (pi < tokens_.size() && tokenMatches(tokens_[pi], text[ti])) {
            ++pi;
            ++ti;
        } else if (starP != std::u32string::npos) {
            pi = starP + 1;
            ti = ++starT;
        } else {
            return false;
        }
    }
    while (pi < tokens_.size() && tokens_[pi].kind == Kind::AnyRun) ++pi;
    return pi == tokens_.size();
}

}  // namespace store
