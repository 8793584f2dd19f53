#include "fill/LexiconCache.h"

#include "support/WordListFolder.h"

#include <gtest/gtest.h>

TEST(LexiconCache, ReadsAgainOnlyWhenAListFileChanges) {
    TempProgramFolder program;
    TempProgramFolder user;
    writeWords(program, 3, {"CAT", "DOG"});
    fill::LexiconCache cache;
    const QStringList folders{program.path(), user.path()};

    const auto first = cache.load(folders);
    EXPECT_EQ(first->wordCount(3), 2);
    EXPECT_EQ(cache.load(folders), first);
    EXPECT_EQ(cache.reads(), 1);

    // A list of the user's that appears, then one that changes: read again, while the
    // lexicon handed out before stays whole for whoever holds it.
    writeWords(user, 4, {"BIRD"});
    const auto second = cache.load(folders);
    EXPECT_EQ(cache.reads(), 2);
    EXPECT_EQ(second->wordCount(4), 1);
    EXPECT_EQ(first->wordCount(4), 0);
    writeWords(program, 3, {"CAT", "DOG", "EMU"});
    EXPECT_EQ(cache.load(folders)->wordCount(3), 3);
    EXPECT_EQ(cache.reads(), 3);

    // Other folders are other words.
    EXPECT_EQ(cache.load({program.path()})->wordCount(4), 0);
    EXPECT_EQ(cache.reads(), 4);
}
