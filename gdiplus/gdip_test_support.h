#pragma once
// Shared by the GDI+ layer's tests: GDI+ is started once per test program (a gtest environment), and
// the off-screen canvas of runtime/forms/test_canvas.h.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/forms/test_canvas.h"

// A GIF89a of equal-sized frames, each one solid colour (0xRRGGBB) with its delay in hundredths of a
// second, written here so the tests need no picture files.
std::string MakeAnimatedGif(int width, int height, const std::vector<uint32_t>& frameColours,
                            const std::vector<int>& delays);
