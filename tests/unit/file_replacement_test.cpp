#include "platform/file_replacement.h"

#include <gtest/gtest.h>

#include <deque>
#include <numeric>
#include <string>
#include <vector>

namespace pelaconf {
namespace {

// Answers each try with the next error of its script (then with success), and records every step.
class ScriptedReplacement : public FileReplacement {
public:
    ScriptedReplacement(std::deque<uint32_t> replaceErrors, std::deque<uint32_t> moveErrors = {})
        : replaceErrors_(std::move(replaceErrors)), moveErrors_(std::move(moveErrors)) {}

    uint32_t Replace() override { return Next("replace", replaceErrors_); }
    uint32_t MoveOver() override { return Next("move", moveErrors_); }
    void Pause(int milliseconds) override {
        steps.push_back("pause");
        pauses.push_back(milliseconds);
    }

    std::vector<std::string> steps;
    std::vector<int> pauses;

private:
    uint32_t Next(const char* step, std::deque<uint32_t>& errors) {
        steps.push_back(step);
        if (errors.empty()) {
            return kErrorNone;
        }
        const uint32_t error = errors.front();
        errors.pop_front();
        return error;
    }

    std::deque<uint32_t> replaceErrors_;
    std::deque<uint32_t> moveErrors_;
};

int TotalPause(const std::vector<int>& pauses) { return std::accumulate(pauses.begin(), pauses.end(), 0); }

TEST(FileReplacement, AFileHeldOpenElsewhereIsWaitedOutWithGrowingPauses) {
    for (const uint32_t passing :
         {kErrorSharingViolation, kErrorUnableToRemoveReplaced, kErrorUnableToMoveReplacement, kErrorAccessDenied}) {
        ScriptedReplacement replacement({passing, passing, passing});
        EXPECT_TRUE(ReplaceWithRetries(replacement)) << passing;
        EXPECT_EQ(replacement.steps,
                  (std::vector<std::string>{"replace", "pause", "replace", "pause", "replace", "pause", "replace"}));
        ASSERT_EQ(replacement.pauses.size(), 3u);
        EXPECT_LT(replacement.pauses[0], replacement.pauses[1]);
        EXPECT_LT(replacement.pauses[1], replacement.pauses[2]);
    }
}

TEST(FileReplacement, AHolderThatNeverLetsGoFailsTheSaveAfterAboutASecond) {
    ScriptedReplacement replacement(std::deque<uint32_t>(100, kErrorSharingViolation));
    EXPECT_FALSE(ReplaceWithRetries(replacement));
    EXPECT_EQ(replacement.pauses, std::vector<int>(ReplacementPauses().begin(), ReplacementPauses().end()));
    EXPECT_GE(TotalPause(replacement.pauses), 800);
    EXPECT_LE(TotalPause(replacement.pauses), 1200);
    EXPECT_EQ(replacement.steps.back(), "replace") << "the last pause is followed by a last try";
}

TEST(FileReplacement, OtherFailuresAreNotTriedAgain) {
    constexpr uint32_t kDiskFull = 112;
    ScriptedReplacement replacement({kDiskFull});
    EXPECT_FALSE(ReplaceWithRetries(replacement));
    EXPECT_EQ(replacement.steps, std::vector<std::string>{"replace"});
}

TEST(FileReplacement, AVolumeThatDoesNotReplaceGetsAMoveAtOnceAndNeverAnotherReplace) {
    for (const uint32_t refusal : {kErrorInvalidFunction, kErrorNotSupported, kErrorInvalidParameter}) {
        ScriptedReplacement replacement({refusal});
        EXPECT_TRUE(ReplaceWithRetries(replacement)) << refusal;
        EXPECT_EQ(replacement.steps, (std::vector<std::string>{"replace", "move"}));
    }
    // The move is waited out as the replacement would be, and its own refusals are final.
    ScriptedReplacement held({kErrorNotSupported}, {kErrorSharingViolation, kErrorAccessDenied});
    EXPECT_TRUE(ReplaceWithRetries(held));
    EXPECT_EQ(held.steps, (std::vector<std::string>{"replace", "move", "pause", "move", "pause", "move"}));
    ScriptedReplacement refused({kErrorNotSupported}, {kErrorNotSupported});
    EXPECT_FALSE(ReplaceWithRetries(refused));
    EXPECT_EQ(refused.steps, (std::vector<std::string>{"replace", "move"}));
}

} // namespace
} // namespace pelaconf
