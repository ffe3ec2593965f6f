#pragma once
// Checks of the errors the program raises: the exact class and the message's bytes.
#include <gtest/gtest.h>

#include <string>
#include <typeinfo>

#include "common/Exception.h"
#include "tests/support/TestFiles.h"

// Runs action and expects exactly the exception class E with the message bytes.
template <typename E, typename Action>
void ExpectError(Action&& action, const std::string& message) {
  try {
    action();
    ADD_FAILURE() << "no exception, expected " << typeid(E).name();
  } catch (const Exception& error) {
    EXPECT_EQ(typeid(error), typeid(E)) << typeid(error).name();
    EXPECT_EQ(Hex(error.Message()), Hex(message));
  }
}
