#pragma once
// The catalogue's LIKE patterns: "*" any run of characters, "?" any one character, "#" one digit,
// "[abc]", "[a-z]" and "[!abc]" one character of (or not of) a set. Letters match without regard to
// case, accented letters included. A "[" without its "]" stands for itself.

#include <string>
#include <string_view>
#include <vector>

namespace store {

class LikePattern {
public:
    explicit LikePattern(std::string_view utf8Pattern);
    bool matches(std::string_view utf8Text) const;

private:
    enum class Kind { Literal, AnyRun, AnyOne, Digit, Set };
    struct Token {
        Kind kind;
        char32_t ch = 0;                                    // Literal, folded
        std::vector<std::pair<char32_t, char32_t>> ranges;  // Set, folded
        bool negated = false;
    };
    bool tokenMatches(const Token& t, char32_t c) const;

    std::vector<Token> tokens_;
    std::u32string literalRun_;
    std::string asciiRun_;  // literalRun_ when it is plain ASCII  // the whole pattern is "*" + literals +
                            // "*": a plain search
    bool plainContains_ = false;
};

}  // namespace store
