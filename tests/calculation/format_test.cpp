#include <gtest/gtest.h>

#include "calcunit.h"
