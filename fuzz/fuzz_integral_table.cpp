// The integral table's file as whatever bytes a disk may hold; with the first
// settings bit the payload is the file as it is, without it text written as
// the file's UTF-16.
#include "DataFile.h"
#include "FuzzSupport.h"
#include "Integral.h"
#include "OrvantaCalcBase.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static OrvantaCalcBase* const s_engine = new OrvantaCalcBase();
    const fuzz::Input input(data, size);
    const std::filesystem::path& folder = fuzz::freshDataFolder();
    const std::string bytes = input.flag(0)
                                  ? std::string(input.payload())
                                  : "\xFF\xFE" + DataFile::encodeUtf16Le(fuzz::toText(input.payload()));
    fuzz::writeFile(folder / "integrals.txt", bytes);
    s_engine->setDataFolder(folder);
    s_engine->loadIntegrals();
    const int rows = s_engine->getIntegralSize();
    for (int i = -1; i <= rows; ++i)
        s_engine->getIntegral(i);
    for (int g = 0; g <= s_engine->getIntegralGroupSize() && g < 64; ++g)
        s_engine->getIntegralGroup(g);
    return 0;
}
