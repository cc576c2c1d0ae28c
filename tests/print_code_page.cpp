// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the code page the window's start-up would see.
#include <cstdio>

#include "code_page.h"

int main() {
    std::printf("%d\n", delvarin::SystemCodePage());
    return 0;
}
