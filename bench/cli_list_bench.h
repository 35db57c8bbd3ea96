#pragma once

namespace bench {

// "CliList/1000Families": the built lotwarden-cli listing a neighbourhood of
// 1,000 families as JSON, start to end of its process, beside
// "ReadDays/1000GameHouses": bare days reads of the same 1,000 house files.
// Both count the same house files, so their speeds compare directly.
void RegisterCliListBenchmarks();

}  // namespace bench
