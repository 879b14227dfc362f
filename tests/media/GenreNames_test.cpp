// The ID3 genre name table.

#include <gtest/gtest.h>

#include "media/GenreNames.h"

namespace {

TEST(GenreNames, HasTheNamesInTheirNumbers) {
    const QStringList& names = media::genreNames();
    ASSERT_EQ(names.size(), media::kLastGenre + 1);
    EXPECT_EQ(names.at(0), "Blues");
    EXPECT_EQ(names.at(17), "Rock");
    EXPECT_EQ(names.at(79), "Hard Rock");
    EXPECT_EQ(names.at(80), "Folk");
    EXPECT_EQ(names.at(125), "Dance Hall");
    EXPECT_EQ(names.at(147), "Synth Pop");
    EXPECT_EQ(names.at(148), " ");
    for (const QString& name : names) EXPECT_FALSE(name.isEmpty());
}

TEST(GenreNames, UnknownNumbersReadAsTheLastName) {
    EXPECT_EQ(media::genreName(0), "Blues");
    EXPECT_EQ(media::genreName(148), " ");
    EXPECT_EQ(media::genreName(149), " ");
    EXPECT_EQ(media::genreName(255), " ");
    EXPECT_EQ(media::genreName(-1), " ");
}

}  // namespace
