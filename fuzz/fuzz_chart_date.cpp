// The birth chart's date input: four typed texts (year, month, day, hour), any bytes.
#include <cstdint>

#include "FuzzInput.h"
#include "birthchart/BirthChart.h"

using namespace lumo;

namespace {
class Discard : public MessageSink {
  public:
    void Show(const UserMessage&) override { ++shown; }
    int shown = 0;
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> p = fuzz::Pieces(data, size);
    BirthDateTexts texts{fuzz::Piece(p, 0), fuzz::Piece(p, 1), fuzz::Piece(p, 2),
                         fuzz::Piece(p, 3)};
    BirthChart chart;
    Discard messages;
    const bool ok = QueryBirthChart(texts, chart, messages);
    // A refused date says why; an accepted one gives a report.
    LUMO_FUZZ_CHECK(ok || messages.shown > 0);
    LUMO_FUZZ_CHECK(!ok || !chart.report.empty());
    return 0;
}
