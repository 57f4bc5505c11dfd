#pragma once

#include <gtest/gtest.h>

#include "doubles/TestForm.h"

namespace ruvo::test {

// A window before start-up, with the worked example as its settings file.
class FormFixture : public ::testing::Test, protected TestForm {};

}  // namespace ruvo::test
