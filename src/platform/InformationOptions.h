#pragma once

#include "platform/Version.h"

#include <cstdio>
#include <cstring>

// --help and --version of a program, before any "--": the text on standard output, nothing
// started. Returns the exit status, or -1 when neither was asked.
inline int AnswerInformationOptions(int argc, char** argv, const char* program, const char* help)
{
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(help, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("%s %s\n", program, Version::kText);
            return 0;
        }
    }
    return -1;
}
