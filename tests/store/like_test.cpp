// The catalogue's LIKE patterns, statement text and dates.

#include <gtest/gtest.h>

#include "store/LikePattern.h"
#include "store/SqlText.h"
#include "store/TextFold.h"

namespace {

TEST(LikePattern, CasesOfTheCatalogueWildcards) {
    struct Case {
        const char* pattern;
        const char* text;
        bool match;
    } cases[] = {
        {"*abc*", "xAbCx", true},
        {"*abc*", "ab c", false},
        {"*àè*", "CITTÀÈ", true},  // accented letters match without case
        {"*a*", "à", false},       // but accents count
        {"abc", "ABC", true},
        {"abc", "abcd", false},
        {"a?c", "abc", true},
        {"a?c", "ac", false},
        {"#1", "21", true},
        {"#1", "x1", false},
        {"[a-c]x", "Bx", true},
        {"[!a-c]x", "bx", false},
        {"[*]", "*", true},
        {"a[b", "a[b", true},  // an unclosed bracket stands for itself
        {"*", "", true},
        {"**", "anything", true},
        {"*x*y", "axbxcy", true},
        {"*x*y", "axbxcyz", false},
        {"*Beatles*", "The Beatles", true},
        {"", "", true},
        {"", "a", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(store::LikePattern(c.pattern).matches(c.text), c.match) << c.pattern << " / " << c.text;
}

TEST(TextOrder, CaseDoesNotCountAccentsSortBesideTheirLetter) {
    auto cmp = [](const char* a, const char* b) {
        return store::CompareText(a, int(strlen(a)), b, int(strlen(b)));
    };
    EXPECT_EQ(cmp("Rock", "rock"), 0);
    EXPECT_LT(cmp("Èco", "Zorro"), 0);
    EXPECT_GT(cmp("Èco", "Eco"), 0);
    EXPECT_LT(cmp("Eco", "Ecz"), 0);
    EXPECT_LT(cmp("ab", "abc"), 0);
}

TEST(SqlDate, WritesMonthDayYearAndDropsTheTime) {
    EXPECT_EQ(store::SqlDate(QDate(2004, 4, 3)), "#04/03/2004#");
    EXPECT_EQ(store::SqlDate(QDate(2004, 12, 1)), "#12/01/2004#");
    EXPECT_EQ(store::SqlDate(QDateTime(QDate(2004, 3, 9), QTime(18, 30))), "#03/09/2004#");
}

TEST(TranslateStatement, DateLiteralsOutsideQuotesOnly) {
    EXPECT_EQ(store::TranslateStatement("UPDATE [t] SET [d] = #04/03/2004# WHERE [ID] = 1"),
              "UPDATE [t] SET [d] = '2004-04-03' WHERE [ID] = 1");
    EXPECT_EQ(store::TranslateStatement("SELECT * FROM [t] WHERE [s] LIKE '*#04/03/2004#*'"),
              "SELECT * FROM [t] WHERE [s] LIKE '*#04/03/2004#*'");
    EXPECT_EQ(store::TranslateStatement("WHERE [d] < #3/9/2004 18:30#"), "WHERE [d] < '2004-03-09 18:30:00'");
    EXPECT_EQ(store::TranslateStatement("WHERE [d] = #13/45/2004#"), "WHERE [d] = #13/45/2004#");
}

}  // namespace
