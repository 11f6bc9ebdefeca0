// The name scorer and the name report over the real reference database: any family name and
// given name (GBK bytes) give a score from 0 to 100 and a page.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzInput.h"
#include "db/ReferenceLoader.h"
#include "numerology/NameScore.h"
#include "reports/NameReport.h"

using namespace lumo;

namespace {

class Fail : public MessageSink {
  public:
    void Show(const UserMessage& m) override {
        std::fprintf(stderr, "loading the reference data failed: %s\n", m.text.c_str());
        std::abort();
    }
};

// The database named by LUMO_FUZZ_DB (scripts/fuzz sets it), loaded once.
SqliteDatabase& Db() {
    static SqliteDatabase db;
    static bool loaded = [] {
        const char* path = std::getenv("LUMO_FUZZ_DB");
        if (!path) {
            std::fprintf(stderr, "set LUMO_FUZZ_DB to the reference database namedata.db\n");
            std::abort();
        }
        Fail fail;
        return LoadReferenceData(db, ReferencePaths{"", path}, fail);
    }();
    (void)loaded;
    return db;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> p = fuzz::Pieces(data, size);
    const std::string family = fuzz::Piece(p, 0).substr(0, 16);
    const std::string given = fuzz::Piece(p, 1).substr(0, 16);
    NameEvaluation e = EvaluateName(Db(), family, given);
    LUMO_FUZZ_CHECK(e.score >= 0 && e.score <= 100);
    LUMO_FUZZ_CHECK(!NameReportPage(e).empty());
    return 0;
}
