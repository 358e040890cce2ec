#include <gtest/gtest.h>

#include "PlotExportOptions.h"

namespace {
struct SizeCase {
    const char* text;
    QSize size; // empty: refused
};

class ExportSizeTest : public ::testing::TestWithParam<SizeCase> {};

// Pictures may be smaller or larger than any emulated screen, up to the
// sides the usage message names.
TEST_P(ExportSizeTest, ClientAreaWithinTheNamedSides) {
    const QStringList args{
        QStringLiteral("orvanta"), QStringLiteral("--export-plot"),      QStringLiteral("p.png"),
        QStringLiteral("--size"),  QString::fromLatin1(GetParam().text), QStringLiteral("f(x)=x")};
    if (GetParam().size.isEmpty()) {
        EXPECT_THROW(PlotExport::parseOptions(args), PlotExport::Usage);
    } else {
        EXPECT_EQ(PlotExport::parseOptions(args).size, GetParam().size);
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, ExportSizeTest,
                         ::testing::Values(SizeCase{"16x16", {16, 16}}, SizeCase{"64 X 48", {64, 48}},
                                           SizeCase{"8192x5000", {8192, 5000}}, SizeCase{"15x16", {}},
                                           SizeCase{"16x8193", {}}, SizeCase{"0x0", {}}, SizeCase{"64", {}},
                                           SizeCase{"-64x64", {}}));
} // namespace
