// The 3D, sequence, parametric, polar and fractal plots: their arithmetic
// by exact values, their pictures by pixels, and the fractal bands against
// a single thread.
#include <QElapsedTimer>
#include <atomic>
#include <cmath>
#include <thread>

#include "AppTest.h"
#include "COrvantaDoc.h"
#include "IExpressionHolder.h"
#include "Plot3DRenderer.h"
#include "PlotFractalRenderer.h"
#include "PlotFrame.h"
#include "PlotParametricRenderer.h"
#include "PlotPass.h"
#include "PlotPolarRenderer.h"
#include "PlotSequenceRenderer.h"

namespace {
const QSize CLIENT(480, 640); // region -5..5: 48 pixels per unit across, 64 down
const std::wstring PLAIN = L"z(n+1)=z(n)^2+(-1+0*j)";
const std::wstring START_VALUE = L"z(n+1)=z(n)^2+z(0);z(0)=0";

class PlotKindsTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        m_doc = std::make_unique<COrvantaDoc>(store());
    }
    void TearDown() override {
        m_doc.reset();
        AppTest::TearDown();
    }
    PlotJob job(PlotFunctionSet set, PlotRegion region = {-5, 5, -5, 5}) {
        PlotJob j = PlotJob::fromDocument(*m_doc);
        j.functions = std::move(set);
        j.region = region;
        return j;
    }
    QImage render(const PlotJob& j, QSize client = CLIENT) { return PlotPass::renderImage(j, client, m_doc->engine()); }
    static int count(const QImage& image, const QColor& c) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixelColor(x, y) == c;
        return n;
    }
    std::unique_ptr<COrvantaDoc> m_doc;
};

TEST_F(PlotKindsTest, SurfaceGridAutomaticAndFixedZRange) {
    for (auto [quality, cells] : {std::pair{1, 30}, {2, 25}, {3, 20}, {4, 15}})
        EXPECT_EQ(Plot3DRenderer::gridSize(quality), cells);
    IExpressionHolder f(IExpression::parseExpression(L"x^2+y^2", true));
    Plot3DRenderer::Points p = Plot3DRenderer::surfacePoints(*f.getExpression(), {-5, 5, -5, 5}, 30);
    ASSERT_EQ(p.z.size(), 31u * 31u);
    EXPECT_EQ(Plot3DRenderer::automaticZ(p.smallest, p.largest), (std::pair{0.0, 10.0}));
    EXPECT_EQ(Plot3DRenderer::automaticZ(-3.0, 2.0), (std::pair{-3.0, 2.0}));
    EXPECT_EQ(Plot3DRenderer::automaticZ(-INFINITY, NAN), (std::pair{-10.0, 10.0}));

    Plot3DRenderer::dropOutOfRange(p, {-5, 5, -5, 5}, -1.0, 1.0, false);
    int kept = 0;
    for (double z : p.z)
        kept += !std::isnan(z);
    EXPECT_EQ(kept, 29); // the grid points (steps of 1/3) within the unit circle
    EXPECT_EQ(p.z[15 * 31 + 15], 0.0); // the origin keeps its height
    EXPECT_TRUE(std::isnan(p.z[0]));   // the corner (50) loses it
}

TEST_F(PlotKindsTest, RotationBoundsAndPaintersOrder) {
    struct Case {
        int a, b, da, db;
        std::optional<std::pair<int, int>> expected;
    } cases[] = {
        {30, 10, -10, 0, std::pair{20, 10}}, {90, 10, 10, 0, std::nullopt}, {-90, 10, -10, 0, std::nullopt},
        {30, 0, 0, -10, std::nullopt},       {30, 90, 0, 10, std::nullopt}, {-80, 80, -10, 10, std::pair{-90, 90}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Plot3DRenderer::rotate(c.a, c.b, c.da, c.db), c.expected) << c.a << " " << c.b;
    EXPECT_EQ(Plot3DRenderer::rowOrder(3, 0), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(Plot3DRenderer::rowOrder(3, -10), (std::vector<int>{2, 1, 0}));
}

TEST_F(PlotKindsTest, SurfaceAndCurvePictures) {
    PlotJob surface = job({L"z=f(x,y)=sin(x)*cos(y)", {}});
    const QImage s = render(surface);
    EXPECT_GT(count(s, QColor(0, 0, 255)), 10000); // the back colour around the box
    EXPECT_GT(count(s, QColor(255, 255, 0)), 50);  // a cell at the top height keeps the fore colour
    const QImage empty = render(job({L"", {L"z=f(x,y)=x*y"}}));
    EXPECT_EQ(count(empty, QColor(0, 0, 255)), CLIENT.width() * CLIENT.height());
    PlotJob curve = job({L"z=f(t)=[x:=cos(t);y:=sin(t);z:=t/7;t:=0..2*pi]", {}});
    curve.settings.automaticZ = 1;
    const QImage c = render(curve);
    EXPECT_GT(count(c, QColor(0, 0, 255)), 10000);
    EXPECT_GT(CLIENT.width() * CLIENT.height() - count(c, QColor(0, 0, 255)) - count(c, Qt::white), 300);
}

TEST_F(PlotKindsTest, SequenceTermsAndBars) {
    PlotContext context(m_doc->engine(), CalculatorModes::RAD);
    const auto recursive = PlotSequenceRenderer::terms(L"f(n-1)+1;f(0)=1", {-5, 5, -5, 5}, context.engine());
    ASSERT_TRUE(recursive);
    EXPECT_EQ(recursive->from, 0);
    EXPECT_EQ(std::vector<double>(recursive->values.begin(), recursive->values.end() - 1),
              (std::vector<double>{1, 2, 3, 4, 5})); // the last term gets no bar and is not computed
    const auto later = PlotSequenceRenderer::terms(L"f(n-1)+1;f(0)=1", {3, 6, -5, 5}, context.engine());
    ASSERT_TRUE(later);
    EXPECT_EQ(std::vector<double>(later->values.begin(), later->values.end() - 1), (std::vector<double>{4, 5, 6}));
    const auto squares = PlotSequenceRenderer::terms(L"n^2", {-5, 5, -5, 5}, context.engine());
    ASSERT_TRUE(squares);
    EXPECT_EQ(squares->values, (std::vector<double>{0, 1, 4, 9, 16, 25}));

    const QImage bars = render(job({L"f(n)=f(n-1)+1;f(0)=1", {}}));
    // Bar n stands from column 240 + 48n to the next; its top is at row 320 - 64 f(n).
    EXPECT_EQ(bars.pixelColor(312, 192), QColor(Qt::black)); // n = 1, f = 2
    EXPECT_EQ(bars.pixelColor(432, 100), QColor(Qt::black)); // left edge of n = 4, clipped at the top
    EXPECT_NE(bars.pixelColor(264, 256), QColor(Qt::black)); // n = 0 gets no bar
    const PlotFrame frame(CLIENT, {-5, 5, -5, 5});
    EXPECT_EQ(PlotSequenceRenderer::rowOf(1e300, frame), -128.0);
    EXPECT_TRUE(std::isnan(PlotSequenceRenderer::rowOf(-999.0, frame)));
}

TEST_F(PlotKindsTest, ParametricAndPolarPointCounts) {
    EXPECT_EQ(PlotParametricRenderer::pointCount(QSize(240, 268), 4), 321);
    EXPECT_EQ(PlotParametricRenderer::pointCount(QSize(480, 640), 1), 6144);
    EXPECT_EQ(PlotPolarRenderer::pointCount(2), 500);
    EXPECT_EQ(PlotPolarRenderer::pointCount(1), 1000);
    const QImage rose = render(job({L"f(t)=p=[cos(4*t);t:=0..2*pi]", {}}, {-1.5, 1.5, -1.5, 1.5}));
    EXPECT_GT(count(rose, Qt::black), 1500);
    const QImage dots = render(job({L"f(t)=[x:=3*cos(t);y:=3*sin(t);t:=0..2*pi]", {}}));
    EXPECT_GT(count(dots, Qt::black), 2000);
}

TEST_F(PlotKindsTest, FractalColoursAndInvalidText) {
    PlotJob plain = job({PLAIN, {}});
    const QImage picture = render(plain, QSize(100, 100));
    EXPECT_EQ(picture.pixelColor(50, 50), toQColor(plain.settings.colourMax)); // 0 never escapes
    EXPECT_EQ(picture.pixelColor(1, 1), toQColor(plain.settings.colourZero)); // far out: escapes at once
    FractalSetup setup;
    setup.iterations = 50, setup.c0 = 0, setup.c1 = makeColorRef(0, 255, 0);
    EXPECT_EQ(setup.colourOf(50), setup.c1);
    EXPECT_EQ(setup.colourOf(25), static_cast<ColorRef>(0xFF00 / 2));
    EXPECT_FALSE(FractalSetup::fromText(L"f(x)=x"));
    EXPECT_EQ(*FractalSetup::fromText(START_VALUE)->start, L"0");
    const QImage invalid = render(job({L"z(n+1)=z(n)^2+(((", {}}), QSize(200, 100));
    EXPECT_GT(count(invalid, Qt::white), 15000);
    EXPECT_GT(count(invalid, Qt::black), 20); // the message text
}

TEST_F(PlotKindsTest, FractalBandsMatchOneThread) {
    const PlotRegion regions[] = {{-2, 1, -1.5, 1.5}, {-0.2, 0.1, 0.6, 0.9}, {-5, 5, -5, 5}};
    for (const std::wstring& text : {PLAIN, START_VALUE})
        for (const PlotRegion& r : regions)
            for (int quality = 1; quality <= 4; ++quality) {
                std::optional<FractalSetup> setup = FractalSetup::fromText(text);
                setup->region = r, setup->quality = quality, setup->iterations = 30, setup->c1 = 0xFF00;
                QImage one(61, 37, QImage::Format_RGB32), many(one.size(), one.format());
                one.fill(Qt::white), many.fill(Qt::white);
                ASSERT_EQ(FractalBands::render(one, *setup, 1, [] { return false; }), FractalBands::Result::Complete);
                ASSERT_EQ(FractalBands::render(many, *setup, 3, [] { return false; }), FractalBands::Result::Complete);
                EXPECT_EQ(one, many) << r.xmin << " " << quality;
            }
}

TEST_F(PlotKindsTest, CancelStopsEveryBand) {
    std::optional<FractalSetup> setup = FractalSetup::fromText(PLAIN);
    setup->iterations = 100000, setup->border = 1e300; // long enough to run for minutes
    QImage picture(300, 300, QImage::Format_RGB32);
    picture.fill(Qt::white);
    std::atomic<bool> stop{false};
    std::thread canceller([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        stop = true;
    });
    QElapsedTimer timer;
    timer.start();
    const auto result = FractalBands::render(picture, *setup, 0, [&] { return stop.load(); });
    canceller.join();
    EXPECT_EQ(result, FractalBands::Result::Cancelled);
    EXPECT_LT(timer.elapsed(), 5000); // 100 ms to the cancel; the rest is a loaded machine's slack
}
} // namespace
