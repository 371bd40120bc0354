// coilrun-soak: the long soak. Plays autopilot games until the beats are
// done and prints what happened; exits with 1 when a promise was broken.
//   coilrun-soak [BEATS [BEATS_PER_GAME [SEED]]]
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string>

#include "tests/soak/soak.h"

int main(int argc, char** argv) {
  const long beats = argc > 1 ? std::atol(argv[1]) : 100000;
  const long beatsPerGame = argc > 2 ? std::atol(argv[2]) : 700;
  const auto seed = static_cast<std::uint32_t>(argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 1);
  coilrun::testing::Soak soak(seed, COILRUN_SAMPLES_DIR);
  const auto start = std::chrono::steady_clock::now();
  soak.Run(beats, beatsPerGame);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::cout << soak.Summary() << static_cast<long>(soak.figures().beats / seconds) << " beats per second (" << seconds
            << " s)\n";
  for (const std::string& breach : soak.breaches()) std::cout << "BROKEN: " << breach << '\n';
  return soak.breaches().empty() ? 0 : 1;
}
