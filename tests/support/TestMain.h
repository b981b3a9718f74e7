#pragma once

// Shared start of every test program: gtest first, so that listing tests needs
// no Qt application; the offscreen platform unless the caller chose another.
namespace testsupport {
bool onlyListingTests(int argc, char** argv);
void defaultToOffscreen();

}  // namespace testsupport
