#pragma once
// The program's one random generator. Safe to call from several threads.

// Seeds the generator; the same seed gives the same draws.
void SeedRandom(unsigned long long seed);
// Seeds from the clock (done once at start-up).
void SeedRandomFromClock();
// A number in [min, max]: a negative bound counts as 0 and a reversed range is swapped.
int RandomInRange(int min, int max);
