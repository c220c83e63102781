#pragma once
// The builder's summary: the source texts it repaired, the characters it changed and the sizes
// of the files it wrote.

#include "dataset/Cp1252.h"
#include "dataset/DataSet.h"
#include "dataset/Repairs.h"

#include <string>
#include <vector>

namespace lumra::dataset {

std::string RepairSummary(std::span<const SourceRepair> repairs = kSourceRepairs);
std::string ChangeSummary(const TextLog& log);
std::string SizeSummary(const std::vector<OutputFile>& files);

} // namespace lumra::dataset
