#include "cli/standard_output.h"

#include <cstdio>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace cli {

bool HoldStandardDescriptors() {
#ifdef _WIN32
    return true;
#else
    bool outputOpen = true;
    for (int descriptor = 0; descriptor <= 2; ++descriptor) {
        if (fcntl(descriptor, F_GETFD) != -1) {
            continue;
        }
        outputOpen = outputOpen && descriptor != 1;
        // The lowest free descriptor is this one, as those below are open.
        open("/dev/null", descriptor == 0 ? O_RDONLY : O_WRONLY);
    }
    return outputOpen;
#endif
}

bool PrintAll(const std::string& text) {
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    return std::fflush(stdout) == 0 && written && !std::ferror(stdout);
}

}  // namespace cli
