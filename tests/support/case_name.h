#pragma once
// Names each case of a parameterized suite after the case's own `name` member, so a failure reads
// as the case that failed rather than as its index.
#include <gtest/gtest.h>

#include <string>

struct CaseName {
    template <class Case>
    std::string operator()(const testing::TestParamInfo<Case> &info) const {
        return info.param.name;
    }
};
