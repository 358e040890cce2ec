// The unit converter's files as whatever bytes a disk may hold, then a
// conversion with the units read and a store of the lists.
//
// Fields: metrics.dat, base.dat, the value, the unit to convert from and the
// unit to convert to. Settings, two bytes: with bit 0 the file fields are the
// files' bytes as they are, without it text written as the files' UTF-16 so
// that the records themselves are what changes; German in bit 1; with bit 2
// the units are the ones the files hold, "from" picked by bits 3-5 and "to"
// by bits 8-10.
#include "DataFile.h"
#include "EngineAdapter.h"
#include "FuzzSupport.h"
#include "OrvantaCalcBase.h"

namespace {
std::string fileBytes(const fuzz::Input& input, std::size_t field) {
    if (input.flag(0)) return std::string(input.field(field));
    return DataFile::encodeUtf16Le(fuzz::toText(input.field(field)));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static OrvantaCalcBase* const s_engine = new OrvantaCalcBase();
    const fuzz::Input input(data, size, 2);
    const std::filesystem::path& folder = fuzz::freshDataFolder();
    fuzz::writeFile(folder / "metrics.dat", fileBytes(input, 0));
    fuzz::writeFile(folder / "base.dat", fileBytes(input, 1));
    OrvantaCalcBase::setLanguage(input.flag(1) ? 1 : 0);
    s_engine->setDataFolder(folder);
    s_engine->initConverter();

    std::wstring value = fuzz::toText(input.field(2));
    std::wstring from = fuzz::toText(input.field(3));
    std::wstring to = fuzz::toText(input.field(4));
    const int units = s_engine->getMetricSize();
    if (input.flag(2) && units > 0) {
        // Convert between two units the files hold, picked by the settings.
        from = s_engine->getMetric(static_cast<int>(input.pick(3, 8)) % units).name;
        to = s_engine->getMetric(static_cast<int>(input.pick(8, 8)) % units).name;
    }
    EngineAdapter adapter(*s_engine);
    std::wstring result;
    adapter.calculateConverter(value, from, to, result);
    for (int i = 0; i < s_engine->getGroupSize(); ++i)
        s_engine->getGroupBase(i);
    s_engine->storeMetrics();
    s_engine->loadMetrics();
    return 0;
}
