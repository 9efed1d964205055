// The entry point of the test programs. Output is unbuffered, so that a test program that
// ends without a word never reached its tests: a test that crashes has said which one it ran.
#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    std::printf("Running main() of %s\n", argc > 0 ? argv[0] : "the tests");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
