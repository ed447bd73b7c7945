// For the tests of the core, which needs no Qt (nor any locale: its text layer writes "." until
// a program plugs in the user's decimal separator).
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
