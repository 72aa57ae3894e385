// The command line of zorveka-demo-db:
//   zorveka-demo-db FILE [--positions N] [--day DD.MM.YYYY] [--user U --password P] [--force]
#pragma once

#include "platform/settings/DateTime.h"

#include <string>

struct TDemoArguments {
    std::string file;
    int positions = 2000;
    TDateTime day = 0;
    std::string user = "demo";
    std::string password = "demo";
    bool force = false;
    std::string unlock; //!< --unlock USER: unlock that user of an existing file instead of creating one
};

inline constexpr int kMaxDemoPositions = 200000;

// Raises Exception with the reason for a wrong command line; day defaults to `today`.
TDemoArguments ParseDemoArguments(int argc, const char* const* argv, TDateTime today);
const char* DemoUsage();
