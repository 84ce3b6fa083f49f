// Replays the exercise reader fuzzer's corpus with the ordinary tests.
#include <gtest/gtest.h>

#include "../../fuzz/exercise_reader_check.hpp"
#include "support/corpus.hpp"

namespace tavir {
namespace {
using namespace tavir::testing;

TEST(ExerciseReaderCorpus, EveryInputReadsSafelyOrIsRefused) {
    replayCorpus("exercise_reader", 5u, fuzz::checkExerciseReader);
}

TEST(ExerciseReaderCorpus, SeedsKeepTheirMeaning) {
    const auto full = decodeExercise(fileBytes(corpusFolder("exercise_reader") / "seed_full"));
    ASSERT_TRUE(full);
    EXPECT_TRUE(full->corrected());
    EXPECT_EQ(full->difficulty(), 2);
    EXPECT_EQ(full->title(), "Le méthane");
    const auto tour = decodeExercise(fileBytes(corpusFolder("exercise_reader") / "seed_tour"));
    ASSERT_TRUE(tour);
    EXPECT_FALSE(tour->corrected());
    EXPECT_FALSE(decodeExercise(fileBytes(corpusFolder("exercise_reader") / "seed_cut")));
    EXPECT_FALSE(decodeExercise(fileBytes(corpusFolder("exercise_reader") / "seed_long_record")));
}

}  // namespace
}  // namespace tavir
