// The oscillogram as a CSV file for a lab report: comment lines naming the
// inputs of the run, a header, and the 335 samples oldest first, each the
// position along the length turned (mm) and F1, F2, F3 (N) as the force
// model computed them, whatever names the chart's legend gives the traces.
#pragma once

#include "sim/SimulationState.h"

#include <string>

namespace otpor {

std::string OscillogramCsv(const SimulationState& s);

} // namespace otpor
