#pragma once

#include <QString>
#include <vector>

namespace radiane::bench {

// Copies the shipped data of the built program folder (lists, pictures, code
// database, skins) into folder, so that a run may create its settings files
// without touching the build folder. Returns false when the data is missing.
bool copyProgramData(const QString& programDir, const QString& folder);

// Median and the given quantile (0..1) of samples; 0 for none.
double quantile(std::vector<double> samples, double q);
inline double median(std::vector<double> samples) {
    return quantile(std::move(samples), 0.5);
}

} // namespace radiane::bench
