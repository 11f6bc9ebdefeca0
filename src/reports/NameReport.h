#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "birthchart/ChartAnalysis.h"
#include "db/SqliteDatabase.h"
#include "numerology/NameScore.h"

namespace lumo {

// The verdict sentence of the report, by the untruncated weighted sum: 90 and above, 80, 70, 60,
// below 60.
std::string VerdictFor(float rawScore);

// The warnings of a judged name as red lines of the report, each ending in a line break.
std::string WarningsHtml(const std::vector<std::string>& warnings);

// The NameReport page of a judged name (GBK): the template with all 64 placeholders replaced in
// the fixed order. With a birth chart, how the name's elements meet it stands above the verdict.
std::string NameReportPage(const NameEvaluation& evaluation, const ChartAnalysis* chart = nullptr,
                           std::size_t familyLength = 0);

// The birth chart the reports measure names against: the process-wide chart once the user has
// entered a birth time (the chart page sets it), none before. Safe from any thread.
void SetReportBirthChart(const ChartAnalysis* chart);
bool ReportBirthChart(ChartAnalysis& out);

// Evaluates the name on the report path, writes its page to `file` (temp.html of the data
// folder) and answers the evaluation. A page that cannot be written is not reported.
NameEvaluation BuildNameReport(SqliteDatabase& db, const std::string& family,
                               const std::string& given, const std::filesystem::path& file);

}  // namespace lumo
