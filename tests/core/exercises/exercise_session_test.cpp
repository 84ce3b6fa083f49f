// The exercise area's state as both front ends share it.
#include <gtest/gtest.h>

#include "core/exercises/exercise_session.hpp"
#include "core/session/workspace.hpp"

namespace tavir {
namespace {

const std::vector<DroppedContent> kAPicture{DroppedContent::Pictures};

TEST(ExerciseSession, TypingCountsOnlyOnceAFileIsShownAndClosingAsksThen) {
    Workspace ws;
    ExerciseSession& s = ws.exercises();
    s.textEdited();
    EXPECT_FALSE(s.textModified()) << "the introduction is not the pupil's work";
    EXPECT_EQ(ws.closingQuestions().size(), 1u);
    s.showExercise("/ex/03.E06", "/ex/", true, "/ex/enonce.rtf", {});
    EXPECT_TRUE(s.correctionAvailable());
    EXPECT_TRUE(s.canClose());
    s.textEdited();
    ASSERT_TRUE(s.discardQuestion().has_value());
    EXPECT_EQ(ws.closingQuestions().size(), 2u);
    s.showCorrection({}, {});
    EXPECT_FALSE(s.textModified());
    EXPECT_EQ(s.source(), "/ex/enonce.rtf") << "no correction text: the statement stays";
    s.closeText();
    EXPECT_EQ(s.exerciseFile(), "");
    EXPECT_FALSE(s.correctionAvailable());
    EXPECT_FALSE(s.editable());
}

// A pupil's saved answers opened over a corrected exercise: its correction is still offered,
// and showing it brings the exercise back; over an uncorrected one, or none, nothing is.
TEST(ExerciseSession, ACorrectionStaysOfferedOverThePupilsText) {
    for (const bool corrected : {true, false}) {
        ExerciseSession s;
        s.showExercise("/ex/03.E06", "/ex/", corrected, "/ex/enonce.rtf", {});
        s.showPupilText("/home/eleve/reponses.rtf", {});
        EXPECT_EQ(s.correctionAvailable(), corrected);
        EXPECT_EQ(s.correctedExercise(), corrected ? "/ex/03.E06" : "");
        if (!corrected) continue;
        s.showCorrection("/ex/corrige.rtf", {});
        EXPECT_EQ(s.shown(), ExerciseSession::Shown::Exercise);
        EXPECT_EQ(s.exerciseFile(), "/ex/03.E06");
        s.closeText();
        s.showPupilText("/home/eleve/reponses.rtf", {});
        EXPECT_FALSE(s.correctionAvailable());
    }
}

TEST(ExerciseSession, WhatTheAreaCouldNotShowIsAskedAboutUntilSavedOverItsOwnFile) {
    ExerciseSession s;
    s.showPupilText("/home/eleve/tp.rtf", kAPicture);
    EXPECT_EQ(s.exerciseFile(), "Texte\u00a0: /home/eleve/tp.rtf");
    EXPECT_FALSE(s.droppedContentQuestion().empty());
    s.saved(false);
    EXPECT_FALSE(s.droppedContentQuestion().empty()) << "the original file still holds the picture";
    s.saved(true);
    EXPECT_TRUE(s.droppedContentQuestion().empty());
}

}  // namespace
}  // namespace tavir
