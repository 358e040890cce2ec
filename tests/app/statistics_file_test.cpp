// The statistics data files, the data strings handed to the engine, and the
// statistics picture, checked without the view.
#include <QImage>

#include "AppTest.h"
#include "COrvantaDoc.h"
#include "CStatisticCalculatorView.h"
#include "MessageIds.h"
#include "PlotFrame.h"
#include "PlotPass.h"
#include "PlotStatistics.h"
#include "StatisticsFile.h"

namespace {
using namespace std::string_view_literals;
using StatisticsFile::Status;
using V = CStatisticCalculatorView;
using Cells = std::vector<std::wstring>;

struct FileCase {
    std::string_view bytes;
    bool pairs;
    Status status;
    Cells x;
    Cells y;
};

TEST(StatisticsFile, ReadsValuesPointsAndForeignForms) {
    const FileCase cases[] = {
        {"1;2\r\n3;4\r\n", true, Status::Ok, {L"1", L"3"}, {L"2", L"4"}},
        {"1;2\r\n3;4\r\n", false, Status::Ok, {L"1", L"2", L"3", L"4"}, {}},
        {"1,5;2;", false, Status::Ok, {L"1.5", L"2"}, {}},
        {"1;2;3;", true, Status::OddCount, {}, {}},
        // The end mark of our own files, and anything behind it, is no value.
        {"1;2;3;4;\0"sv, true, Status::Ok, {L"1", L"3"}, {L"2", L"4"}},
        {"1;2;\0;9;"sv, false, Status::Ok, {L"1", L"2"}, {}},
        // A spreadsheet's "x,y" lines in x/y mode; in x mode the comma is a decimal point.
        {"1.5,2\n3,4.25\n", true, Status::Ok, {L"1.5", L"3"}, {L"2", L"4.25"}},
        {"1,5\n2,5\n", false, Status::Ok, {L"1.5", L"2.5"}, {}},
        {"\r\n;;\n", true, Status::Ok, {}, {}},
        {"\xE9;\xFF;", true, Status::Ok, {L"\u00E9"}, {L"\u00FF"}},
    };
    for (const FileCase& c : cases) {
        const StatisticsFile::Data data = StatisticsFile::read(c.bytes, c.pairs);
        EXPECT_EQ(data.status, c.status) << c.bytes;
        EXPECT_EQ(data.x, c.x) << c.bytes;
        EXPECT_EQ(data.y, c.y) << c.bytes;
    }
}

TEST(StatisticsFile, RefusesWhatTheGridCannotTake) {
    std::string points;
    for (int i = 0; i <= 10000; ++i)
        points += "1;2;";
    EXPECT_EQ(StatisticsFile::read(points, true).status, Status::TooManyPoints);
    EXPECT_EQ(StatisticsFile::read(points.substr(4), true).status, Status::Ok);
    EXPECT_EQ(StatisticsFile::read(std::string(StatisticsFile::MAX_BYTES + 1, ';'), false).status,
              Status::TooLarge);
    EXPECT_EQ(StatisticsFile::read(std::string(1001, '7'), false).status, Status::ValueTooLong);
}

TEST(StatisticsFile, WritesLowBytesAndReadsItselfBack) {
    const Cells cells = {L"1.5", L"", L"-2", L"\u0141x\u00E9", L"3"};
    const std::string bytes = StatisticsFile::write(cells);
    EXPECT_EQ(bytes, "1.5;-2;Ax\xE9;3;\0"sv);
    const StatisticsFile::Data back = StatisticsFile::read(bytes, true);
    EXPECT_EQ(back.x, (Cells{L"1.5", L"Ax\u00E9"}));
    EXPECT_EQ(back.y, (Cells{L"-2", L"3"}));
    EXPECT_EQ(StatisticsFile::write({}), std::string(1, '\0'));
}

struct WalkCase {
    const char* name;
    V::Walk (*walk)(const Cells&, const Cells&);
    Cells x;
    Cells y;
    std::wstring data;
    unsigned failure;
};

V::Walk xOnly(const Cells& x, const Cells&) {
    return V::xValues(x);
}

TEST(StatisticsWalks, DataStringsAndTheirFailures) {
    const WalkCase cases[] = {
        {"x values", xOnly, {L"1", L"2", L"3", L"4", L"", L"6"}, {}, L"1;2;3;4", 0},
        {"three x values", xOnly, {L"1", L"2", L"3"}, {}, L"1;2;3", 0},
        {"two x values", xOnly, {L"1", L"2", L""}, {}, L"", MessageId::NOT_ENOUGH_VALUES},
        {"calculation skips a point without x", V::calculationPairs, {L"1", L"2", L"3", L"4", L"", L"6"},
         {L"1", L"4", L"9", L"16", L"25", L"36"}, L"1;1;2;4;3;9;4;16;6;36", 0},
        {"calculation ends at a point without y", V::calculationPairs, {L"1", L"2", L"3", L"4", L"5", L"6"},
         {L"1", L"4", L"9", L"16", L"", L"36"}, L"1;1;2;4;3;9;4;16", 0},
        {"calculation ended early", V::calculationPairs, {L"1", L"2", L"3", L"4"}, {L"1", L"4", L"", L"16"},
         L"", MessageId::NOT_ENOUGH_VALUES},
        {"no y values", V::calculationPairs, {L"1", L"2", L"3", L"4"}, {L"", L"", L"", L""}, L"",
         MessageId::NO_Y_VALUES},
        {"regression ends at a point without x", V::regressionPairs, {L"1", L"2", L"3", L"4", L"", L"6"},
         {L"1", L"4", L"9", L"16", L"25", L"36"}, L"1;1;2;4;3;9;4;16", 0},
        {"regression ended early", V::regressionPairs, {L"1", L"", L"3", L"4"}, {L"1", L"4", L"9", L"16"}, L"",
         MessageId::NOT_ENOUGH_VALUES},
    };
    for (const WalkCase& c : cases) {
        const V::Walk walk = c.walk(c.x, c.y);
        EXPECT_EQ(walk.data, c.data) << c.name;
        EXPECT_EQ(walk.failure, c.failure) << c.name;
    }
    EXPECT_TRUE(V::regressionPairs({L"1", L"2", L"3", L"4"}, {L"2", L"0", L"1", L"3"}).yZero);
    EXPECT_FALSE(V::regressionPairs({L"1", L"2", L"3", L"4"}, {L"2", L"0.0", L"1", L"3"}).yZero);
}

TEST(StatisticsPlot, RegionHasAMarginRoundTheData) {
    using Points = std::vector<std::pair<double, double>>;
    EXPECT_EQ(PlotStatistics::regionOf(Points{{0, 10}, {10, 20}, {5, std::nan("")}}), (PlotRegion{-1, 11, 9, 21}));
    EXPECT_EQ(PlotStatistics::regionOf(Points{{3, 50}, {3, 50}}), (PlotRegion{2, 4, 45, 55}));
    EXPECT_EQ(PlotStatistics::regionOf(Points{}), PlotRegion());
    EXPECT_EQ(PlotStatistics::regionOf(Points{{-1e308, 0}, {1e308, 1}}), PlotRegion());
}

class StatisticsPictureTest : public AppTest {};

TEST_F(StatisticsPictureTest, RedSquaresAtThePointsAndTheCurveInBlack) {
    COrvantaDoc doc(store());
    auto data = std::make_shared<PlotStatistics>();
    data->points = {{0, 0}, {10, 10}, {5, 5}, {2.5, 7.5}};
    data->region = PlotStatistics::regionOf(data->points); // -1..11 both ways: 20 pixels a unit
    PlotJob job = PlotJob::fromDocument(doc);
    job.statistics = data;
    job.region = data->region;
    job.hiRes = false;
    const QSize client(240, 240);
    const PlotFrame frame(client, job.region);
    EXPECT_EQ(PlotStatisticsRenderer::pixelOf(frame, 0, 0), QPoint(20, 220));
    EXPECT_EQ(PlotStatisticsRenderer::pixelOf(frame, 10, 10), QPoint(220, 20));
    EXPECT_EQ(PlotStatisticsRenderer::pixelOf(frame, 2.5, 7.5), QPoint(70, 70));

    // The curve y = x crosses column 100 at row 140, away from legend and labels.
    auto blackIn = [](const QImage& image, int column) {
        int n = 0;
        for (int y = 40; y < 200; ++y)
            n += image.pixelColor(column, y) == Qt::black;
        return n;
    };
    QImage image = PlotPass::renderImage(job, client, doc.engine());
    for (const auto& [x, y] : data->points) {
        const QPoint p = PlotStatisticsRenderer::pixelOf(frame, x, y);
        EXPECT_EQ(image.pixelColor(p + QPoint(1, 1)), QColor(255, 0, 0)) << x;
        EXPECT_EQ(image.pixelColor(p + QPoint(-1, 0)), QColor(255, 0, 0)) << x;
        EXPECT_NE(image.pixelColor(p), QColor(255, 0, 0)) << x; // an outline
    }
    EXPECT_EQ(blackIn(image, 100), 0); // without a regression: no curve

    data->regression = true;
    data->function = L"x";
    image = PlotPass::renderImage(job, client, doc.engine());
    EXPECT_GT(blackIn(image, 100), 0);
    EXPECT_EQ(image.pixelColor(QPoint(121, 121)), QColor(255, 0, 0)); // the square over the curve
}
} // namespace
