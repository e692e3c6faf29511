// COM initialisation owned by scope, as the program's threads use it.
#include "win/handles.h"

#include <gtest/gtest.h>

namespace pelaconf {
namespace {

TEST(ComApartment, InitialisesOnceAndLeavesAnOuterApartmentRunning) {
    {
        const ComApartment outer;
        {
            const ComApartment inner;
            EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_FALSE) << "COM already runs";
            CoUninitialize();
        }
        EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_FALSE) << "the inner scope left it running";
        CoUninitialize();
    }
    const HRESULT fresh = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    EXPECT_EQ(fresh, S_OK) << "the outer scope ended COM on this thread";
    if (SUCCEEDED(fresh)) {
        CoUninitialize();
    }
}

} // namespace
} // namespace pelaconf
