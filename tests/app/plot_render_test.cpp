// Pictures of the 2D plots, checked by pixels and counts, and the
// command-line export with its exit codes.
#include <QFile>
#include <QImage>
#include <cmath>

#include "AppTest.h"
#include "COrvantaDoc.h"
#include "PlotExport.h"
#include "PlotPass.h"
#include "PlotPicture.h"

namespace {
const QSize CLIENT(480, 640); // region -5..5: 48 pixels per unit across, 64 down
const QColor RED(255, 0, 0);
const QColor GREY(192, 192, 192);
const QColor BACKGROUND(127, 174, 136);

class PlotRenderTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        m_doc = std::make_unique<COrvantaDoc>(store());
        m_doc->m_plot.functionColours[0] = makeColorRef(255, 0, 0);
    }
    void TearDown() override {
        m_doc.reset();
        AppTest::TearDown();
    }
    QImage render(PlotFunctionSet set, PlotRegion region = {-5, 5, -5, 5}, int type = 0, bool pi = false) {
        PlotJob job = PlotJob::fromDocument(*m_doc);
        job.functions = std::move(set);
        job.region = region;
        job.settings.type = type;
        job.settings.piScale = pi;
        job.t = m_t;
        return PlotPass::renderImage(job, CLIENT, m_doc->engine());
    }
    static bool is(const QImage& image, int x, int y, const QColor& c) { return image.pixelColor(x, y) == c; }
    // From row 30 on, below the legend line.
    static int countInColumn(const QImage& image, int x, const QColor& c, int from = 30) {
        int n = 0;
        for (int y = from; y < image.height(); ++y)
            n += is(image, x, y, c);
        return n;
    }
    int run(QStringList arguments) {
        arguments.prepend(QStringLiteral("--export-plot"));
        arguments.prepend(QStringLiteral("orvanta"));
        return PlotExport::run(arguments, store());
    }
    QString file(const char* name) const {
        return QString::fromStdString((configFolder().parent_path() / name).string());
    }

    std::unique_ptr<COrvantaDoc> m_doc;
    PlotTRange m_t;
};

TEST_F(PlotRenderTest, AxesGridAndLabelsOnTheDefaultRegion) {
    const QImage image = render({L"f(x)=100", {}});
    EXPECT_TRUE(is(image, 10, 320, Qt::black)); // x axis on row 320
    EXPECT_TRUE(is(image, 240, 30, Qt::black)); // y axis in column 240
    EXPECT_TRUE(is(image, 400, 100, BACKGROUND));
    EXPECT_GT(countInColumn(image, 288, GREY), 100); // grid at x = 1
    EXPECT_LT(countInColumn(image, 290, GREY), 20);  // only the horizontal grid lines cross it
    int labelInk = 0;                                // "1" below the axis at column 288
    for (int x = 278; x < 298; ++x)
        for (int y = 323; y < 345; ++y)
            labelInk += is(image, x, y, Qt::black);
    EXPECT_GT(labelInk, 5);
}

TEST_F(PlotRenderTest, HiddenYAxisAndTheTwoLabelLayout) {
    const QImage hidden = render({L"f(x)=100", {}}, {10, 20, -5, 5});
    for (int x = 0; x < CLIENT.width(); ++x)
        ASSERT_LT(countInColumn(hidden, x, Qt::black), 300) << "no y axis expected, column " << x;
    int inkAtColumn5 = 0;
    for (int x = 5; x < 30; ++x)
        inkAtColumn5 += countInColumn(hidden, x, Qt::black);
    EXPECT_GT(inkAtColumn5, 20); // the y labels move to column 5

    const QImage narrow = render({L"f(x)=100", {}}, {0, 1, -5, 5});
    std::vector<int> gridColumns;
    for (int x = 0; x < CLIENT.width(); ++x)
        if (countInColumn(narrow, x, GREY) > 100) gridColumns.push_back(x);
    EXPECT_EQ(gridColumns, (std::vector<int>{160, 320}));
}

TEST_F(PlotRenderTest, PolesAndDomainEdgesAreNotJoined) {
    const QImage tan = render({L"f(x)=tan(x)", {}});
    for (int x = 0; x < CLIENT.width(); ++x) {
        bool top = false, bottom = false;
        for (int y = 30; y < 50; ++y)
            top = top || is(tan, x, y, RED);
        for (int y = 600; y < 640; ++y)
            bottom = bottom || is(tan, x, y, RED);
        ASSERT_FALSE(top && bottom) << "a line across the pole at column " << x;
    }
    const QImage sqrt = render({L"f(x)=sqrt(x)", {}});
    for (int x = 0; x < 238; ++x)
        ASSERT_EQ(countInColumn(sqrt, x, RED), 0) << "column " << x;
    EXPECT_GT(countInColumn(sqrt, 241, RED), 0);
}

TEST_F(PlotRenderTest, FifthFunctionTakesTheFirstGeneratedColour) {
    const QImage image = render({L"f(x)=0", {L"f(x)=1", L"f(x)=2", L"f(x)=3", L"f(x)=-4"}});
    EXPECT_TRUE(is(image, 100, 576, QColor(255, 0, 255)));
    EXPECT_TRUE(is(image, 100, 320, RED));
}

TEST_F(PlotRenderTest, HatchingShowsGreaterAndLess) {
    const QImage greater = render({L"f(x)=0", {}}, {-5, 5, -5, 5}, 1);
    EXPECT_TRUE(is(greater, 100, 200, RED));
    EXPECT_FALSE(is(greater, 101, 200, RED));
    EXPECT_FALSE(is(greater, 100, 400, RED));
    const QImage less = render({L"f(x)=0", {}}, {-5, 5, -5, 5}, 2);
    EXPECT_TRUE(is(less, 100, 400, RED));
    EXPECT_FALSE(is(less, 100, 200, RED));
}

TEST_F(PlotRenderTest, ImplicitCircleLiesOnTheCircle) {
    const QImage image = render({L"f(x,y)=4=x^2+y^2", {}});
    int onCurve = 0;
    for (int y = 30; y < CLIENT.height(); ++y)
        for (int x = 0; x < CLIENT.width(); ++x)
            if (is(image, x, y, RED)) {
                ++onCurve;
                const double r = std::hypot((x - 240) / 48.0, (320 - y) / 64.0);
                ASSERT_NEAR(r, 2.0, 0.1) << x << "," << y;
            }
    EXPECT_GT(onCurve, 300);
}

TEST_F(PlotRenderTest, FamilyCurvesTakeTheirOwnColours) {
    m_t = {1, 4, 1};
    const QImage image = render({L"f(t,x)=t*x^2", {}});
    for (const QColor& c : {QColor(255, 0, 0), QColor(0, 100, 255), QColor(255, 100, 255)}) {
        int n = 0;
        for (int x = 0; x < CLIENT.width(); ++x)
            n += countInColumn(image, x, c, 80);
        EXPECT_GT(n, 50) << c.name().toStdString();
    }
}

TEST_F(PlotRenderTest, PiScaleStretchesTheXAxis) {
    // sin crosses zero at x = pi, which the pi/2 units put at 2 units right of the origin.
    const QImage scaled = render({L"f(x)=sin(x)", {}}, {-5, 5, -5, 5}, 0, true);
    int nearZero = 0;
    for (int y = 316; y <= 324; ++y)
        nearZero += is(scaled, 336, y, RED);
    EXPECT_GT(nearZero, 0);
}

TEST_F(PlotRenderTest, BitmapHeaderAndSize) {
    QImage picture(240, 320, QImage::Format_RGB32);
    picture.fill(Qt::white);
    const QByteArray bmp = PlotPicture::encodeBmp(picture, QSize(240, 320));
    ASSERT_EQ(bmp.size(), 230454);
    EXPECT_EQ(bmp.left(2), QByteArray("BM"));
    EXPECT_EQ(static_cast<unsigned char>(bmp[10]), 54); // pixel offset
    EXPECT_EQ(static_cast<unsigned char>(bmp[28]), 24); // bits per pixel
    EXPECT_EQ(QImage::fromData(bmp, "BMP").size(), QSize(240, 320));
}

TEST_F(PlotRenderTest, ExportExitCodes) {
    const QString png = file("plot.png");
    EXPECT_EQ(run({png}), PlotExport::EXIT_USAGE); // no function
    EXPECT_EQ(run({file("plot.gif"), QStringLiteral("f(x)=x")}), PlotExport::EXIT_USAGE);
    EXPECT_EQ(run({png, QStringLiteral("--quality"), QStringLiteral("9"), QStringLiteral("f(x)=x")}),
              PlotExport::EXIT_USAGE);
    EXPECT_EQ(run({png, QStringLiteral("f(t,x)=t*x")}), PlotExport::EXIT_USAGE); // no t range
    EXPECT_EQ(run({png, QStringLiteral("f(x)=")}), PlotExport::EXIT_REFUSED);
    EXPECT_FALSE(QFile::exists(png));
    EXPECT_EQ(run({png, QStringLiteral("--size"), QStringLiteral("240x320"), QStringLiteral("f(x)=sin(x)"),
                   QStringLiteral("f(x)=tan(x)")}),
              PlotExport::EXIT_OK);
    EXPECT_EQ(QImage(png).size(), QSize(240, 320));

    const QString bmp = file("plot.bmp");
    ASSERT_EQ(run({bmp, QStringLiteral("--size"), QStringLiteral("240x320"), QStringLiteral("f(x)=x")}),
              PlotExport::EXIT_OK);
    EXPECT_EQ(QFile(bmp).size(), 230454);
    const QString svg = file("plot.svg");
    ASSERT_EQ(run({svg, QStringLiteral("f(x)=x^2")}), PlotExport::EXIT_OK);
    QFile vector(svg);
    ASSERT_TRUE(vector.open(QIODevice::ReadOnly));
    const QByteArray content = vector.readAll();
    EXPECT_TRUE(content.contains("<svg"));
    EXPECT_TRUE(content.contains("<polyline") || content.contains("<path"));
    // A refused set leaves an existing picture alone.
    EXPECT_EQ(run({bmp, QStringLiteral("f(x)=x"), QStringLiteral("z=f(x,y)=x")}), PlotExport::EXIT_REFUSED);
    EXPECT_EQ(QFile(bmp).size(), 230454);
}

TEST_F(PlotRenderTest, ExportOfTheOtherKindsAndTheirOptions) {
    auto args = [](std::initializer_list<const char*> list) {
        QStringList out;
        for (const char* a : list)
            out << QString::fromUtf8(a);
        return out;
    };
    for (auto bad : {args({"--angles", "100", "0"}), args({"--angles", "0", "-10"}), args({"--zrange", "1", "1"}),
                     args({"--iterations", "0"}), args({"--border", "-1"}), args({"--threads", "0"})})
        EXPECT_EQ(run(QStringList{file("bad.png")} + bad + QStringList{QStringLiteral("z=f(x,y)=x")}),
                  PlotExport::EXIT_USAGE)
            << qPrintable(bad.join(' '));
    // One thread and all cores give the same bytes.
    const QString one = file("one.png"), all = file("all.png");
    const QStringList fractal = args({"--size", "160x120", "--iterations", "40", "--border", "4", "--region", "-2",
                                      "1", "-1.5", "1.5", "z(n+1)=z(n)^2+z(0);z(0)=0"});
    ASSERT_EQ(run(QStringList{one, QStringLiteral("--threads"), QStringLiteral("1")} + fractal), PlotExport::EXIT_OK);
    ASSERT_EQ(run(QStringList{all} + fractal), PlotExport::EXIT_OK);
    QFile a(one), b(all);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());
    EXPECT_EQ(run({file("surface.png"), QStringLiteral("--angles"), QStringLiteral("-40"), QStringLiteral("30"),
                   QStringLiteral("--auto-z"), QStringLiteral("z=f(x,y)=x^2+y^2")}),
              PlotExport::EXIT_OK);
}
} // namespace
