#include "app/page_creation.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>
#include <vector>

namespace pelaconf {
namespace {

TEST(PageCreation, TheShownPageFirstThenTheMissingOnesInOrderEachOnce) {
    std::vector<int> made;
    PageCreation creation(5, [&made](int index) { made.push_back(index); });
    creation.Make(2);
    creation.Make(2);
    creation.Make(5);
    creation.Make(-1);
    EXPECT_TRUE(creation.IsMade(2));
    EXPECT_FALSE(creation.IsMade(0));
    EXPECT_TRUE(creation.MakeNext());
    creation.MakeAll();
    EXPECT_TRUE(creation.AllMade());
    EXPECT_FALSE(creation.MakeNext());
    EXPECT_EQ(made, (std::vector<int>{2, 0, 1, 3, 4}));
}

TEST(PageCreation, APageBeingMadeIsNotMadeAgainAndOneThatFailedIsMissingAgain) {
    std::vector<int> made;
    PageCreation* creation = nullptr;
    PageCreation reentered(3, [&](int index) {
        made.push_back(index);
        if (index == 0) {
            creation->MakeAll(); // a page whose making needs the others
        }
    });
    creation = &reentered;
    reentered.Make(0);
    EXPECT_EQ(made, (std::vector<int>{0, 1, 2}));

    made.clear();
    bool fail = true;
    PageCreation failing(3, [&](int index) {
        made.push_back(index);
        if (index == 1 && std::exchange(fail, false)) {
            throw std::runtime_error("no window");
        }
    });
    EXPECT_THROW(failing.MakeAll(), std::runtime_error);
    EXPECT_TRUE(failing.IsMade(0));
    EXPECT_FALSE(failing.IsMade(1));
    failing.MakeAll();
    EXPECT_TRUE(failing.AllMade());
    EXPECT_EQ(made, (std::vector<int>{0, 1, 1, 2}));
}

} // namespace
} // namespace pelaconf
